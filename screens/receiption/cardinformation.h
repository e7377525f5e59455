#pragma once

#include <QString>

// What a card holds, shown at the front desk: the card information box, the
// raw display (F6) and the information of a typed card ID (F11).

// The labels the card information quotes, read when the front desk starts.
struct CardInfoTexts {
    QString RoomNo, LimitNo, GroupNo, BldNo, FlrNo, Holder, BeiZhu, GongHao, Status;
};
CardInfoTexts ReadCardInfoTexts();

// The texts of the front desk's status panels 0, 3 and 5 for the card shown.
struct CardStatusTexts {
    QString options; // "OPTIONS:  " and the option bytes of a reset card, else empty
    QString dai;     // "Dai: %d"
    QString flags;   // "LLock" and "  Public[%d]" as the card carries them
};

// The information text of curCard, decoded from bufCard.
QString CardInformationText(const CardInfoTexts &texts);
CardStatusTexts CardStatusTextsOf();

// Reads the card on the encoder (or, with typedCardID, takes bufCard as
// PrepareTypedCardID left it) and decodes it into curCard. False when no card
// was read or decoded (a blank card shows only its notice).
bool ReadCardInformation(bool typedCardID);
// The information box of curCard (N9055---kind).
void ShowCardInformationBox(const CardInfoTexts &texts);

// Puts a card holding only the typed 8-character card ID into bufCard: its
// last 6 characters serve as both the issue and the end time. False, with
// bufCard untouched, when the trimmed text is not 8 characters long.
bool PrepareTypedCardID(const QString &typed);

// Reads the card and shows its characters in groups (N9041). False when no
// encoder answered or no card was read.
bool ShowRawCard();
