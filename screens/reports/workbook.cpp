#include "screens/reports/workbook.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

const QString kMainNamespace = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QString kRelationsNamespace =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

struct ZipCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

std::optional<QByteArray> readEntry(zip_t *archive, const QString &name)
{
    zip_stat_t stat;
    const QByteArray entry = name.toUtf8();
    if (zip_stat(archive, entry.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    zip_file_t *file = zip_fopen(archive, entry.constData(), 0);
    if (!file)
        return std::nullopt;
    QByteArray data(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    if (read != static_cast<zip_int64_t>(stat.size))
        return std::nullopt;
    return data;
}

// The folder part of a part name ("xl/workbook.xml" -> "xl/").
QString folderOf(const QString &part)
{
    return part.left(part.lastIndexOf(u'/') + 1);
}

// A relationship target as a part name: relative to the source's folder, or
// from the package root when it begins with "/".
QString resolve(const QString &folder, const QString &target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    QStringList parts = (folder + target).split(u'/');
    QStringList out;
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            out.removeLast();
        else if (part != QLatin1String("."))
            out.append(part);
    }
    return out.join(u'/');
}

// The target of the relationship with id (or, with an empty id, of the given
// type's ending) in a .rels part.
QString relationTarget(const QByteArray &rels, const QString &id, const QString &typeEnding)
{
    QXmlStreamReader xml(rels);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if ((!id.isEmpty() && a.value(QLatin1String("Id")) == id) ||
            (id.isEmpty() && a.value(QLatin1String("Type")).endsWith(typeEnding)))
            return a.value(QLatin1String("Target")).toString();
    }
    return QString();
}

// The part name of the first worksheet.
std::optional<QString> firstSheetPart(zip_t *archive)
{
    const std::optional<QByteArray> rootRels = readEntry(archive, QStringLiteral("_rels/.rels"));
    if (!rootRels)
        return std::nullopt;
    const QString workbook = resolve(QString(), relationTarget(*rootRels, QString(), QStringLiteral("/officeDocument")));
    const std::optional<QByteArray> book = readEntry(archive, workbook);
    const std::optional<QByteArray> bookRels =
        readEntry(archive, folderOf(workbook) + QStringLiteral("_rels/") + workbook.mid(workbook.lastIndexOf(u'/') + 1) +
                               QStringLiteral(".rels"));
    if (!book || !bookRels)
        return std::nullopt;
    QXmlStreamReader xml(*book);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("sheet")) {
            const QString id = xml.attributes().value(kRelationsNamespace, QLatin1String("id")).toString();
            const QString target = relationTarget(*bookRels, id, QString());
            if (id.isEmpty() || target.isEmpty())
                return std::nullopt;
            return resolve(folderOf(workbook), target);
        }
    }
    return std::nullopt;
}

// "B12" -> column 2, row 12; nullopt when it is no cell reference.
std::optional<std::pair<int, int>> cellReference(QStringView ref)
{
    int column = 0;
    qsizetype i = 0;
    while (i < ref.size() && ref[i].isLetter()) {
        column = column * 26 + (ref[i].toUpper().unicode() - u'A' + 1);
        ++i;
    }
    bool ok = false;
    const int row = ref.mid(i).toInt(&ok);
    if (column == 0 || !ok || row < 1)
        return std::nullopt;
    return std::pair{column, row};
}

QString columnName(int column)
{
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar(u'A' + (column - 1) % 26));
    return name;
}

// What the appender needs to know of a worksheet: its last row and column
// that hold a cell, and the name its sheetData element is written with.
struct SheetShape {
    int lastRow = 0;
    int lastColumn = 0;
    QString sheetDataName;
};

std::optional<SheetShape> shapeOf(const QByteArray &sheet)
{
    SheetShape shape;
    QXmlStreamReader xml(sheet);
    int row = 0;
    int column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.namespaceUri() != kMainNamespace)
            continue;
        if (xml.name() == QLatin1String("sheetData")) {
            shape.sheetDataName = xml.qualifiedName().toString();
        } else if (xml.name() == QLatin1String("row")) {
            const QStringView r = xml.attributes().value(QLatin1String("r"));
            row = r.isEmpty() ? row + 1 : r.toInt();
            column = 0;
        } else if (xml.name() == QLatin1String("c")) {
            const std::optional<std::pair<int, int>> ref =
                cellReference(xml.attributes().value(QLatin1String("r")));
            column = ref ? ref->first : column + 1;
            shape.lastRow = std::max(shape.lastRow, ref ? ref->second : row);
            shape.lastColumn = std::max(shape.lastColumn, column);
        }
    }
    if (xml.hasError() || shape.sheetDataName.isEmpty())
        return std::nullopt;
    return shape;
}

