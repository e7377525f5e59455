#pragma once

#include <QByteArray>

// The code page that goes with a font character-set number, as hotels set it in
// [FONT] CharSet: 134 GBK, 136 Big5, 128 Shift_JIS, 129 EUC-KR, 204 CP1251,
// 238 CP1250 and so on. 0, 1 and any number without a code page of its own mean
// UTF-8, the platform default here. A name this machine cannot decode also
// falls back to UTF-8.
QByteArray CodePageForCharSet(int charSet);
