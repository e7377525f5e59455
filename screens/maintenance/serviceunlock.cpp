#include "screens/maintenance/serviceunlock.h"

#include "core/numbers.h"
#include "core/operatorport.h"
#include "core/state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Known to the service staff only; it must not appear on any screen or page.
constexpr int kServiceConstant = 617;

} // namespace

int DrawChallenge(const std::function<int()> &next)
{
    int challenge = 0;
    do
        challenge = next() % (kHighestChallenge + 1);
    while (challenge < kLowestChallenge);
    return challenge;
}

int ReversedChallenge(int challenge)
{
    QString digits = QStringLiteral("%1").arg(challenge, 4, 10, QLatin1Char('0'));
    std::reverse(digits.begin(), digits.end());
    return digits.toInt();
}

int DirectEraseResponse(int challenge)
{
    const double root = std::sqrt(static_cast<double>(ReversedChallenge(challenge) + kServiceConstant));
    return static_cast<int>((root - std::floor(root)) * 10000.0);
}

void UnlockDirectCardErase()
{
    const int challenge = DrawChallenge([] { return std::rand(); });
    const std::optional<QString> answer = Operator().inputBox(
        QStringLiteral("N9056"), QStringLiteral("Please Input password"), QString::number(challenge));
    if (!answer)
        return;
    const std::optional<int> response = ParseWholeNumber(answer->trimmed());
    if (!response || *response != DirectEraseResponse(challenge))
        return;
    fDirectCardErase = true;
    ShowInfo(QStringLiteral("DirectCardErase"), QStringLiteral("OK"));
}
