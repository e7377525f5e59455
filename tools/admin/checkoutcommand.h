#pragma once

#include <QString>

// A check-out from the command line, through the front desk's operations.
struct CheckOutOptions {
    QString room;         // without card: the room, as 1-101
    QString name;         // without card: the current guest of the room who leaves
    bool withCard = false; // the guest card lying on the encoder instead
    QString operatorCode;
    bool yes = false;     // the check-out question is answered Yes
    bool server = false;
};

// 0 when the stay was closed; 1 otherwise, with the boxes on stderr.
int RunCheckOut(const CheckOutOptions &options);
