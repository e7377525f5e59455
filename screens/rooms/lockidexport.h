#pragma once

#include <QString>

// Writes section [LOCKID] of LOCKID.INI in the working folder: one key per
// room, building, floor and second index as three digits each (001002003),
// with the room number as its value. Returns the file's path, or an empty text
// when it could not be written (the failure has been shown).
QString ExportLockIds();
