#include "ui/skin.h"

#include "core/settings.h"

#include <QApplication>
#include <QFile>

void ApplySkin()
{
    qApp->setStyleSheet(QString());
    if (settings.Skin.isEmpty())
        return;
    QFile sheet(settings.SkinFile());
    if (!sheet.open(QIODevice::ReadOnly))
        return;
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
