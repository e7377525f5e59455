#include "cards/dailybackup.h"

#include "core/clock.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "store/databasecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace {

constexpr qint64 kRetryAfterSeconds = 3600;

// LastBackup.txt: the date of the last complete copy on the first line, the
// time of a failed try since on the second.
struct BackupLog {
    QDate done;
    QDateTime failed;
};

QString logFile()
{
    return settings.WorkPath + QStringLiteral("LastBackup.txt");
}

BackupLog readLog()
{
    QFile file(logFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromLatin1(file.readAll()).split(u'\n');
    BackupLog log;
    log.done = QDate::fromString(lines.value(0).trimmed(), Qt::ISODate);
    log.failed = QDateTime::fromString(lines.value(1).trimmed(), Qt::ISODate);
    return log;
}

bool writeLog(const BackupLog &log, QString *error)
{
    QSaveFile file(logFile());
    QByteArray text = log.done.toString(Qt::ISODate).toLatin1() + '\n';
    if (log.failed.isValid())
        text += log.failed.toString(Qt::ISODate).toLatin1() + '\n';
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

// A try that failed less than an hour ago is not repeated yet, so that a full
// or missing backup drive does not hold up every card.
bool triedLately(const BackupLog &log, const QDateTime &now)
{
    if (!log.failed.isValid())
        return false;
    const qint64 since = log.failed.secsTo(now);
    return since >= 0 && since < kRetryAfterSeconds;
}

void warn(const QString &text)
{
    ShowWarning(QStringLiteral("N9090"), QStringLiteral("Database Backup Failure\n") + text);
}

void rememberFailedTry(BackupLog log, const QDateTime &now)
{
    log.failed = now;
    QString error;
    if (!writeLog(log, &error))
        warn(QStringLiteral("Cannot write ") + logFile() + u'\n' + error);
}

// Copies under a temporary name first: the day's earlier copy stays until a
// complete new one takes its place, and a copy cut short never carries the
// day's name.
bool copyComplete(const QString &target, QString *error)
{
    const QString partial = target + QStringLiteral(".part");
    // What an earlier copy cut short may have left.
    if (QFileInfo::exists(partial) && !QFile::remove(partial)) {
        *error = QStringLiteral("Cannot remove ") + partial;
        return false;
    }
    if (!CopyDatabaseTo(partial, error)) {
        QFile::remove(partial);
        return false;
    }
    std::error_code failure;
    std::filesystem::rename(std::filesystem::path(partial.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), failure);
    if (!failure)
        return true;
    *error = QString::fromStdString(failure.message());
    QFile::remove(partial);
    return false;
}

} // namespace

std::optional<QString> MakeDailyBackup()
{
    if (!DatabaseIsAFile())
        return std::nullopt;
    const QDateTime now = Clock().now();
    const BackupLog log = readLog();
    if (log.done == now.date() || triedLately(log, now))
        return std::nullopt;
    QString folder = settings.DBBakPath;
    if (!QDir().mkpath(folder)) {
        rememberFailedTry(log, now);
        return QStringLiteral("Cannot Create ") + folder;
    }
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    const QString target =
        folder + QStringLiteral("Zumerak") + now.toString(QStringLiteral("yyMMdd")) + QStringLiteral(".MDB");
    QString error;
    if (!copyComplete(target, &error)) {
        warn(target + u'\n' + error
             + QStringLiteral("\n\nThe card is written; the copy is tried again at the first card an hour from now."));
        rememberFailedTry(log, now);
        return std::nullopt;
    }
    if (!writeLog({now.date(), {}}, &error))
        warn(QStringLiteral("Cannot write ") + logFile() + u'\n' + error);
    return std::nullopt;
}
