#pragma once

#include <QString>

// The front desk's card erase of the card lying on the encoder, as operator
// code; it erases only when yes answers the question OK. 0 when erased; 1
// otherwise, with the boxes on stderr.
int RunCardErase(const QString &operatorCode, bool yes, bool server);
