#include "cards/dailybackup.h"

#include "core/clock.h"
#include "core/settings.h"
#include "store/connection.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSqlQuery>

namespace {

QString lastBackupFile()
{
    return settings.WorkPath + QStringLiteral("LastBackup.txt");
}

QDate lastBackupDate()
{
    QFile file(lastBackupFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QDate::fromString(QString::fromLatin1(file.readAll()).trimmed(), Qt::ISODate);
}

void rememberBackupDate(const QDate &date)
{
    QSaveFile file(lastBackupFile());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(date.toString(Qt::ISODate).toLatin1());
        file.commit();
    }
}

// A consistent copy through the database itself, so that a write in progress
// never leaves a torn copy.
void copyDatabase(const QString &target)
{
    QFile::remove(target);
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("VACUUM INTO :a"));
    query.bindValue(QStringLiteral(":a"), target);
    query.exec();
}

} // namespace

std::optional<QString> MakeDailyBackup()
{
    const QDate today = Clock().now().date();
    if (BuildFlag == BuildKind::Server || lastBackupDate() == today)
        return std::nullopt;
    rememberBackupDate(today);
    QString folder = settings.DBBakPath;
    if (!QDir().mkpath(folder))
        return QStringLiteral("Cannot Create ") + folder;
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    copyDatabase(folder + QStringLiteral("Zumerak") + today.toString(QStringLiteral("yyMMdd")) + QStringLiteral(".MDB"));
    return std::nullopt;
}
