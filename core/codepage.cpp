#include "core/codepage.h"

#include <QStringDecoder>

QByteArray CodePageForCharSet(int charSet)
{
    QByteArray name;
    switch (charSet) {
    case 128: name = "Shift_JIS"; break;
    case 129: name = "EUC-KR"; break;
    case 130: name = "windows-1361"; break;
    case 134: name = "GBK"; break;
    case 136: name = "Big5"; break;
    case 161: name = "windows-1253"; break;
    case 162: name = "windows-1254"; break;
    case 163: name = "windows-1258"; break;
    case 177: name = "windows-1255"; break;
    case 178: name = "windows-1256"; break;
    case 186: name = "windows-1257"; break;
    case 204: name = "windows-1251"; break;
    case 222: name = "windows-874"; break;
    case 238: name = "windows-1250"; break;
    default: return "UTF-8";
    }
    if (!QStringDecoder(name.constData()).isValid())
        return "UTF-8";
    return name;
}
