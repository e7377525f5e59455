#pragma once

// The connection to the card encoder and the reading of the card lying on it.

// Tries the Kestul encoder, then the dUSB one, and sets EncoderMode (1, 0, or
// -1 with E0029 when neither answers).
void OpenEncoder();
// True when an encoder is open and its reader information is valid; E0030 otherwise.
bool CheckEncoder();
// Reads the card on the encoder into bufCard and curCard.CardID; true when a
// card was read (E0030, E0031 or N9040 otherwise).
bool ReadCardOnEncoder();
