#include "readability.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QGradient>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>

#include <cmath>

namespace {

constexpr double kLeastContrast = 4.5;
// What the styles put between a button's icon and its text.
constexpr int kIconSpacing = 4;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QList<QColor> coloursOf(const QBrush &brush)
{
    if (brush.style() == Qt::NoBrush)
        return {};
    if (const QGradient *gradient = brush.gradient()) {
        QList<QColor> colours;
        for (const QGradientStop &stop : gradient->stops())
            colours.append(stop.second);
        return colours;
    }
    return {brush.color()};
}

bool opaque(const QList<QColor> &colours)
{
    if (colours.isEmpty())
        return false;
    for (const QColor &colour : colours) {
        if (colour.alpha() < 255)
            return false;
    }
    return true;
}

// The colours a control's text is drawn on: its own background when that is
// opaque, otherwise what its parent shows through.
QList<QColor> backgroundOf(const QWidget *control)
{
    for (const QWidget *at = control; at; at = at->parentWidget()) {
        const QList<QColor> colours = coloursOf(at->palette().brush(QPalette::Active, at->backgroundRole()));
        if (opaque(colours) || at->isWindow())
            return colours;
    }
    return {};
}

QColor over(const QColor &text, const QColor &background)
{
    const double a = text.alphaF();
    return QColor::fromRgbF(text.redF() * a + background.redF() * (1 - a),
                            text.greenF() * a + background.greenF() * (1 - a),
                            text.blueF() * a + background.blueF() * (1 - a));
}

QString textOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return QString();
}

QString nameOf(const QWidget *control)
{
    const QString name = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                          : control->objectName();
    return QStringLiteral("%1 \"%2\"").arg(name, textOf(control));
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QSize textSize(const QAbstractButton *button)
{
    QSize need = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull()) {
        need.rwidth() += button->iconSize().width() + kIconSpacing;
        need.setHeight(qMax(need.height(), button->iconSize().height()));
    }
    return need;
}

QStyleOptionButton buttonOption(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (const auto *push = qobject_cast<const QPushButton *>(button)) {
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    return option;
}

// The room a control's text needs and the room the control gives it.
struct Room {
    QSize need;
    QSize has;
};

Room roomOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->wordWrap())
            return {QSize(0, label->heightForWidth(label->width())), label->size()};
        return {label->minimumSizeHint(), label->size()};
    }
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    QStyle::SubElement contents;
    if (qobject_cast<const QPushButton *>(button))
        contents = QStyle::SE_PushButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else
        return {button->sizeHint(), button->size()};
    const QStyleOptionButton option = buttonOption(button);
    return {textSize(button), button->style()->subElementRect(contents, &option, button).size()};
}

// The first control around this one that does not hold it whole.
const QWidget *cuttingParent(const QWidget *control)
{
    for (const QWidget *parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
        const QRect inParent(control->mapTo(parent, QPoint(0, 0)), control->size());
        if (!parent->rect().contains(inParent))
            return parent;
        if (parent->isWindow())
            break;
    }
    return nullptr;
}

bool judgedForContrast(const QWidget *control)
{
    if (!control->isEnabled())
        return false; // the guidelines leave inactive controls out
    return qobject_cast<const QLabel *>(control) || qobject_cast<const QAbstractButton *>(control);
}

void judgeVisibleControls(QWidget *screen, QStringList *faults)
{
    for (const QWidget *control : screen->findChildren<QWidget *>()) {
        if (!control->isVisible() || textOf(control).isEmpty())
            continue;
        if (!qobject_cast<const QLabel *>(control) && !qobject_cast<const QAbstractButton *>(control))
            continue;
        const Room room = roomOf(control);
        if (room.has.width() < room.need.width() || room.has.height() < room.need.height()) {
            faults->append(QStringLiteral("%1 needs %2, has %3")
                               .arg(nameOf(control), sizeText(room.need), sizeText(room.has)));
        }
        if (const QWidget *parent = cuttingParent(control))
            faults->append(QStringLiteral("%1 reaches out of %2").arg(nameOf(control), parent->metaObject()->className()));
        if (!judgedForContrast(control))
            continue;
        const QColor text = control->palette().color(QPalette::Active, control->foregroundRole());
        for (const QColor &background : backgroundOf(control)) {
            const QColor drawn = over(text, background);
            const double ratio = ContrastRatio(drawn, background);
            if (ratio < kLeastContrast) {
                faults->append(QStringLiteral("%1 is %2 on %3: %4 : 1")
                                   .arg(nameOf(control), drawn.name(), background.name())
                                   .arg(ratio, 0, 'f', 2));
                break;
            }
        }
    }
}

// The header texts of a grid that need more width than their column has.
void judgeHeaders(QWidget *screen, QStringList *faults)
{
    for (const QHeaderView *header : screen->findChildren<QHeaderView *>()) {
        if (!header->isVisible() || header->orientation() != Qt::Horizontal || !header->model())
            continue;
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            if (text.isEmpty() || header->isSectionHidden(section))
                continue;
            if (header->sectionSize(section) < header->sectionSizeHint(section)) {
                faults->append(QStringLiteral("grid header \"%1\" needs %2, has %3")
                                   .arg(text)
                                   .arg(header->sectionSizeHint(section))
                                   .arg(header->sectionSize(section)));
            }
        }
    }
}

void settle(QWidget *screen)
{
    // Layouts and a window that grows to its layout's minimum settle through
    // posted events.
    for (int i = 0; i < 3; ++i) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
    screen->ensurePolished();
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QStringList UnreadableTexts(QWidget *screen)
{
    QStringList faults;
    settle(screen);
    judgeVisibleControls(screen, &faults);
    judgeHeaders(screen, &faults);
    for (QTabWidget *pages : screen->findChildren<QTabWidget *>()) {
        const int shown = pages->currentIndex();
        for (int i = 0; i < pages->count(); ++i) {
            if (i == shown)
                continue;
            pages->setCurrentIndex(i);
            settle(screen);
            judgeVisibleControls(pages->widget(i), &faults);
            judgeHeaders(pages->widget(i), &faults);
        }
        pages->setCurrentIndex(shown);
        settle(screen);
    }
    faults.removeDuplicates();
    return faults;
}

QStringList ButtonsPressedByEnter(QWidget *screen)
{
    QStringList pressed;
    for (const QPushButton *button : screen->findChildren<QPushButton *>()) {
        if (button->autoDefault() || button->isDefault())
            pressed.append(nameOf(button));
    }
    return pressed;
}
