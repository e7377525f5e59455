#pragma once

#include <QString>

// Read the card on the encoder, or take a given read buffer, decode it as the
// front desk does and print one field=value line per card field; the boxes go
// to stderr. Return the exit code (1 when no card was decoded, or the
// database or its rooms could not be read).
// server: the register lookup reads the server's catalogue.
int RunCardRead(bool server);
int RunCardDecode(const QString &buffer, bool server);
