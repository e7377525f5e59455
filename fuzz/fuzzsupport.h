#pragma once

#include "core/operatorport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What every fuzz target shares: the application object Qt's plugins and
// codecs expect, a port that answers every box with its preselected answer
// and shows nothing, and a throw-away working folder made the current one.
class FuzzPort final : public OperatorPort {
public:
    BoxAnswer messageBox(BoxIcon, const QString &, const QString &, BoxButtons, BoxAnswer defaultAnswer) override
    {
        return defaultAnswer;
    }
    std::optional<QString> inputBox(const QString &, const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
    void setBusy(bool) override {}
};

// Files are rewritten for every input: in memory where the machine has a
// memory file system, as the disk would otherwise set the pace.
inline QString FuzzFolderTemplate()
{
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return base + QStringLiteral("/zumerak-fuzz-XXXXXX");
}

inline void StartFuzzing(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    static FuzzPort port;
    static QTemporaryDir folder(FuzzFolderTemplate());
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        std::abort();
    SetOperatorPort(&port);
}

inline QByteArray FuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// Replaces a file of the working folder with these bytes.
inline void WriteFuzzFile(const QString &name, const QByteArray &content)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(content);
}

// A property every input must keep; breaking it is a finding like a crash.
inline void FuzzCheck(bool holds)
{
    if (!holds)
        std::abort();
}
