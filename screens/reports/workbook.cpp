#include "screens/reports/workbook.h"

#include <QByteArray>
#include <QFile>
#include <QXmlStreamReader>

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

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
std::optional<std::pair<int, int>> cellReference(QByteArrayView ref)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < ref.size() && std::isalpha(static_cast<unsigned char>(ref[i])); ++i)
        column = column * 26 + (std::toupper(static_cast<unsigned char>(ref[i])) - 'A' + 1);
    bool ok = false;
    const int row = QByteArray(ref.sliced(i).data(), ref.size() - i).toInt(&ok);
    if (column == 0 || !ok || row < 1)
        return std::nullopt;
    return std::pair{column, row};
}

QByteArray columnName(int column)
{
    QByteArray name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(char('A' + (column - 1) % 26));
    return name;
}

// The value of attribute name in a start tag's text, or nullopt.
std::optional<QByteArrayView> attribute(QByteArrayView tag, QByteArrayView name)
{
    for (qsizetype at = tag.indexOf(name); at > 0; at = tag.indexOf(name, at + 1)) {
        const qsizetype equals = at + name.size();
        if (!std::isspace(static_cast<unsigned char>(tag[at - 1])) || equals + 1 >= tag.size() || tag[equals] != '=')
            continue;
        const char quote = tag[equals + 1];
        const qsizetype close = tag.indexOf(quote, equals + 2);
        if ((quote != '"' && quote != '\'') || close < 0)
            return std::nullopt;
        return tag.sliced(equals + 2, close - equals - 2);
    }
    return std::nullopt;
}

QByteArrayView localName(QByteArrayView name)
{
    const qsizetype colon = name.indexOf(':');
    return colon < 0 ? name : name.sliced(colon + 1);
}

// What the appender needs to know of a worksheet: its last row and column
// that hold a cell, where its rows end, and where its dimension says how far
// it reaches. Worksheets of a long-kept log run to tens of megabytes, so the
// markup is walked tag by tag rather than parsed; text in a worksheet never
// holds a raw "<".
struct SheetShape {
    int lastRow = 0;
    int lastColumn = 0;
    QByteArray sheetDataName;
    // The closing tag of sheetData, or the whole of an empty <sheetData/>.
    qsizetype end = -1;
    bool empty = false;
    qsizetype emptyLength = 0;
    // The value of the dimension's ref, when there is one.
    qsizetype dimension = -1;
    qsizetype dimensionLength = 0;
};

// The end of the markup that begins at i with opener, past closer; -1 when
// it does not end.
qsizetype pastMarkup(const QByteArray &xml, qsizetype i, const char *closer)
{
    const qsizetype at = xml.indexOf(closer, i);
    return at < 0 ? -1 : at + qsizetype(std::strlen(closer));
}

