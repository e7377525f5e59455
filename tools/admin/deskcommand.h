#pragma once

#include "core/consoleport.h"
#include "store/database.h"

#include <QList>
#include <QString>

// What every front-desk command of the admin tool does before its operation,
// as the front desk has it after a logon: the boxes on stderr, questions
// answered OK only when the command was told to go ahead (--yes), the
// settings and texts, the database, the room registry, the operator with the
// rights its role gives, and for the card commands the encoder. It lives as
// long as the command.
// Prints why the command does not go on ("zumerak-admin: <reason>") and gives false.
bool RefuseCommand(const QString &reason);

class DeskCommand {
public:
    DeskCommand(bool yes, bool server);

    // True when everything is in place for operator code, whose role has
    // every one of rights (refused on stderr, naming what, otherwise).
    bool start(const QString &operatorCode, const QList<int> &rights, const QString &what);
    // The encoder, opened and greeted as at logon; a missing one is shown.
    void openEncoder();

private:
    ConsolePort m_port;
    // Made in this order: the boxes have their port, and the database
    // connection reads the settings.
    bool m_prepared;
    TData1 m_data;
};
