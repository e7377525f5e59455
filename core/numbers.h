#pragma once

#include <QString>

#include <optional>

// A whole number as an operator types it: optional sign and decimal digits,
// nothing else. nullopt for anything else or a value beyond 32 bits.
std::optional<int> ParseWholeNumber(const QString &text);
