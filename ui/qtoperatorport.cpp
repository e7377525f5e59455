#include "ui/qtoperatorport.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon messageIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Error: return QMessageBox::Critical;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton standardButton(BoxAnswer answer)
{
    switch (answer) {
    case BoxAnswer::Ok: return QMessageBox::Ok;
    case BoxAnswer::Cancel: return QMessageBox::Cancel;
    case BoxAnswer::Yes: return QMessageBox::Yes;
    case BoxAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

// The window a box belongs to: the modal screen on top, else the active
// window, else a visible window of the program. With no parent a box is a
// window of its own, and answering it while the program's windows are hidden
// or inactive (focus in another program, no window manager) would count as
// closing the last window.
QWidget *boxParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    QWidget *visible = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::ToolTip || window->windowType() == Qt::Popup)
            continue;
        visible = window;
        if (qobject_cast<QDialog *>(window))
            break;
    }
    return visible;
}

} // namespace

BoxAnswer QtOperatorPort::messageBox(BoxIcon icon, const QString &caption, const QString &text,
                                     BoxButtons buttons, BoxAnswer defaultAnswer)
{
    QMessageBox box(messageIcon(icon), caption, text, QMessageBox::NoButton, boxParent());
    switch (buttons) {
    case BoxButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case BoxButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case BoxButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    box.setDefaultButton(standardButton(defaultAnswer));
    // A box must be answered even while the SQL-wait cursor is up.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    QApplication::restoreOverrideCursor();
    switch (result) {
    case QMessageBox::Ok: return BoxAnswer::Ok;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: return buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Cancel;
    }
}

std::optional<QString> QtOperatorPort::inputBox(const QString &caption, const QString &prompt,
                                                const QString &value, bool password)
{
    bool ok = false;
    const QString text = QInputDialog::getText(boxParent(), caption, prompt,
                                               password ? QLineEdit::Password : QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtOperatorPort::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}
