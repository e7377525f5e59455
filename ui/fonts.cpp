#include "ui/fonts.h"

#include "core/settings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QChartView>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QStatusBar>
#include <QAbstractAxis>
#include <QWidget>

namespace {

QFontDatabase::WritingSystem writingSystemOf(int charSet)
{
    switch (charSet) {
    case 128: return QFontDatabase::Japanese;
    case 129: case 130: return QFontDatabase::Korean;
    case 134: return QFontDatabase::SimplifiedChinese;
    case 136: return QFontDatabase::TraditionalChinese;
    case 161: return QFontDatabase::Greek;
    case 163: return QFontDatabase::Vietnamese;
    case 177: return QFontDatabase::Hebrew;
    case 178: return QFontDatabase::Arabic;
    case 204: return QFontDatabase::Cyrillic;
    case 222: return QFontDatabase::Thai;
    default: return QFontDatabase::Any;
    }
}

// Qt fonts carry no character set; what the setting asks for is that texts of
// that script show, so a face that has the script goes behind the design face.
void applyCharSet(QFont &font)
{
    const QFontDatabase::WritingSystem system = writingSystemOf(settings.FontCharSet);
    if (system == QFontDatabase::Any)
        return;
    const QStringList faces = QFontDatabase::families(system);
    if (faces.isEmpty())
        return;
    QStringList families = font.families();
    if (families.isEmpty())
        families.append(font.family());
    if (!families.contains(faces.first()))
        families.append(faces.first());
    font.setFamilies(families);
}

QFont configured(QFont font)
{
    if (!settings.FontName.isEmpty()) {
        font.setFamilies({settings.FontName});
        if (settings.FontSize > 0)
            font.setPointSize(settings.FontSize);
        // The height comes last and wins: negative is the character height in pixels.
        if (settings.FontHeight != 0)
            font.setPixelSize(qAbs(settings.FontHeight));
    }
    applyCharSet(font);
    return font;
}

bool isTextControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QGroupBox *>(w) || qobject_cast<const QAbstractItemView *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QStatusBar *>(w)
        || qobject_cast<const QFrame *>(w);
}

void applyToChart(QChart *chart)
{
    chart->setTitleFont(configured(chart->titleFont()));
    chart->legend()->setFont(configured(chart->legend()->font()));
    for (QAbstractAxis *axis : chart->axes()) {
        axis->setTitleFont(configured(axis->titleFont()));
        axis->setLabelsFont(configured(axis->labelsFont()));
    }
}

} // namespace

void ApplyFontSettings(QWidget *screen)
{
    QFont own = screen->font();
    applyCharSet(own);
    screen->setFont(own);
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (auto *chartView = qobject_cast<QChartView *>(w))
            applyToChart(chartView->chart());
        else if (isTextControl(w))
            w->setFont(configured(w->font()));
    }
}
