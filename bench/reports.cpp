// The reports at the scale of a large property: the cards report over a card
// register of 200,000 guest and staff cards and the guests report over
// 100,000 stays, each against the bare SELECT and decoding of the same rows,
// with the memory the process holds afterwards; and an export of 10,000 rows
// into a workbook that already holds 50,000; on SQLite and (when
// ZUMERAK_TEST_PGHOST names a server) on PostgreSQL. Targets: at most 3 times
// the bare figure, under 300 MB, and under 3 s for the export.

#include "bench/largeproperty.h"
#include "core/records.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/reports/reportexport.h"
#include "screens/reports/reportrows.h"
#include "screens/reports/reportstexts.h"
#include "screens/reports/workbook.h"
#include "store/cardregister.h"
#include "store/connection.h"
#include "store/rooms.h"
#include "support/testworld.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdio>

namespace {

constexpr int kRuns = 3;
constexpr int kWorkbookRows = 50000;
constexpr int kExportRows = 10000;

QString packed(const QDateTime &t)
{
    const int value = ((t.date().year() - 2014) << 20) | (t.date().month() << 16) | (t.date().day() << 11) |
                      (t.time().hour() << 6) | t.time().minute();
    return QStringLiteral("%1").arg(value, 6, 16, QLatin1Char('0')).toUpper();
}

// The generated register holds numbers, not cards: it is replaced by guest
// cards of the property's rooms and a master card in every tenth row, issued
// over the last months.
bool realisticCards()
{
    QSqlDatabase db = Db();
    db.transaction();
    QSqlQuery(db).exec(QStringLiteral("DELETE FROM CardInfo"));
    QSqlQuery card(db);
    card.prepare(QStringLiteral("INSERT INTO CardInfo VALUES(:a,:b,'Guest','0001','','Issued')"));
    const QDateTime start(QDate(2026, 1, 1), QTime(14, 0));
    for (int id = 1; id <= kCards; ++id) {
        const TRoomInfo &room = aryRoom[id % aryRoom.size()];
        const int kind = id % 10 == 0 ? 11 : 6;
        const QDateTime issued = start.addSecs(id * 60);
        const QString data = QStringLiteral("1122334400%1%2%3").arg(room.RomID, 2, 16, QLatin1Char('0'))
                                 .arg(room.FlrNo, 2, 16, QLatin1Char('0')).arg(room.BldNo, 2, 16, QLatin1Char('0'))
                                 .toUpper() +
                             QStringLiteral("00") + QString::number(kind, 16).toUpper() + QStringLiteral("1") +
                             packed(issued) + packed(issued.addDays(2));
        card.bindValue(QStringLiteral(":a"), id);
        card.bindValue(QStringLiteral(":b"), data);
        if (!card.exec())
            return false;
    }
    return db.commit();
}

// The same statement through the same driver, every value fetched and the
// card times decoded, nothing kept.
void bareCards()
{
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT * FROM CardInfo ORDER BY ID DESC"));
    const int columns = query.record().count();
    qint64 touched = 0;
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            touched += query.value(i).isValid();
        const QString data = query.value(1).toString();
        touched += DecodeCardTime(false, data.mid(20, 6)).isValid() + DecodeCardTime(false, data.mid(26, 6)).isValid();
    }
    if (touched == 0)
        std::fprintf(stderr, "no cards read\n");
}

void bareGuests(const ReportFilters &f)
{
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT * FROM GuestInfo WHERE ( (ComeTime>=:a) AND (ComeTime<=:b) AND (GoTime>=:c)"
                                 " AND (GoTime<=:d)) ORDER BY ID DESC"));
    query.bindValue(QStringLiteral(":a"), f.checkInFrom);
    query.bindValue(QStringLiteral(":b"), f.checkInTo);
    query.bindValue(QStringLiteral(":c"), f.checkOutFrom);
    query.bindValue(QStringLiteral(":d"), f.checkOutTo);
    query.exec();
    const int columns = query.record().count();
    qint64 touched = 0;
    while (query.next()) {
        for (int i = 0; i < columns; ++i)
            touched += query.value(i).isValid();
        touched += DateTimeFromSql(query.value(6)).isValid() + DateTimeFromSql(query.value(7)).isValid();
    }
    if (touched == 0)
        std::fprintf(stderr, "no stays read\n");
}

