#pragma once

#include <QString>

// Read the card on the encoder, or take a given read buffer, decode it as the
// front desk does and print one field=value line per card field; the boxes go
// to stderr. Return the exit code (1 when no card was decoded).
int RunCardRead();
int RunCardDecode(const QString &buffer);
