#include "core/consoleport.h"
#include "core/settings.h"
#include "tools/admin/cardcommand.h"
#include "tools/admin/carderasecommand.h"
#include "tools/admin/cardissuecommand.h"
#include "tools/admin/checkincommand.h"
#include "tools/admin/checkoutcommand.h"
#include "tools/admin/guestscommand.h"
#include "tools/admin/initcommand.h"
#include "tools/admin/resetpasswordcommand.h"
#include "tools/admin/reportcommand.h"
#include "tools/admin/roomscommand.h"
#include "tools/admin/roomstatuscommand.h"
#include "tools/admin/uploadcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <functional>

namespace {

const char kUsage[] =
    "usage: zumerak-admin COMMAND [options]\n"
    "  init [--sample] [--force] [--server]   make the delivered database in the current folder\n"
    "                                         (--server: in the catalogue that System.ini names)\n"
    "  rooms [--server]                       print the rooms as the program loads them:\n"
    "                                         BldRoomNo, LockNo, Status, CardCount, Dai\n"
    "  reset-password CODE [--server]         empty the password of operator CODE; the operator\n"
    "                                         sets a new one at the next logon\n"
    "  settings                               print every setting as the program loads it\n"
    "  checkin ROOM --operator CODE [--name NAME] [--out \"yyyy-MM-dd HH:mm\"] [--price AMOUNT]\n"
    "          [--cover|--no-cover] [--yes] [--server]\n"
    "                                         issue a walk-in guest card for ROOM (1-101) on the\n"
    "                                         card on the encoder, as operator CODE; prints CardID=\n"
    "  room-status ROOM STATUS --operator CODE [--memo TEXT] [--yes] [--server]\n"
    "                                         set the status of ROOM (1-101) as operator CODE: VC, OH,\n"
    "                                         TO, VD, OO, OC_WalkIn or OC_Team; --memo only with OO\n"
    "  guests [--server]                      print the current guests: BldRoomNo, Name, Flag,\n"
    "                                         CardID, ComeTime, GoTime\n"
    "  checkout ROOM --operator CODE --name NAME [--yes] [--server]\n"
    "                                         check the guest NAME out of ROOM without card\n"
    "  checkout --card --operator CODE [--server]\n"
    "                                         check out the guest of the card on the encoder and\n"
    "                                         erase the card\n"
    "  card read [--server]                   read and decode the card on the encoder\n"
    "  card decode HEX [--server]             decode a read buffer without a device\n"
    "  card erase --operator CODE [--yes] [--server]\n"
    "                                         erase the card on the encoder (only with --yes)\n"
    "  card issue KIND --operator CODE [--holder NAME] [--memo TEXT] [--building N] [--floor N]\n"
    "          [--group N] [--group-op clear-one|set-one|clear-all|set-all] [--black-card ID]\n"
    "          [--room BLDROOMNO] [--until yyyy-MM-dd] [--start HH:mm] [--end HH:mm]\n"
    "          [--access-bolt|--no-access-bolt] [--cover] [--yes] [--server]\n"
    "                                         issue a staff or lock configuration card on the card\n"
    "                                         on the encoder, as operator CODE; prints CardID=\n"
    "                                         KIND: floor, building, master, emergency, group, record,\n"
    "                                         black-name, check-out, system, room-number, clock,\n"
    "                                         group-number\n"
    "  report cards|guests|opens [--checkin-from T] [--checkin-to T] [--checkout-from T]\n"
    "         [--checkout-to T] [--room TEXT] [--type TEXT] [--operator CODE] [--name TEXT]\n"
    "         [--order TEXT] [--export] [--server]\n"
    "                                         print a report as the reports screen shows it (T is\n"
    "                                         \"yyyy-MM-dd HH:mm\"), or with --export append it to\n"
    "                                         its workbook in Reports/\n"
    "  upload [--yes] [--server]              replace the door openings with the records of the\n"
    "                                         record collector\n"
    "Every command takes --help and --version.\n";

const QCommandLineOption kServer(QStringLiteral("server"),
                                 QStringLiteral("Work on the catalogue of the server that System.ini names."));
const QCommandLineOption kSample(QStringLiteral("sample"), QStringLiteral("Add two buildings with a few floors of rooms."));
const QCommandLineOption kForce(QStringLiteral("force"), QStringLiteral("Replace an existing database."));
const QCommandLineOption kOperator(QStringLiteral("operator"),
                                   QStringLiteral("The operator who issues the card; the rights of its role apply."),
                                   QStringLiteral("CODE"));
const QCommandLineOption kName(QStringLiteral("name"),
                               QStringLiteral("The guest; a current guest of the room gets a further card of the "
                                              "same stay. Without it, a new guest under the room's automatic name."),
                               QStringLiteral("NAME"));
const QCommandLineOption kOut(QStringLiteral("out"),
                              QStringLiteral("The check-out, \"yyyy-MM-dd HH:mm\"; else the guest's, else one day "
                                             "to the check-out time of the settings."),
                              QStringLiteral("TIME"));
const QCommandLineOption kPrice(QStringLiteral("price"), QStringLiteral("The price; else the guest's, else a day's."),
                                QStringLiteral("AMOUNT"));
const QCommandLineOption kCover(QStringLiteral("cover"),
                                QStringLiteral("Earlier cards of the room stop opening it (the default for a vacant "
                                               "or reserved room)."));
const QCommandLineOption kNoCover(QStringLiteral("no-cover"), QStringLiteral("Earlier cards of the room keep working."));
const QCommandLineOption kLeavingName(QStringLiteral("name"), QStringLiteral("The current guest of ROOM who leaves."),
                                      QStringLiteral("NAME"));
const QCommandLineOption kCard(QStringLiteral("card"),
                               QStringLiteral("Check out the guest of the card lying on the encoder, and erase it."));
const QCommandLineOption kStatusOperator(QStringLiteral("operator"),
                                         QStringLiteral("The operator who sets the status; the rights of its role "
                                                        "apply."),
                                         QStringLiteral("CODE"));
const QCommandLineOption kMemo(QStringLiteral("memo"),
                               QStringLiteral("With OO: what is being repaired, the room's memo (at most 100 "
                                              "characters)."),
                               QStringLiteral("TEXT"));
const QCommandLineOption kYes(QStringLiteral("yes"),
                              QStringLiteral("Answer OK to the questions; without it they are answered Cancel."));

// One command: its name, the arguments that follow its options (as its usage
// line shows them, then each with what it is), what it does, its options, and
// the work, given the parsed command line. run returns the exit code, or
// nullopt when the arguments do not fit.
struct Command {
    QString name;
    QString arguments;
    QList<QPair<QString, QString>> argumentsHelp;
    QString description;
    QList<QCommandLineOption> options;
    std::function<std::optional<int>(const QCommandLineParser &)> run;
};

std::optional<int> runInit(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return std::nullopt;
    InitOptions options;
    options.sample = parser.isSet(kSample);
    options.force = parser.isSet(kForce);
    options.server = parser.isSet(kServer);
    BuildFlag = options.server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    return RunInit(options);
}

std::optional<int> runSettings(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return std::nullopt;
    const bool loaded = LoadSettings();
    LoadServerLogin();
    for (const QString &line : SettingsLines())
        std::printf("%s\n", qPrintable(line));
    return loaded ? 0 : 1;
}

std::optional<int> runRooms(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return std::nullopt;
    return RunRooms(parser.isSet(kServer));
}

std::optional<int> runResetPassword(const QCommandLineParser &parser)
{
    if (parser.positionalArguments().size() != 1)
        return std::nullopt;
    return RunResetPassword(parser.positionalArguments().first(), parser.isSet(kServer));
}

int usageError(const QString &message, const QString &command = QString());

std::optional<int> runCard(const QCommandLineParser &parser)
{
    const QStringList args = parser.positionalArguments();
    const QString card = QStringLiteral("card");
    if (args.size() == 2 && args.first() == QLatin1String("issue"))
        return RunCardIssue(parser, args.last(), [&card](const QString &message) { return usageError(message, card); });
    if (args == QStringList{QStringLiteral("erase")}) {
        const QString code = parser.value(QStringLiteral("operator"));
        if (code.isEmpty())
            return usageError(QStringLiteral("--operator CODE is required"), card);
        const bool yes = parser.isSet(QStringLiteral("yes"));
        if (AnyCardIssueOption(parser, {QStringLiteral("operator"), QStringLiteral("yes")}))
            return usageError(QStringLiteral("card erase takes only --operator, --yes and --server"), card);
        return RunCardErase(code, yes, parser.isSet(kServer));
    }
    if (AnyCardIssueOption(parser))
        return usageError(QStringLiteral("only card issue and card erase take these options"), card);
    if (args == QStringList{QStringLiteral("read")})
        return RunCardRead(parser.isSet(kServer));
    if (args.size() == 2 && args.first() == QLatin1String("decode"))
        return RunCardDecode(args.last(), parser.isSet(kServer));
    return std::nullopt;
}

std::optional<int> runCheckIn(const QCommandLineParser &parser)
{
    if (parser.positionalArguments().size() != 1)
        return std::nullopt;
    const QString checkin = QStringLiteral("checkin");
    CheckInOptions options;
    options.room = parser.positionalArguments().first();
    options.operatorCode = parser.value(kOperator);
    if (options.operatorCode.isEmpty())
        return usageError(QStringLiteral("--operator CODE is required"), checkin);
    options.name = parser.value(kName).trimmed();
    if (parser.isSet(kOut)) {
        const QDateTime out = QDateTime::fromString(parser.value(kOut), QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!out.isValid())
            return usageError(QStringLiteral("--out expects \"yyyy-MM-dd HH:mm\""), checkin);
        options.out = out;
    }
    if (parser.isSet(kPrice)) {
        options.price = Currency::parse(parser.value(kPrice));
        if (!options.price || *options.price < Currency())
            return usageError(QStringLiteral("--price expects an amount with at most four decimals"), checkin);
    }
    if (parser.isSet(kCover) && parser.isSet(kNoCover))
        return usageError(QStringLiteral("--cover and --no-cover exclude each other"), checkin);
    if (parser.isSet(kCover) || parser.isSet(kNoCover))
        options.cover = parser.isSet(kCover);
    options.yes = parser.isSet(kYes);
    options.server = parser.isSet(kServer);
    return RunCheckIn(options);
}

std::optional<int> runCheckOut(const QCommandLineParser &parser)
{
    const QString checkout = QStringLiteral("checkout");
    CheckOutOptions options;
    options.withCard = parser.isSet(kCard);
    if (parser.positionalArguments().size() != (options.withCard ? 0 : 1))
        return std::nullopt;
    options.operatorCode = parser.value(kOperator);
    if (options.operatorCode.isEmpty())
        return usageError(QStringLiteral("--operator CODE is required"), checkout);
    if (options.withCard && (parser.isSet(kLeavingName) || parser.isSet(kYes)))
        return usageError(QStringLiteral("--card takes neither --name nor --yes"), checkout);
    if (!options.withCard) {
        options.room = parser.positionalArguments().first();
        options.name = parser.value(kLeavingName).trimmed();
        if (options.name.isEmpty())
            return usageError(QStringLiteral("--name NAME is required"), checkout);
    }
    options.yes = parser.isSet(kYes);
    options.server = parser.isSet(kServer);
    return RunCheckOut(options);
}

std::optional<int> runRoomStatus(const QCommandLineParser &parser)
{
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        return std::nullopt;
    const QString command = QStringLiteral("room-status");
    RoomStatusOptions options;
    options.room = args[0];
    const std::optional<RoomStatus> status = SettableStatus(args[1]);
    if (!status)
        return usageError(QStringLiteral("STATUS is one of VC, OH, TO, VD, OO, OC_WalkIn, OC_Team, not '%1'")
                              .arg(args[1]),
                          command);
    options.status = *status;
    options.operatorCode = parser.value(kStatusOperator);
    if (options.operatorCode.isEmpty())
        return usageError(QStringLiteral("--operator CODE is required"), command);
    if (parser.isSet(kMemo) && options.status != RoomStatus::OO)
        return usageError(QStringLiteral("--memo is only for OO"), command);
    options.memo = parser.value(kMemo);
    options.yes = parser.isSet(kYes);
    options.server = parser.isSet(kServer);
    return RunRoomStatus(options);
}

std::optional<int> runGuests(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return std::nullopt;
    return RunGuests(parser.isSet(kServer));
}

const QCommandLineOption kCheckInFrom(QStringLiteral("checkin-from"),
                                     QStringLiteral("Issued (cards) or came (guests) at or after T."), QStringLiteral("T"));
const QCommandLineOption kCheckInTo(QStringLiteral("checkin-to"),
                                   QStringLiteral("Issued (cards) or came (guests) at or before T."), QStringLiteral("T"));
const QCommandLineOption kCheckOutFrom(QStringLiteral("checkout-from"),
                                      QStringLiteral("Ending (cards) or leaving (guests) at or after T."),
                                      QStringLiteral("T"));
const QCommandLineOption kCheckOutTo(QStringLiteral("checkout-to"),
                                    QStringLiteral("Ending (cards) or leaving (guests) at or before T."),
                                    QStringLiteral("T"));
const QCommandLineOption kReportRoom(QStringLiteral("room"), QStringLiteral("Rooms whose name contains TEXT."),
                                     QStringLiteral("TEXT"));
const QCommandLineOption kReportType(QStringLiteral("type"),
                                     QStringLiteral("A card kind (cards) or stay flag (guests) as the list shows it."),
                                     QStringLiteral("TEXT"));
const QCommandLineOption kReportOperator(QStringLiteral("operator"), QStringLiteral("Cards issued by CODE."),
                                         QStringLiteral("CODE"));
const QCommandLineOption kReportName(QStringLiteral("name"), QStringLiteral("Guests whose name contains TEXT."),
                                     QStringLiteral("TEXT"));
const QCommandLineOption kReportOrder(QStringLiteral("order"),
                                      QStringLiteral("An entry of the order list (guests: room, check-in or check-out)."),
                                      QStringLiteral("TEXT"));
const QCommandLineOption kExport(QStringLiteral("export"), QStringLiteral("Append the report to its workbook."));

std::optional<int> runReport(const QCommandLineParser &parser)
{
    if (parser.positionalArguments().size() != 1)
        return std::nullopt;
    const QString report = QStringLiteral("report");
    ReportCommandOptions options;
    options.kind = parser.positionalArguments().first();
    const struct {
        const QCommandLineOption &option;
        std::optional<QDateTime> &value;
    } times[] = {{kCheckInFrom, options.checkInFrom},
                 {kCheckInTo, options.checkInTo},
                 {kCheckOutFrom, options.checkOutFrom},
                 {kCheckOutTo, options.checkOutTo}};
    for (const auto &time : times) {
        if (!parser.isSet(time.option))
            continue;
        const QDateTime value = QDateTime::fromString(parser.value(time.option), QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!value.isValid())
            return usageError(QStringLiteral("--%1 expects \"yyyy-MM-dd HH:mm\"").arg(time.option.names().first()),
                              report);
        time.value = value;
    }
    const struct {
        const QCommandLineOption &option;
        std::optional<QString> &value;
    } texts[] = {{kReportRoom, options.room},
                 {kReportType, options.type},
                 {kReportOperator, options.gongHao},
                 {kReportName, options.name},
                 {kReportOrder, options.order}};
    for (const auto &text : texts) {
        if (parser.isSet(text.option))
            text.value = parser.value(text.option);
    }
    options.exportReport = parser.isSet(kExport);
    options.server = parser.isSet(kServer);
    return RunReport(options);
}

std::optional<int> runUpload(const QCommandLineParser &parser)
{
    if (!parser.positionalArguments().isEmpty())
        return std::nullopt;
    return RunUpload(parser.isSet(kYes), parser.isSet(kServer));
}

const QList<Command> &commands()
{
    static const QList<Command> all = {
        {QStringLiteral("init"), QString(), {},
         QStringLiteral("Make the delivered database: Zumerak.MDB in the current folder, or with --server the "
                        "catalogue Zumerak. An existing database is kept unless --force."),
         {kSample, kForce, kServer}, runInit},
        {QStringLiteral("settings"), QString(), {},
         QStringLiteral("Print every setting as the program loads it, one SECTION.Key=value line each."), {},
         runSettings},
        {QStringLiteral("rooms"), QString(), {},
         QStringLiteral("Print the rooms as the program loads them: BldRoomNo, LockNo, Status, CardCount and Dai, "
                        "separated by tabs."),
         {kServer}, runRooms},
        {QStringLiteral("reset-password"), QStringLiteral("CODE"), {{QStringLiteral("CODE"), QStringLiteral("The operator's code.")}},
         QStringLiteral("Empty the password of operator CODE; the operator sets a new one at the next logon."),
         {kServer}, runResetPassword},
        {QStringLiteral("card"), QStringLiteral("read | decode HEX | issue KIND | erase"),
         {{QStringLiteral("read"), QStringLiteral("Read the card on the encoder.")},
          {QStringLiteral("decode HEX"), QStringLiteral("Decode the read buffer HEX.")},
          {QStringLiteral("issue KIND"),
           QStringLiteral("Issue a card of KIND: floor, building, master, emergency, group, record, black-name, "
                          "check-out, system, room-number, clock or group-number.")},
          {QStringLiteral("erase"), QStringLiteral("Erase the card on the encoder as operator --operator; only with "
                                                   "--yes, which answers the question OK.")}},
         QStringLiteral("Read the card on the encoder, or decode a read buffer without a device, and print its "
                        "fields as field=value lines; issue a staff or lock configuration card on the card "
                        "lying on the encoder with the screens' defaults, printing CardID=<id> (boxes on stderr); "
                        "or erase the card on the encoder."),
         QList<QCommandLineOption>{kServer} + CardIssueOptions(), runCard},
        {QStringLiteral("checkin"), QStringLiteral("ROOM"), {{QStringLiteral("ROOM"), QStringLiteral("The room, as 1-101.")}},
         QStringLiteral("Check a guest in at ROOM and issue the guest card on the card lying on the encoder, with the "
                        "front desk's defaults. Prints CardID=<id>; the boxes go to stderr."),
         {kOperator, kName, kOut, kPrice, kCover, kNoCover, kYes, kServer}, runCheckIn},
        {QStringLiteral("checkout"), QStringLiteral("ROOM | --card"),
         {{QStringLiteral("ROOM"), QStringLiteral("The room, as 1-101, that the guest --name leaves without card.")}},
         QStringLiteral("Check a guest out: without card the current guest NAME of ROOM (asked, answered Yes only "
                        "with --yes), or with --card the guest of the card lying on the encoder, whose card is "
                        "read again and erased. The boxes go to stderr."),
         {kOperator, kLeavingName, kCard, kYes, kServer}, runCheckOut},
        {QStringLiteral("room-status"), QStringLiteral("ROOM STATUS"),
         {{QStringLiteral("ROOM"), QStringLiteral("The room, as 1-101.")},
          {QStringLiteral("STATUS"), QStringLiteral("VC, OH, TO, VD, OO, OC_WalkIn or OC_Team.")}},
         QStringLiteral("Set the status of ROOM as the front desk's status setting does. VC also empties the room's "
                        "cards, memo and planned check-out; its guests stay. Prints Status=<text>; the boxes go to "
                        "stderr."),
         {kStatusOperator, kMemo, kYes, kServer}, runRoomStatus},
        {QStringLiteral("guests"), QString(), {},
         QStringLiteral("Print the current guests of every room: BldRoomNo, Name, Flag, CardID, ComeTime and GoTime, "
                        "separated by tabs, ordered by room and stay."),
         {kServer}, runGuests},
        {QStringLiteral("report"), QStringLiteral("cards|guests|opens"),
         {{QStringLiteral("cards|guests|opens"), QStringLiteral("The report of cards issued, guest stays or door openings.")}},
         QStringLiteral("Print a report as the reports screen builds it, with the screen's default filters unless "
                        "options give others: the header row first, one line per row, cells separated by tabs, the "
                        "mark column first. With --export append it to its workbook in Reports/ instead."),
         {kCheckInFrom, kCheckInTo, kCheckOutFrom, kCheckOutTo, kReportRoom, kReportType, kReportOperator, kReportName,
          kReportOrder, kExport, kServer},
         runReport},
        {QStringLiteral("upload"), QString(), {},
         QStringLiteral("Replace the door openings with the records of the record collector on the encoder port; the "
                        "two questions are answered OK only with --yes."),
         {kYes, kServer}, runUpload},
    };
    return all;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

// A command line that does not fit: what is wrong and where to look, exit 2.
int usageError(const QString &message, const QString &command)
{
    const QString prefix = QStringLiteral("zumerak-admin") + (command.isEmpty() ? QString() : u' ' + command);
    std::fprintf(stderr, "%s: %s\n", qPrintable(prefix), qPrintable(message));
    std::fprintf(stderr, "Try '%s --help'.\n", qPrintable(prefix));
    return 2;
}

// -h and --help; Qt's own adds --help-all, which would show Qt's options that
// this tool does not take.
QCommandLineOption addHelpOption(QCommandLineParser &parser)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    return help;
}

int showVersion()
{
    std::printf("zumerak-admin %s\n", qPrintable(QCoreApplication::applicationVersion()));
    return 0;
}

// Qt's help text with our own usage line in place of its first line.
int showCommandHelp(const Command &command, const QCommandLineParser &parser)
{
    QString help = parser.helpText();
    help.remove(0, help.indexOf(u'\n'));
    QString usage = QStringLiteral("usage: zumerak-admin ") + command.name + QStringLiteral(" [options]");
    if (!command.arguments.isEmpty())
        usage += u' ' + command.arguments;
    std::printf("%s%s", qPrintable(usage), qPrintable(help));
    return 0;
}

int runCommand(const Command &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.description);
    const QCommandLineOption help = addHelpOption(parser);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions(command.options);
    for (const auto &[argument, help] : command.argumentsHelp)
        parser.addPositionalArgument(argument, help);
    if (!parser.parse(QStringList{QCoreApplication::applicationName()} + arguments))
        return usageError(parser.errorText(), command.name);
    if (parser.isSet(help))
        return showCommandHelp(command, parser);
    if (parser.isSet(version))
        return showVersion();
    if (const std::optional<int> status = command.run(parser))
        return *status;
    return usageError(command.arguments.isEmpty()
                          ? QStringLiteral("takes no arguments")
                          : QStringLiteral("expects %1 after its options").arg(command.arguments),
                      command.name);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zumerak-admin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZUMERAK_VERSION));
    ConsolePort port(ConsolePort::Answers::FromTerminal);
    SetOperatorPort(&port);

    // The command comes first; everything after it is the command's own.
    QCommandLineParser parser;
    const QCommandLineOption help = addHelpOption(parser);
    const QCommandLineOption version = parser.addVersionOption();
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addPositionalArgument(QStringLiteral("command"), QString());
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(version))
        return showVersion();
    if (parser.isSet(help)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString name = arguments.takeFirst();
    const Command *command = findCommand(name);
    if (!command)
        return usageError(QStringLiteral("unknown command '%1'").arg(name));
    return runCommand(*command, arguments);
}
