#include "core/abouttext.h"

#include "core/settings.h"

namespace {

const QString kIndent = QStringLiteral("    ");

// Characters first..last of the information text, counting from 1.
QString chars(const QString &info, int first, int last)
{
    return info.mid(first - 1, last - first + 1);
}

} // namespace

QString AboutText(int versionResult, const QString &version, int readerResult, const QString &readerInfo)
{
    QString text = versionResult != 0
        ? QStringLiteral("GetDLLVersion Error:    ") + QString::number(versionResult)
        : u'\n' + kIndent + version + QStringLiteral("8C01");
    if (readerResult != 0) {
        text += QStringLiteral("\nIniCard(2) Error:    ") + QString::number(readerResult);
    } else {
        text += QStringLiteral("\nReader:");
        text += u'\n' + kIndent + chars(readerInfo, 1, 10);
        text += u'\n' + kIndent + QStringLiteral("CC") + chars(readerInfo, 13, 18);
        text += u'\n' + kIndent + chars(readerInfo, 19, 30);
        text += u'\n' + kIndent + chars(readerInfo, 31, 34);
        text += u'\n' + kIndent + chars(readerInfo, 35, 74);
    }
    text += QStringLiteral("\n\n") + settings.CompanyPhone + u'\n' + settings.CompanyWeb + QStringLiteral("\n\n")
        + settings.CompanyMisc;
    return text;
}
