#pragma once

#include <QString>

// The text of the About box, from what the encoder library answered:
// GetDLLVersion's result and version text, and IniCard's result and the
// device's information text; then the company lines of System.ini. Library
// errors are shown inside the text.
QString AboutText(int versionResult, const QString &version, int readerResult, const QString &readerInfo);