// Resident memory of the process in MB.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void compare(const char *name, const std::function<void()> &bare, ReportKind kind, const ReportsTexts &texts,
             const ReportFilters &filters)
{
    std::vector<double> bareTimes;
    std::vector<double> reportTimes;
    qsizetype rows = 0;
    double memory = 0;
    for (int run = 0; run < kRuns; ++run) {
        bareTimes.push_back(milliseconds(bare));
        ReportTable table;
        reportTimes.push_back(milliseconds([&] { BuildReport(kind, texts, filters, &table); }));
        rows = table.rows.size();
        memory = std::max(memory, residentMb());
    }
    const double b = spread(bareTimes).median;
    const double r = spread(reportTimes).median;
    std::printf("  %-14s bare %.0f ms, report %.0f ms (%lld rows), ratio %.2f, resident %.0f MB\n", name, b, r,
                static_cast<long long>(rows), r / b, memory);
}

void exportInto(const ReportsTexts &texts)
{
    QString error;
    if (!CreateMissingReportWorkbooks(&error)) {
        std::fprintf(stderr, "cannot make the workbooks: %s\n", qPrintable(error));
        return;
    }
    const QStringList cells = {QStringLiteral("Guest 1"), QStringLiteral("1-101"), QStringLiteral("2026-12-01 14:00:00"),
                               QStringLiteral("2026-12-03 12:00:00"), QStringLiteral("Walk In"), QString(),
                               QStringLiteral("F"), QStringLiteral("ID"), QStringLiteral("C1234567"),
                               QStringLiteral("288"), QStringLiteral("100"), QStringLiteral("61000001"),
                               QStringLiteral("12345")};
    int first = 0;
    QList<QStringList> existing(kWorkbookRows, cells);
    if (!AppendToWorkbook(ReportWorkbookPath(ReportKind::Guests), existing, &first, &error)) {
        std::fprintf(stderr, "cannot fill the workbook: %s\n", qPrintable(error));
        return;
    }
    ReportTable table;
    table.kind = ReportKind::Guests;
    table.headers = QStringList{QString()} + cells;
    table.rows = QList<QStringList>(kExportRows, QStringList{QString()} + cells);
    const double ms = milliseconds([&] { ExportReport(texts, table, texts.GuestsReport, QString()); });
    std::printf("  export of %d rows into a workbook of %d rows: %.0f ms\n", kExportRows, kWorkbookRows, ms);
}

void measure(Engine engine)
{
    TestWorld world;
    if (!world.deliverDatabase(engine) || !generate() || !LoadAryRoom() || !realisticCards()) {
        std::fprintf(stderr, "cannot generate the property\n");
        return;
    }
    curMenu = QStringLiteral("Reports");
    const ReportsTexts texts = ReadReportsTexts();
    ReportFilters everything = DefaultReportFilters(texts, QDateTime::currentDateTime());
    everything.checkInFrom = everything.checkOutFrom = QDateTime(QDate(2009, 1, 1), QTime(0, 0));
    everything.checkInTo = everything.checkOutTo = QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59));
    std::printf("%s: %d rooms, %d cards, %d stays\n", engine == Engine::SQLite ? "SQLite" : "PostgreSQL", lenAryRoom,
                kCards, kStays);
    compare("cards report", bareCards, ReportKind::Cards, texts, everything);
    compare("guests report", [&] { bareGuests(everything); }, ReportKind::Guests, texts, everything);
    exportInto(texts);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    MeasureOnEachEngine(measure);
    return 0;
}