// Text as XML character data: the markup characters escaped, and the control
// characters that XML cannot carry left out.
QString xmlText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        default:
            if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r')
                out += c;
        }
    }
    return out;
}

// The rows as worksheet XML, the texts as inline strings so that the shared
// string table stays as it was. Empty cells are left out.
QByteArray rowsXml(const QList<QStringList> &rows, int firstRow, const QString &prefix)
{
    QString xml;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QString rowNo = QString::number(firstRow + r);
        xml += u'<' + prefix + QStringLiteral("row r=\"") + rowNo + QStringLiteral("\">");
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c].isEmpty())
                continue;
            xml += u'<' + prefix + QStringLiteral("c r=\"") + columnName(int(c) + 1) + rowNo +
                   QStringLiteral("\" t=\"inlineStr\"><") + prefix + QStringLiteral("is><") + prefix +
                   QStringLiteral("t xml:space=\"preserve\">") + xmlText(rows[r][c]) + QStringLiteral("</") +
                   prefix + QStringLiteral("t></") + prefix + QStringLiteral("is></") + prefix + QStringLiteral("c>");
        }
        xml += QStringLiteral("</") + prefix + QStringLiteral("row>");
    }
    return xml.toUtf8();
}

// The worksheet with the rows spliced in at the end of sheetData and its
// dimension widened to cover them.
std::optional<QByteArray> appendedSheet(QByteArray sheet, const SheetShape &shape, const QList<QStringList> &rows,
                                        int firstRow)
{
    const QString name = shape.sheetDataName;
    const QString prefix = name.contains(u':') ? name.left(name.indexOf(u':') + 1) : QString();
    const QByteArray added = rowsXml(rows, firstRow, prefix);
    const QByteArray close = ("</" + name + ">").toUtf8();
    const qsizetype end = sheet.lastIndexOf(close);
    if (end >= 0) {
        sheet.insert(end, added);
    } else {
        static const QRegularExpression empty(QStringLiteral("<%1\\s*/>"));
        const QRegularExpression selfClosed(empty.pattern().arg(QRegularExpression::escape(name)));
        const QRegularExpressionMatch match = selfClosed.match(QString::fromUtf8(sheet));
        if (!match.hasMatch())
            return std::nullopt;
        // The match is on the decoded text; the element is plain ASCII, so
        // its bytes are found as they are.
        const QByteArray element = match.captured().toUtf8();
        const qsizetype at = sheet.indexOf(element);
        sheet.replace(at, element.size(), ("<" + name + ">").toUtf8() + added + close);
    }
    qsizetype widest = 0;
    for (const QStringList &row : rows)
        widest = std::max(widest, row.size());
    const QString range = QStringLiteral("A1:") + columnName(std::max<int>(shape.lastColumn, int(widest))) +
                          QString::number(firstRow + rows.size() - 1);
    static const QRegularExpression dimension(QStringLiteral("(<(?:\\w+:)?dimension\\s+ref=\")([^\"]*)(\")"));
    const QString text = QString::fromUtf8(sheet);
    const QRegularExpressionMatch found = dimension.match(text);
    if (found.hasMatch())
        return (text.left(found.capturedStart(2)) + range + text.mid(found.capturedEnd(2))).toUtf8();
    return sheet;
}

QString zipError(zip_t *archive)
{
    return QString::fromLocal8Bit(zip_strerror(archive));
}

