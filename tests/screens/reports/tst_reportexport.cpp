#include "core/settings.h"
#include "core/state.h"
#include "screens/reports/reportexport.h"
#include "screens/reports/reportstexts.h"
#include "screens/reports/workbook.h"
#include "support/testworld.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

// The export into a report's workbook, read back with an independent reader
// (openpyxl) cell by cell.
class TestReportExport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_world.reset(); }
    void appendsBlocks();
    void exportsNothingWithoutRows();
    void missingWorkbook();
    void brokenWorkbookStaysAsItWas_data();
    void brokenWorkbookStaysAsItWas();
    void keepsWhatAPersonAdded();

private:
    std::optional<TestWorld> m_world;
    ReportsTexts m_texts;
};

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(10, 0, 5));

ReportTable sampleTable()
{
    ReportTable table;
    table.kind = ReportKind::Guests;
    table.headers = {QString(), QStringLiteral("Name"), QStringLiteral("Room No."), QStringLiteral("Price")};
    table.rows = {{QStringLiteral("x"), QStringLiteral("Anna <&> Ünal"), QStringLiteral("1-101"), QString()},
                  {QString(), QStringLiteral("Bo"), QStringLiteral("1-102"), QStringLiteral("288")}};
    return table;
}

// Runs the system's python3 (where the distribution's openpyxl lives) with the
// script and the arguments; its standard output.
QByteArray python(const QString &script, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning().noquote() << process.readAllStandardError();
    return process.readAllStandardOutput();
}

// The sheets of a workbook as openpyxl reads them: each sheet's name and its
// rows, empty cells as empty texts.
QJsonArray readBack(const QString &path)
{
    const QString script = QStringLiteral(
        "import json, sys, openpyxl\n"
        "wb = openpyxl.load_workbook(sys.argv[1])\n"
        "out = []\n"
        "for ws in wb.worksheets:\n"
        "    rows = [['' if c is None else str(c) for c in r] for r in ws.iter_rows(values_only=True)]\n"
        "    bold = [c.coordinate for r in ws.iter_rows() for c in r if c.font and c.font.b]\n"
        "    out.append({'name': ws.title, 'rows': rows, 'bold': bold})\n"
        "print(json.dumps(out))\n");
    return QJsonDocument::fromJson(python(script, {path})).array();
}

QStringList rowOf(const QJsonArray &sheet, int row)
{
    QStringList cells;
    for (const QJsonValue &cell : sheet.at(row - 1).toArray())
        cells.append(cell.toString());
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

} // namespace

void TestReportExport::init()
{
    m_world.emplace(WorldOptions{.clock = true});
    m_world->clock->set(kNow);
    m_texts = ReadReportsTexts();
    QString error;
    QVERIFY2(CreateMissingReportWorkbooks(&error), qPrintable(error));
}

void TestReportExport::appendsBlocks()
{
    const ReportTable table = sampleTable();
    const std::optional<ExportRange> first = ExportReport(m_texts, table, QStringLiteral("Report of Guests"), {});
    QVERIFY(first);
    QCOMPARE(first->first, 1);
    QCOMPARE(first->last, 4);
    const std::optional<ExportRange> second =
        ExportReport(m_texts, table, QStringLiteral("Report of Guests"), QStringLiteral("1-101"));
    QVERIFY(second);
    QCOMPARE(second->first, 6);
    QCOMPARE(second->last, 9);
    const QString path = ReportWorkbookPath(ReportKind::Guests);
    QCOMPARE(m_world->port.captions(), (QStringList{QStringLiteral("N9059"), QStringLiteral("N9059")}));
    QCOMPARE(m_world->port.boxes().last().text,
             QStringLiteral("\nExport Success\n\nReport of Guests\n\n") + path + QStringLiteral("\n\nExcel Row:  6 --> 9"));

    const QJsonArray sheet = readBack(path).at(0).toObject().value(QStringLiteral("rows")).toArray();
    QCOMPARE(sheet.size(), 9);
    const QStringList title = {QStringLiteral("Report of Guests, Time of export:  2026-12-10 10:00:05")};
    const QStringList header = {QStringLiteral("Name"), QStringLiteral("Room No."), QStringLiteral("Price")};
    const QStringList anna = {QStringLiteral("Anna <&> Ünal"), QStringLiteral("1-101")};
    const QStringList bo = {QStringLiteral("Bo"), QStringLiteral("1-102"), QStringLiteral("288")};
    QCOMPARE(rowOf(sheet, 1), title);
    QCOMPARE(rowOf(sheet, 2), header);
    QCOMPARE(rowOf(sheet, 3), anna);
    QCOMPARE(rowOf(sheet, 4), bo);
    QCOMPARE(rowOf(sheet, 5), QStringList());
    QCOMPARE(rowOf(sheet, 6), QStringList{QStringLiteral("Room No.:  1-101, ") + title.first()});
    QCOMPARE(rowOf(sheet, 9), bo);
}

