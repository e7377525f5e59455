#pragma once

#include <QString>

#include <optional>

// Operator passwords are kept as salted argon2id hashes. Databases of older
// installations hold them as plain text; such a value still logs on and is
// replaced by its hash at the first successful logon. An empty stored password
// (a new operator, or one whose password was reset) matches any typed one: the
// logon makes such an operator set a password before anything else.

// The storable form of a typed password: empty stays empty, anything else
// becomes its hash. nullopt when hashing fails (out of memory): the caller must
// not store anything then, least of all an empty password.
std::optional<QString> HashPassword(const QString &typed);
bool IsPasswordHash(const QString &stored);
bool PasswordMatches(const QString &stored, const QString &typed);
// A stored password that matched and should be replaced by its hash.
bool NeedsRehash(const QString &stored);
