#include "ui/looks.h"

#include <QLinearGradient>
#include <QPalette>
#include <QWidget>

namespace {

const char *nameOf(Look look)
{
    switch (look) {
    case Look::Picture: return "picture";
    case Look::PictureText: return "pictureText";
    case Look::Welcome: return "welcome";
    case Look::Notice: return "notice";
    case Look::Panel: return "panel";
    case Look::FieldCaption: return "fieldCaption";
    case Look::Heading: return "heading";
    }
    return "";
}

// Dark enough at every point that white and yellow texts read on it.
QBrush pictureBrush()
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, QColor(0x3E, 0x27, 0x23));
    gradient.setColorAt(1, QColor(0x6D, 0x4C, 0x41));
    return QBrush(gradient);
}

} // namespace

void SetLook(QWidget *widget, Look look)
{
    widget->setProperty("look", QString::fromLatin1(nameOf(look)));
    QPalette palette = widget->palette();
    switch (look) {
    case Look::Picture:
        palette.setBrush(QPalette::Window, pictureBrush());
        widget->setAutoFillBackground(true);
        break;
    case Look::Panel:
        palette.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xE1));
        palette.setColor(QPalette::WindowText, QColor(0x3E, 0x27, 0x23));
        widget->setAutoFillBackground(true);
        break;
    case Look::PictureText:
        palette.setColor(QPalette::WindowText, Qt::white);
        break;
    case Look::Welcome:
        palette.setColor(QPalette::WindowText, QColor(0xFF, 0xD5, 0x4F));
        break;
    case Look::Notice:
        palette.setColor(QPalette::WindowText, QColor(0xFF, 0xE0, 0x82));
        break;
    case Look::FieldCaption:
        palette.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
        break;
    case Look::Heading:
        palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xC0));
        break;
    }
    widget->setPalette(palette);
}