void TestReportExport::exportsNothingWithoutRows()
{
    ReportTable table = sampleTable();
    table.rows.clear();
    const QString path = ReportWorkbookPath(ReportKind::Guests);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(!ExportReport(m_texts, table, QStringLiteral("Report of Guests"), {}));
    QVERIFY(m_world->port.boxes().isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestReportExport::missingWorkbook()
{
    const QString path = ReportWorkbookPath(ReportKind::Guests);
    QVERIFY(QFile::remove(path));
    QVERIFY(!ExportReport(m_texts, sampleTable(), QStringLiteral("Report of Guests"), {}));
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("E0049")});
    QCOMPARE(m_world->port.boxes().first().text, QStringLiteral("File not exist\n") + path);
}

void TestReportExport::brokenWorkbookStaysAsItWas_data()
{
    QTest::addColumn<QByteArray>("script");
    // A zip whose workbook names a sheet part that is not there, and one whose
    // sheet is not XML.
    QTest::newRow("sheet part missing") << QByteArray(
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "parts = {n: z.read(n) for n in z.namelist() if not n.endswith('sheet1.xml')}\n"
        "z.close()\n"
        "with zipfile.ZipFile(sys.argv[1], 'w') as out:\n"
        "    for n, d in parts.items(): out.writestr(n, d)\n");
    QTest::newRow("sheet not XML") << QByteArray(
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "parts = {n: z.read(n) for n in z.namelist()}\n"
        "z.close()\n"
        "parts['xl/worksheets/sheet1.xml'] = b'<worksheet><sheetData>'\n"
        "with zipfile.ZipFile(sys.argv[1], 'w') as out:\n"
        "    for n, d in parts.items(): out.writestr(n, d)\n");
    QTest::newRow("not a zip") << QByteArray("import sys\nopen(sys.argv[1], 'wb').write(b'PK no zip')\n");
}

void TestReportExport::brokenWorkbookStaysAsItWas()
{
    QFETCH(QByteArray, script);
    const QString path = ReportWorkbookPath(ReportKind::Guests);
    python(QString::fromUtf8(script), {path});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(!ExportReport(m_texts, sampleTable(), QStringLiteral("Report of Guests"), {}));
    QCOMPARE(m_world->port.captions(), QStringList{QStringLiteral("E0048")});
    QVERIFY(m_world->port.boxes().first().text.startsWith(QStringLiteral("Open Excel Failure")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), 3);
}

void TestReportExport::keepsWhatAPersonAdded()
{
    const QString path = ReportWorkbookPath(ReportKind::Cards);
    // Made by another program: shared strings, a bold cell, a number, a
    // second sheet, a few rows of its own.
    python(QStringLiteral("import sys, openpyxl\n"
                          "from openpyxl.styles import Font\n"
                          "wb = openpyxl.Workbook()\n"
                          "ws = wb.active\n"
                          "ws.title = 'Log'\n"
                          "ws['A1'] = 'Cards we keep'\n"
                          "ws['A1'].font = Font(bold=True)\n"
                          "ws['A2'] = 'count'\n"
                          "ws['B2'] = 42\n"
                          "wb.create_sheet('Notes')['C3'] = 'keep me'\n"
                          "wb.save(sys.argv[1])\n"),
           {path});
    ReportTable table = sampleTable();
    table.kind = ReportKind::Cards;
    const std::optional<ExportRange> range = ExportReport(m_texts, table, QStringLiteral("Report of Cards"), {});
    QVERIFY(range);
    QCOMPARE(range->first, 4);
    const QJsonArray sheets = readBack(path);
    QCOMPARE(sheets.size(), 2);
    const QJsonObject log = sheets.at(0).toObject();
    QCOMPARE(log.value(QStringLiteral("name")).toString(), QStringLiteral("Log"));
    QCOMPARE(log.value(QStringLiteral("bold")).toArray(), QJsonArray{QStringLiteral("A1")});
    const QJsonArray rows = log.value(QStringLiteral("rows")).toArray();
    QCOMPARE(rowOf(rows, 1), QStringList{QStringLiteral("Cards we keep")});
    QCOMPARE(rowOf(rows, 2), (QStringList{QStringLiteral("count"), QStringLiteral("42")}));
    QCOMPARE(rowOf(rows, 3), QStringList());
    QCOMPARE(rowOf(rows, 5), (QStringList{QStringLiteral("Name"), QStringLiteral("Room No."), QStringLiteral("Price")}));
    QCOMPARE(rowOf(sheets.at(1).toObject().value(QStringLiteral("rows")).toArray(), 3),
             (QStringList{QString(), QString(), QStringLiteral("keep me")}));
}

QTEST_GUILESS_MAIN(TestReportExport)
#include "tst_reportexport.moc"
