#include "workfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

WorkFolder::WorkFolder()
    : m_previous(QDir::currentPath())
{
    QVERIFY2(m_dir.isValid(), "cannot make a temporary folder");
    QDir::setCurrent(m_dir.path());
}

WorkFolder::~WorkFolder()
{
    QDir::setCurrent(m_previous);
}

QString WorkFolder::path() const
{
    return m_dir.path();
}

QString WorkFolder::file(const QString &name) const
{
    return m_dir.filePath(name);
}

void WorkFolder::write(const QString &name, const QByteArray &content) const
{
    const QString target = file(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    QVERIFY2(out.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(target));
    out.write(content);
}
