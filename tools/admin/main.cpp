#include "core/consoleport.h"
#include "core/settings.h"
#include "tools/admin/cardcommand.h"
#include "tools/admin/initcommand.h"
#include "tools/admin/resetpasswordcommand.h"
#include "tools/admin/roomscommand.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: zumerak-admin COMMAND\n"
    "  init [--sample] [--force] [--server]   make the delivered database in the current folder\n"
    "                                         (--server: in the catalogue that System.ini names)\n"
    "  rooms [--server]                       print the rooms as the program loads them:\n"
    "                                         BldRoomNo, LockNo, Status, CardCount, Dai\n"
    "  reset-password CODE [--server]         empty the password of operator CODE; the operator\n"
    "                                         sets a new one at the next logon\n"
    "  settings                               print every setting as the program loads it\n"
    "  card read                              read and decode the card on the encoder\n"
    "  card decode HEX                        decode a read buffer without a device\n";

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int printSettings()
{
    LoadServerLogin();
    for (const QString &line : SettingsLines())
        std::printf("%s\n", qPrintable(line));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ConsolePort port(ConsolePort::Answers::FromTerminal);
    SetOperatorPort(&port);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("init")) {
        InitOptions options;
        for (const QString &arg : args) {
            if (arg == QLatin1String("--sample"))
                options.sample = true;
            else if (arg == QLatin1String("--force"))
                options.force = true;
            else if (arg == QLatin1String("--server"))
                options.server = true;
            else
                return usage();
        }
        BuildFlag = options.server ? BuildKind::Server : BuildKind::File;
        LoadSettings();
        return RunInit(options);
    }
    if (command == QLatin1String("rooms")) {
        if (args.size() > 1 || (args.size() == 1 && args.first() != QLatin1String("--server")))
            return usage();
        return RunRooms(!args.isEmpty());
    }
    if (command == QLatin1String("reset-password")) {
        const bool server = args.removeAll(QStringLiteral("--server")) > 0;
        if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
            return usage();
        return RunResetPassword(args.first(), server);
    }
    if (command == QLatin1String("card") && args.size() == 1 && args.first() == QLatin1String("read"))
        return RunCardRead();
    if (command == QLatin1String("card") && args.size() == 2 && args.first() == QLatin1String("decode"))
        return RunCardDecode(args.last());
    if (command == QLatin1String("settings") && args.isEmpty()) {
        LoadSettings();
        return printSettings();
    }
    return usage();
}
