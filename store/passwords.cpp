#include "store/passwords.h"

#include <sodium.h>

namespace {

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::optional<QString> HashPassword(const QString &typed)
{
    if (typed.isEmpty())
        return QString();
    if (!sodiumReady())
        return std::nullopt;
    const QByteArray bytes = typed.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return std::nullopt;
    return QString::fromLatin1(hash);
}

bool IsPasswordHash(const QString &stored)
{
    return stored.startsWith(QLatin1String(crypto_pwhash_argon2id_STRPREFIX));
}

bool PasswordMatches(const QString &stored, const QString &typed)
{
    if (stored.isEmpty())
        return true;
    if (!IsPasswordHash(stored))
        return stored == typed;
    if (!sodiumReady())
        return false;
    const QByteArray hash = stored.toLatin1();
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size()))
        == 0;
}

bool NeedsRehash(const QString &stored)
{
    return !stored.isEmpty() && !IsPasswordHash(stored);
}
