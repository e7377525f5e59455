#include "core/ini.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QByteArray trimmedBytes(const QByteArray &bytes)
{
    return bytes.trimmed();
}

// Lines end at LF, CR LF or a lone CR, whichever the file was written with; a
// final line break starts no further line.
QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c != '\n' && c != '\r')
            continue;
        lines.append(content.mid(start, i - start));
        if (c == '\r' && i + 1 < content.size() && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines.append(content.mid(start));
    return lines;
}

// A rewritten file keeps the line ends it was written with.
QByteArray lineEndOf(const QByteArray &content)
{
    if (content.contains("\r\n"))
        return "\r\n";
    if (content.contains('\n'))
        return "\n";
    if (content.contains('\r'))
        return "\r";
    return "\r\n";
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

// A value in matching quotes is read without them, as the profile functions
// read it: the quotes keep blanks at either end.
QByteArray unquoted(const QByteArray &value)
{
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// The text to write so that reading it gives the value back: a value that is
// itself in matching quotes gets one more pair.
QByteArray quotedIfNeeded(const QByteArray &value)
{
    if (unquoted(value).size() != value.size())
        return value.front() + value + value.back();
    return value;
}

} // namespace

IniFile::IniFile(const QString &path, const QByteArray &codePage)
    : m_path(path), m_codePage(codePage)
{
    // No path (settings that could not find the working folder) is no file.
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray content = file.readAll();
    if (content.startsWith(kUtf8Bom)) {
        m_utf8Bom = true;
        content.remove(0, kUtf8Bom.size());
    }
    m_eol = lineEndOf(content);

    const QList<QByteArray> rawLines = splitLines(content);
    m_lines.reserve(rawLines.size());
    for (const QByteArray &raw : rawLines) {
        Line line;
        line.raw = raw;
        const QByteArray text = trimmedBytes(raw);
        if (text.startsWith('[')) {
            const int close = text.indexOf(']');
            line.isSection = true;
            line.section = QString::fromLatin1(text.mid(1, close < 0 ? -1 : close - 1)).trimmed();
        } else if (const int eq = text.indexOf('='); eq > 0) {
            line.isKey = true;
            line.key = QString::fromLatin1(trimmedBytes(text.left(eq)));
        }
        m_lines.append(line);
    }
}

void IniFile::setCodePage(const QByteArray &codePage)
{
    m_codePage = codePage;
}

int IniFile::findSection(const QString &section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].isSection && m_lines[i].section.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    for (int i = sectionLine + 1; i < m_lines.size() && !m_lines[i].isSection; ++i) {
        if (m_lines[i].isKey && m_lines[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::decode(const QByteArray &bytes) const
{
    QStringDecoder decoder(m_utf8Bom ? QByteArray("UTF-8") : m_codePage);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

QByteArray IniFile::encode(const QString &text) const
{
    QStringEncoder encoder(m_utf8Bom ? QByteArray("UTF-8") : m_codePage);
    if (!encoder.isValid())
        encoder = QStringEncoder(QStringEncoder::Utf8);
    return encoder.encode(text);
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return def;
    const int keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return def;
    const QByteArray &raw = m_lines[keyLine].raw;
    return decode(unquoted(trimmedBytes(raw.mid(raw.indexOf('=') + 1))));
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    return ParseIniInteger(readString(section, key, QString()), def);
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Line line;
    line.isKey = true;
    line.key = key;
    int sectionLine = findSection(section);
    const int keyLine = sectionLine < 0 ? -1 : findKey(sectionLine, key);
    if (keyLine >= 0) {
        line.key = m_lines[keyLine].key;
        line.raw = line.key.toLatin1() + '=' + quotedIfNeeded(encode(value));
        m_lines[keyLine] = line;
        return save();
    }
    line.raw = key.toLatin1() + '=' + quotedIfNeeded(encode(value));
    if (sectionLine < 0) {
        appendSection(section);
        m_lines.append(line);
        return save();
    }
    // after the last non-blank line of the section, so blank separators stay below it
    int insertAt = sectionLine + 1;
    for (int i = sectionLine + 1; i < m_lines.size() && !m_lines[i].isSection; ++i) {
        if (!trimmedBytes(m_lines[i].raw).isEmpty())
            insertAt = i + 1;
    }
    m_lines.insert(insertAt, line);
    return save();
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

int IniFile::appendSection(const QString &section)
{
    // a blank line between sections, as people write them
    if (!m_lines.isEmpty() && !trimmedBytes(m_lines.constLast().raw).isEmpty())
        m_lines.append(Line{});
    Line header;
    header.isSection = true;
    header.section = section;
    header.raw = '[' + section.toLatin1() + ']';
    m_lines.append(header);
    return m_lines.size() - 1;
}

bool IniFile::replaceSection(const QString &section, const QList<QPair<QString, QString>> &entries)
{
    int sectionLine = findSection(section);
    if (sectionLine < 0)
        sectionLine = appendSection(section);
    int end = sectionLine + 1;
    while (end < m_lines.size() && !m_lines[end].isSection)
        ++end;
    m_lines.remove(sectionLine + 1, end - sectionLine - 1);
    QList<Line> body;
    body.reserve(entries.size());
    for (const auto &[key, value] : entries) {
        Line line;
        line.isKey = true;
        line.key = key;
        line.raw = key.toLatin1() + '=' + quotedIfNeeded(encode(value));
        body.append(line);
    }
    if (sectionLine + 1 < m_lines.size())
        body.append(Line{});
    for (int i = 0; i < body.size(); ++i)
        m_lines.insert(sectionLine + 1 + i, body[i]);
    return save();
}

bool IniFile::save() const
{
    if (m_path.isEmpty())
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (m_utf8Bom)
        file.write(kUtf8Bom);
    for (const Line &line : m_lines) {
        file.write(line.raw);
        file.write(m_eol);
    }
    return file.commit();
}

int ParseIniInteger(const QString &text, int def)
{
    QStringView s = QStringView(text).trimmed();
    bool negative = false;
    if (s.startsWith(u'-') || s.startsWith(u'+')) {
        negative = s.startsWith(u'-');
        s = s.mid(1);
    }
    int base = 10;
    if (s.startsWith(u'$')) {
        base = 16;
        s = s.mid(1);
    } else if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        s = s.mid(2);
    }
    if (s.isEmpty())
        return def;
    // Digits only from here on: a second sign or a blank anywhere refuses the
    // value, and the magnitude stops growing long before it could overflow.
    qint64 magnitude = 0;
    for (const QChar c : s) {
        const int digit = c.unicode() < 128 ? QStringView(u"0123456789abcdef").indexOf(c.toLower()) : -1;
        if (digit < 0 || digit >= base)
            return def;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFLL)
            return def;
    }
    if (base == 16 && !negative)
        return static_cast<int>(static_cast<quint32>(magnitude));
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX)
        return def;
    return static_cast<int>(value);
}
