// encoder-sim: handles the simulated encoder as a person at the desk would,
// on the same state folder as the library.

#include "doorcommands.h"
#include "simdevice.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: encoder-sim COMMAND\n"
    "  blank                     put a new blank card on the encoder\n"
    "  take                      take the card off the encoder (it is kept)\n"
    "  put ID                    put a kept card back on the encoder\n"
    "  cards                     list the kept cards\n"
    "  show                      print the read buffer and the fields of the card\n"
    "  unplug | plug             disconnect or connect the device\n"
    "  mode kestul|dusb          the connection mode the device answers in\n"
    "  model encoder|collector   the card encoder or the record collector\n"
    "  records FILE              load opening records into the collector\n"
    "  fail read|write|erase CODE   the next call of that kind answers CODE (read: a card\n"
    "                            read, or the collector's record read)\n"
    "  fail written CODE         the next write writes the card, then answers CODE\n"
    "  fail kind                 the next write puts the next kind digit on the card\n"
    "  fail readback             the read after the next write answers other card data\n"
    "  fail readback CODE        the read after the next write answers CODE\n"
    "  door NAME [--serial S] [--at \"yyyy-MM-dd HH:mm[:ss]\"] [--deadbolt]\n"
    "                            hold the card (on the encoder, or kept card S) to the\n"
    "                            lock of door NAME; prints open, denied: REASON or what\n"
    "                            the card set\n"
    "  doors                     list the locks\n"
    "The state folder is $ZUMERAK_ENCODER_SIM_DIR, else ./EncoderSim.\n";

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int fail(const char *text)
{
    std::fprintf(stderr, "encoder-sim: %s\n", text);
    return 1;
}

QString unpacked(std::uint32_t packed)
{
    const auto time = UnpackTime(packed);
    return time ? time->toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QStringLiteral("none");
}

int show(const SimDevice &device)
{
    std::printf("device=%s %s %s\n", device.plugged ? "plugged" : "unplugged", device.dusb ? "dusb" : "kestul",
                device.collector ? "collector" : "encoder");
    const auto card = device.card();
    if (!card) {
        std::printf("card=none\n");
        return 0;
    }
    const auto &b = card->bytes;
    std::printf("serial=%s\nbuffer=%s\n", qPrintable(device.onEncoder), qPrintable(card->readBuffer()));
    if (card->isBlank()) {
        std::printf("blank\n");
        return 0;
    }
    std::printf("kind=%d\ncardId=%s\nsystemCode=%.6X\ndai=%d\naccessBolt=%d\nlockArea=%.2X%.2X%.2X%.2X\n"
                "issue=%s\nend=%s\n",
                card->kind(), qPrintable(card->cardId()), card->coId(), b[8], b[4] >> 7, b[4], b[5], b[6], b[7],
                qPrintable(unpacked(card->issue())), qPrintable(unpacked(card->end())));
    if (TakesConstant(card->kind()))
        std::printf("constant=%d\n", b[0]);
    return 0;
}

int setFailure(SimDevice &device, const QStringList &args)
{
    if (args.size() == 1 && args[0] == QLatin1String("readback")) {
        device.failReadback = 1;
        return 0;
    }
    if (args.size() == 1 && args[0] == QLatin1String("kind")) {
        device.failKind = true;
        return 0;
    }
    bool ok = false;
    const int code = args.size() == 2 ? args[1].toInt(&ok) : 0;
    if (!ok || code == 0)
        return usage();
    if (args[0] == QLatin1String("read"))
        device.failRead = code;
    else if (args[0] == QLatin1String("write"))
        device.failWrite = code;
    else if (args[0] == QLatin1String("erase"))
        device.failErase = code;
    else if (args[0] == QLatin1String("written"))
        device.failWritten = code;
    else if (args[0] == QLatin1String("readback"))
        device.failReadAfterWrite = code;
    else
        return usage();
    return 0;
}

int run(SimDevice &device, const QString &command, const QStringList &args)
{
    const auto is = [&](const char *name, qsizetype count) {
        return command == QLatin1String(name) && args.size() == count;
    };
    if (is("blank", 0))
        return device.newBlank() ? 0 : fail("cannot write the state folder");
    if (is("take", 0)) {
        device.onEncoder.clear();
        return 0;
    }
    if (is("put", 1)) {
        if (!device.keptCards().contains(args[0].toUpper()))
            return fail("no such card");
        device.onEncoder = args[0].toUpper();
        return 0;
    }
    if (is("cards", 0)) {
        for (const QString &serial : device.keptCards())
            std::printf("%s%s\n", qPrintable(serial), serial == device.onEncoder ? " (on the encoder)" : "");
        return 0;
    }
    if (is("show", 0))
        return show(device);
    if (is("unplug", 0) || is("plug", 0)) {
        device.plugged = command == QLatin1String("plug");
        return 0;
    }
    if (is("mode", 1) && (args[0] == QLatin1String("kestul") || args[0] == QLatin1String("dusb"))) {
        device.dusb = args[0] == QLatin1String("dusb");
        return 0;
    }
    if (is("model", 1) && (args[0] == QLatin1String("encoder") || args[0] == QLatin1String("collector"))) {
        device.collector = args[0] == QLatin1String("collector");
        return 0;
    }
    if (is("records", 1)) {
        QFile file(args[0]);
        if (!file.open(QIODevice::ReadOnly))
            return fail("cannot read the records file");
        return device.setRecords(QString::fromLatin1(file.readAll())) ? 0 : fail("cannot write the state folder");
    }
    if (command == QLatin1String("fail"))
        return setFailure(device, args);
    if (command == QLatin1String("door"))
        return RunDoor(device, args);
    if (is("doors", 0))
        return ListDoors(device);
    return usage();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    SimDevice device = SimDevice::load();
    const int result = run(device, command, args);
    if (result == 0 && command != QLatin1String("show") && command != QLatin1String("cards") && !device.save())
        return fail("cannot write the state folder");
    return result;
}
