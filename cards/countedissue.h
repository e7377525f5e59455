#pragma once

#include <QString>

// The issue of a staff or lock configuration card, whose kind keeps one issue
// counter for every card of it: curCard, prepared by the screen, takes the
// kind's counter and is written on the card lying on the encoder. With cover,
// the counter is raised first, so that the locks stop taking the earlier
// cards of the kind; the card then carries coverCaption as its status, and
// the raised counter is stored once the card is written. True when the card
// was written and, with cover, the counter stored; every failure is shown.
bool WriteCountedCard(bool cover, const QString &coverCaption);

// How an issue from a screen's panel ended: issued; refused for a field (the
// box said which), the memo-like field to be corrected; or not written.
enum class IssueOutcome { Issued, BadInput, BadField, Failed };
