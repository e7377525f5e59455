#include "simdevice.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const char kDeviceFile[] = "device.txt";
const char kRecordsFile[] = "records.txt";

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

bool writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toLatin1()) >= 0 && file.commit();
}

QString cardFile(const QString &folder, const QString &serial)
{
    return folder + QLatin1Char('/') + serial + QStringLiteral(".card");
}

} // namespace

QString SimDevice::stateFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ZUMERAK_ENCODER_SIM_DIR");
    return fromEnvironment.isEmpty() ? QDir::currentPath() + QStringLiteral("/EncoderSim") : fromEnvironment;
}

SimDevice SimDevice::load()
{
    SimDevice device;
    device.folder = stateFolder();
    const QStringList lines = readText(device.folder + QLatin1Char('/') + QLatin1String(kDeviceFile)).split(u'\n');
    for (const QString &line : lines) {
        const QString key = line.section(u'=', 0, 0).trimmed();
        const QString value = line.section(u'=', 1).trimmed();
        if (key == QLatin1String("plugged"))
            device.plugged = value != QLatin1String("0");
        else if (key == QLatin1String("mode"))
            device.dusb = value == QLatin1String("dusb");
        else if (key == QLatin1String("model"))
            device.collector = value == QLatin1String("collector");
        else if (key == QLatin1String("card"))
            device.onEncoder = value;
        else if (key == QLatin1String("failRead"))
            device.failRead = value.toInt();
        else if (key == QLatin1String("failWrite"))
            device.failWrite = value.toInt();
        else if (key == QLatin1String("failErase"))
            device.failErase = value.toInt();
        else if (key == QLatin1String("failReadback"))
            device.failReadback = value.toInt();
        else if (key == QLatin1String("failWritten"))
            device.failWritten = value.toInt();
        else if (key == QLatin1String("failKind"))
            device.failKind = value == QLatin1String("1");
        else if (key == QLatin1String("failReadAfterWrite"))
            device.failReadAfterWrite = value.toInt();
    }
    return device;
}

bool SimDevice::save() const
{
    if (!QDir().mkpath(folder))
        return false;
    const QString text = QStringLiteral("plugged=%1\nmode=%2\nmodel=%3\ncard=%4\nfailRead=%5\nfailWrite=%6\n"
                                        "failErase=%7\nfailReadback=%8\nfailWritten=%9\nfailKind=%10\n"
                                        "failReadAfterWrite=%11\n")
                             .arg(plugged ? 1 : 0)
                             .arg(dusb ? QStringLiteral("dusb") : QStringLiteral("kestul"))
                             .arg(collector ? QStringLiteral("collector") : QStringLiteral("encoder"))
                             .arg(onEncoder)
                             .arg(failRead)
                             .arg(failWrite)
                             .arg(failErase)
                             .arg(failReadback)
                             .arg(failWritten)
                             .arg(failKind ? 1 : 0)
                             .arg(failReadAfterWrite);
    return writeText(folder + QLatin1Char('/') + QLatin1String(kDeviceFile), text);
}

std::optional<SimCard> SimDevice::card() const
{
    if (onEncoder.isEmpty())
        return std::nullopt;
    return SimCard::fromText(readText(cardFile(folder, onEncoder)));
}

bool SimDevice::store(const SimCard &card) const
{
    return QDir().mkpath(folder)
        && writeText(cardFile(folder, QString::asprintf("%.8X", card.serial)), card.text() + QLatin1Char('\n'));
}

QStringList SimDevice::keptCards() const
{
    QStringList serials = QDir(folder).entryList({QStringLiteral("*.card")}, QDir::Files, QDir::Name);
    for (QString &serial : serials)
        serial.chop(5);
    return serials;
}

std::optional<SimCard> SimDevice::newBlank()
{
    const QStringList kept = keptCards();
    const std::uint32_t serial = kept.isEmpty() ? 0x5A000001u : kept.last().toUInt(nullptr, 16) + 1;
    const SimCard card = SimCard::blank(serial);
    if (!store(card))
        return std::nullopt;
    onEncoder = QString::asprintf("%.8X", serial);
    return card;
}

QString SimDevice::records() const
{
    return readText(folder + QLatin1Char('/') + QLatin1String(kRecordsFile));
}

bool SimDevice::setRecords(const QString &text) const
{
    return QDir().mkpath(folder) && writeText(folder + QLatin1Char('/') + QLatin1String(kRecordsFile), text);
}