// The position of the ">" that ends the tag beginning at i, quotes respected.
qsizetype tagEnd(const QByteArray &xml, qsizetype i)
{
    char quote = 0;
    for (; i < xml.size(); ++i) {
        const char c = xml[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return -1;
}

std::optional<SheetShape> shapeOf(const QByteArray &sheet)
{
    SheetShape shape;
    int row = 0;
    int column = 0;
    for (qsizetype i = sheet.indexOf('<'); i >= 0; i = i < 0 ? -1 : sheet.indexOf('<', i)) {
        const QByteArrayView rest = QByteArrayView(sheet).sliced(i);
        if (rest.startsWith("<!--")) {
            i = pastMarkup(sheet, i, "-->");
            continue;
        }
        if (rest.startsWith("<![CDATA[")) {
            i = pastMarkup(sheet, i, "]]>");
            continue;
        }
        if (rest.startsWith("<?")) {
            i = pastMarkup(sheet, i, "?>");
            continue;
        }
        const qsizetype end = tagEnd(sheet, i);
        if (end < 0)
            return std::nullopt;
        const QByteArrayView tag(sheet.constData() + i, end - i);
        const bool closing = tag.size() > 1 && tag[1] == '/';
        qsizetype nameEnd = closing ? 2 : 1;
        while (nameEnd < tag.size() && !std::isspace(static_cast<unsigned char>(tag[nameEnd])) && tag[nameEnd] != '/')
            ++nameEnd;
        const qsizetype nameStart = closing ? 2 : 1;
        const QByteArrayView name = tag.sliced(nameStart, nameEnd - nameStart);
        if (closing) {
            if (!shape.sheetDataName.isEmpty() && shape.end < 0 && name == shape.sheetDataName)
                shape.end = i;
        } else if (localName(name) == "sheetData" && shape.sheetDataName.isEmpty()) {
            shape.sheetDataName = name.toByteArray();
            if (tag.endsWith('/')) {
                shape.end = i;
                shape.empty = true;
                shape.emptyLength = end + 1 - i;
            }
        } else if (localName(name) == "row") {
            const std::optional<QByteArrayView> r = attribute(tag, "r");
            row = r ? QByteArray(r->data(), r->size()).toInt() : row + 1;
            column = 0;
        } else if (localName(name) == "c") {
            const std::optional<QByteArrayView> r = attribute(tag, "r");
            const std::optional<std::pair<int, int>> ref = r ? cellReference(*r) : std::nullopt;
            column = ref ? ref->first : column + 1;
            shape.lastRow = std::max(shape.lastRow, ref ? ref->second : row);
            shape.lastColumn = std::max(shape.lastColumn, column);
        } else if (localName(name) == "dimension" && shape.dimension < 0) {
            if (const std::optional<QByteArrayView> ref = attribute(tag, "ref")) {
                shape.dimension = ref->data() - sheet.constData();
                shape.dimensionLength = ref->size();
            }
        }
        i = end + 1;
    }
    if (shape.end < 0)
        return std::nullopt;
    return shape;
}

// Text as XML character data: the markup characters escaped, and the control
// characters that XML cannot carry left out.
void appendXmlText(QByteArray &out, const QString &text)
{
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
}

// The rows as worksheet XML, the texts as inline strings so that the shared
// string table stays as it was. Empty cells are left out.
QByteArray rowsXml(const QList<QStringList> &rows, int firstRow, const QByteArray &prefix)
{
    qsizetype widest = 0;
    for (const QStringList &row : rows)
        widest = std::max(widest, row.size());
    QList<QByteArray> columns;
    for (int c = 1; c <= widest; ++c)
        columns.append(columnName(c));
    const QByteArray rowOpen = '<' + prefix + "row r=\"";
    const QByteArray rowClose = "</" + prefix + "row>";
    const QByteArray cellOpen = '<' + prefix + "c r=\"";
    const QByteArray cellType = "\" t=\"inlineStr\"><" + prefix + "is><" + prefix + "t xml:space=\"preserve\">";
    const QByteArray cellClose = "</" + prefix + "t></" + prefix + "is></" + prefix + "c>";
    QByteArray xml;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QByteArray rowNo = QByteArray::number(firstRow + r);
        xml += rowOpen + rowNo + "\">";
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c].isEmpty())
                continue;
            xml += cellOpen + columns[c] + rowNo + cellType;
            appendXmlText(xml, rows[r][c]);
            xml += cellClose;
        }
        xml += rowClose;
    }
    return xml;
}

// The worksheet with the rows spliced in at the end of sheetData and its
// dimension widened to cover them.
QByteArray appendedSheet(QByteArray sheet, const SheetShape &shape, const QList<QStringList> &rows, int firstRow)
{
    const QByteArray name = shape.sheetDataName;
    const qsizetype colon = name.indexOf(':');
    const QByteArray prefix = colon < 0 ? QByteArray() : name.left(colon + 1);
    const QByteArray added = rowsXml(rows, firstRow, prefix);
    if (shape.empty)
        sheet.replace(shape.end, shape.emptyLength, '<' + name + '>' + added + "</" + name + '>');
    else
        sheet.insert(shape.end, added);
    // The dimension comes before the rows, so its place has not moved.
    if (shape.dimension >= 0) {
        qsizetype widest = 0;
        for (const QStringList &row : rows)
            widest = std::max(widest, row.size());
        const QByteArray range = "A1:" + columnName(std::max<int>(shape.lastColumn, int(widest))) +
                                 QByteArray::number(firstRow + rows.size() - 1);
        sheet.replace(shape.dimension, shape.dimensionLength, range);
    }
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
        const zip_int64_t added = data ? zip_file_add(out.get(), name, data, ZIP_FL_ENC_RAW) : -1;
        if (added < 0) {
            if (data)
                zip_source_free(data);
            *error = zipError(out.get());
            return false;
        }
        // A worksheet of a long-kept log runs to tens of megabytes of very
        // repetitive XML: the fastest deflate level packs it nearly as well.
        if (own != pending.end())
            zip_set_file_compression(out.get(), zip_uint64_t(added), ZIP_CM_DEFLATE, 1);
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
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
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
    const QByteArray appended = appendedSheet(*sheet, *shape, rows, *firstRow);
    const QString partial = partialName(path);
    if (!writeArchive(source.get(), partial, {{*sheetPart, appended}}, error)) {
        QFile::remove(partial);
        return false;
    }
    source.reset();
    return replaceFile(partial, path, error);
}
