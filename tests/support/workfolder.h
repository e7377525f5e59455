#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away working folder made the current directory for the life of the
// fixture, with the files a test puts in it.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    QString path() const;
    QString file(const QString &name) const;
    void write(const QString &name, const QByteArray &content) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
