#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An INI file read and written the way the Windows profile functions do it:
// section and key names are case-insensitive, the first match wins, a value is
// the raw text after "=" with the blanks around it removed and then one pair of
// matching quotes ("..." or '...') taken off, and a missing file or key gives
// the caller's default. Lines end at LF, CR LF or CR. Writing replaces one value
// and keeps every other line of the file as it was.
class IniFile {
public:
    // codePage: the encoding of the values; a UTF-8 byte-order mark at the start
    // of the file overrides it.
    explicit IniFile(const QString &path, const QByteArray &codePage = "UTF-8");

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;

    // Writes the file at once; false when it cannot be written.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    // Empties the section and fills it with these keys and values, in one write.
    bool replaceSection(const QString &section, const QList<QPair<QString, QString>> &entries);

    void setCodePage(const QByteArray &codePage);

private:
    struct Line {
        QByteArray raw;
        QString section; // set for "[section]" lines
        QString key;     // set for "key=value" lines
        bool isSection = false;
        bool isKey = false;
    };

    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;
    int appendSection(const QString &section);
    QString decode(const QByteArray &bytes) const;
    QByteArray encode(const QString &text) const;
    bool save() const;

    QString m_path;
    QByteArray m_codePage;
    bool m_utf8Bom = false;
    QByteArray m_eol = "\r\n";
    QList<Line> m_lines;
};

// Parses an integer the way the settings have always been read: optional sign,
// decimal digits, or hexadecimal after "$" or "0x". Anything else (a second
// sign, a blank inside), or a value outside 32 bits, gives def.
int ParseIniInteger(const QString &text, int def);