// Writes a new archive at target: every entry of source in its order, the
// entries in replaced taken from there.
bool writeArchive(zip_t *source, const QString &target, const QList<std::pair<QString, QByteArray>> &entries,
                  QString *error)
{
    int code = 0;
    Archive out(zip_open(QFile::encodeName(target).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code));
    if (!out) {
        *error = QStringLiteral("cannot create %1 (zip error %2)").arg(target).arg(code);
        return false;
    }
    const zip_int64_t count = source ? zip_get_num_entries(source, 0) : 0;
    QList<std::pair<QString, QByteArray>> pending = entries;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *name = zip_get_name(source, zip_uint64_t(i), ZIP_FL_ENC_RAW);
        if (!name) {
            *error = zipError(source);
            return false;
        }
        zip_source_t *data = nullptr;
        const auto own = std::find_if(pending.begin(), pending.end(),
                                      [&](const auto &entry) { return entry.first.toUtf8() == name; });
        if (own != pending.end()) {
            data = zip_source_buffer(out.get(), own->second.constData(), zip_uint64_t(own->second.size()), 0);
        } else {
            data = zip_source_zip(out.get(), source, zip_uint64_t(i), ZIP_FL_COMPRESSED, 0, -1);
        }
        if (!data || zip_file_add(out.get(), name, data, ZIP_FL_ENC_RAW) < 0) {
            if (data)
                zip_source_free(data);
            *error = zipError(out.get());
            return false;
        }
        if (own != pending.end())
            own->first.clear();
    }
    for (const auto &[name, bytes] : pending) {
        if (name.isEmpty())
            continue;
        zip_source_t *data = zip_source_buffer(out.get(), bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!data || zip_file_add(out.get(), name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) < 0) {
            if (data)
                zip_source_free(data);
            *error = zipError(out.get());
            return false;
        }
    }
    if (zip_close(out.get()) != 0) {
        *error = zipError(out.get());
        return false;
    }
    out.release();
    return true;
}

// Puts the complete new file in the old one's place in one step.
bool replaceFile(const QString &complete, const QString &path, QString *error)
{
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(complete).toStdString(), QFile::encodeName(path).toStdString(), failed);
    if (!failed)
        return true;
    QFile::remove(complete);
    *error = QString::fromStdString(failed.message());
    return false;
}

QString partialName(const QString &path)
{
    return path + QStringLiteral(".partial");
}

const char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "</Types>";
const char kRootRels[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>";
const char kWorkbook[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
const char kWorkbookRels[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/></Relationships>";
const char kStyles[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
    "</styleSheet>";
const char kEmptySheet[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<dimension ref=\"A1\"/><sheetData/></worksheet>";

} // namespace

bool CreateWorkbook(const QString &path, QString *error)
{
    const QList<std::pair<QString, QByteArray>> parts = {
        {QStringLiteral("[Content_Types].xml"), QByteArray(kContentTypes)},
        {QStringLiteral("_rels/.rels"), QByteArray(kRootRels)},
        {QStringLiteral("xl/workbook.xml"), QByteArray(kWorkbook)},
        {QStringLiteral("xl/_rels/workbook.xml.rels"), QByteArray(kWorkbookRels)},
        {QStringLiteral("xl/styles.xml"), QByteArray(kStyles)},
        {QStringLiteral("xl/worksheets/sheet1.xml"), QByteArray(kEmptySheet)},
    };
    const QString partial = partialName(path);
    if (!writeArchive(nullptr, partial, parts, error)) {
        QFile::remove(partial);
        return false;
    }
    return replaceFile(partial, path, error);
}

bool AppendToWorkbook(const QString &path, const QList<QStringList> &rows, int *firstRow, QString *error)
{
    int code = 0;
    Archive source(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
    if (!source) {
        *error = QStringLiteral("%1 is no workbook (zip error %2)").arg(path).arg(code);
        return false;
    }
    const std::optional<QString> sheetPart = firstSheetPart(source.get());
    const std::optional<QByteArray> sheet = sheetPart ? readEntry(source.get(), *sheetPart) : std::nullopt;
    const std::optional<SheetShape> shape = sheet ? shapeOf(*sheet) : std::nullopt;
    if (!shape) {
        *error = QStringLiteral("%1 has no readable first worksheet").arg(path);
        return false;
    }
    *firstRow = shape->lastRow == 0 ? 1 : shape->lastRow + 2;
    const std::optional<QByteArray> appended = appendedSheet(*sheet, *shape, rows, *firstRow);
    if (!appended) {
        *error = QStringLiteral("%1: the first worksheet has no row data").arg(path);
        return false;
    }
    const QString partial = partialName(path);
    if (!writeArchive(source.get(), partial, {{*sheetPart, *appended}}, error)) {
        QFile::remove(partial);
        return false;
    }
    source.reset();
    return replaceFile(partial, path, error);
}
