// Amounts as an operator types them and as either engine hands them back:
// text, a 64-bit integer or a double taken from the same bytes. Whatever is
// accepted must show as a text that reads back as the same amount.

#include "core/currency.h"
#include "fuzzsupport.h"

#include <cstring>

namespace {

void checkRoundTrip(const std::optional<Currency> &amount)
{
    if (!amount)
        return;
    FuzzCheck(Currency::parse(amount->toFixed()) == amount);
    FuzzCheck(Currency::parse(amount->toString()) == amount);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(FuzzBytes(data, size));
    checkRoundTrip(Currency::parse(text));
    checkRoundTrip(Currency::fromSql(QVariant(text)));
    if (size >= 8) {
        qint64 whole;
        double real;
        std::memcpy(&whole, data, sizeof whole);
        std::memcpy(&real, data, sizeof real);
        checkRoundTrip(Currency::fromSql(QVariant(whole)));
        checkRoundTrip(Currency::fromSql(QVariant(real)));
    }
    return 0;
}
