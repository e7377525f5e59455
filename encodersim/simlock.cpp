#include "simlock.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

std::optional<std::array<int, 3>> lockNoOf(const QString &text)
{
    if (text.size() != 9)
        return std::nullopt;
    std::array<int, 3> parts{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        parts[i] = text.mid(i * 3, 3).toInt(&ok);
        if (!ok || parts[i] < 0 || parts[i] > 255)
            return std::nullopt;
    }
    return parts;
}

} // namespace

bool SimLock::validName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9_.-]*$"));
    return pattern.match(name).hasMatch();
}

QString SimLock::fileOf(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

std::optional<SimLock> SimLock::load(const QString &folder, const QString &name)
{
    SimLock lock;
    lock.name = name;
    QFile file(fileOf(folder, name));
    if (!file.exists())
        return lock;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QString &line : QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QString key = line.section(u'=', 0, 0).trimmed();
        const QString value = line.section(u'=', 1).trimmed();
        bool ok = true;
        if (key == QLatin1String("systemCode"))
            lock.systemCode = value.toInt(&ok, 16);
        else if (key == QLatin1String("baoJing"))
            lock.baoJing = value.toInt(&ok);
        else if (key == QLatin1String("tiShi"))
            lock.tiShi = value.toInt(&ok);
        else if (key == QLatin1String("lockNo"))
            ok = (lock.lockNo = lockNoOf(value)).has_value();
        else if (key == QLatin1String("clockOffset"))
            lock.clockOffset = value.toLongLong(&ok);
        else if (key == QLatin1String("group")) {
            const int group = value.toInt(&ok);
            ok = ok && group >= 0 && group < 256;
            if (ok)
                lock.groups.set(static_cast<std::size_t>(group));
        } else if (key.startsWith(QLatin1String("dai.")))
            lock.newestDai.insert(key.mid(4), value.toInt(&ok));
        else if (key == QLatin1String("barred"))
            lock.barred << value;
        else if (key == QLatin1String("terminated"))
            ok = (lock.terminated = QDateTime::fromString(value, kTimeFormat)).isValid();
        else if (key == QLatin1String("record"))
            lock.records << value;
        if (!ok)
            return std::nullopt;
    }
    return lock;
}

QStringList SimLock::names(const QString &folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files, QDir::Name);
    for (QString &name : names)
        name.chop(5);
    return names;
}

bool SimLock::save(const QString &folder) const
{
    QString text;
    if (systemCode)
        text += QString::asprintf("systemCode=%.6X\n", *systemCode);
    text += QStringLiteral("baoJing=%1\ntiShi=%2\n").arg(baoJing).arg(tiShi);
    if (lockNo)
        text += QStringLiteral("lockNo=%1\n").arg(lockNoText());
    text += QStringLiteral("clockOffset=%1\n").arg(clockOffset);
    for (std::size_t group = 0; group < groups.size(); ++group) {
        if (groups.test(group))
            text += QStringLiteral("group=%1\n").arg(group);
    }
    for (auto it = newestDai.cbegin(); it != newestDai.cend(); ++it)
        text += QStringLiteral("dai.%1=%2\n").arg(it.key()).arg(it.value());
    for (const QString &id : barred)
        text += QStringLiteral("barred=%1\n").arg(id);
    if (terminated.isValid())
        text += QStringLiteral("terminated=%1\n").arg(terminated.toString(kTimeFormat));
    for (const QString &record : records)
        text += QStringLiteral("record=%1\n").arg(record);
    QSaveFile file(fileOf(folder, name));
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(text.toLatin1()) >= 0
        && file.commit();
}

QString SimLock::lockNoText() const
{
    return lockNo ? QString::asprintf("%.3d%.3d%.3d", (*lockNo)[0], (*lockNo)[1], (*lockNo)[2]) : QString();
}

QString SimLock::groupsText() const
{
    if (groups.all())
        return QStringLiteral("all");
    if (groups.none())
        return QStringLiteral("none");
    QStringList list;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        if (groups.test(group))
            list << QString::number(group);
    }
    return list.join(u',');
}
