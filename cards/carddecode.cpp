#include "cards/carddecode.h"

#include "core/hexdigits.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/cardregister.h"
#include "store/rooms.h"

namespace {

constexpr int kDecodedLength = 46;

// The value of the hexadecimal digits at 1-based position from; checked
// before any field is read.
int hexAt(const QString &text, int from, int count)
{
    return HexValue(QStringView(text).mid(from - 1, count)).value_or(0);
}

bool checkHexDigits(const QString &text)
{
    for (int i = 0; i < kDecodedLength; ++i) {
        if (i >= text.size() || !HexValue(QStringView(text).mid(i, 1))) {
            ShowError(QStringLiteral("E0042"),
                      QStringLiteral("System Error---E0042\n\n%1\n").arg(i + 1) + text);
            return false;
        }
    }
    return true;
}

// A card belongs to this hotel when its system code is dlsCoID; the top two
// bits of the low part are not part of the code.
void warnOfForeignCard(const QString &text)
{
    const int high = hexAt(text, 9, 2);
    const int low = hexAt(text, 11, 4) & 0x3FFF;
    if (high * 65536 + low == settings.dlsCoID)
        return;
    ShowWarning(QStringLiteral("N9067"),
                QStringLiteral("Not a card for this system\n")
                    + QString::asprintf("%.6X %s %.2X %s %.4X", settings.dlsCoID, "\n", high, "\n", low));
}

bool carriesEndTime(int kind)
{
    return kind == 6 || kind == 8 || (kind >= 10 && kind <= 13);
}

} // namespace

bool DecodeCard()
{
    const QString text = BufCardText();
    if (!checkHexDigits(text))
        return false;
    curCard.CardID = text.mid(24, 8).toUpper();
    // A blank card belongs to no hotel: it is only blank.
    if (curCard.CardID == QLatin1String("FFFFFFFF")) {
        ShowInfo(QStringLiteral("N9048"), Common.sBlankCard);
        return false;
    }
    warnOfForeignCard(text);
    curCard.iType = hexAt(text, 25, 1);
    curCard.Dai = hexAt(text, 23, 2);
    curCard.IssueTime = DecodeCardTime(true, text.mid(26, 6));
    if (curCard.iType == 2 || curCard.iType == 6)
        curCard.RoomName = BldRoomNoOfLockAddress(text.mid(14, 8));
    curCard.PublicDoor = hexAt(text, 21, 1);
    curCard.AccessBolt = hexAt(text, 15, 1) / 8;
    curCard.GroupNo = hexAt(text, 19, 2);
    curCard.GroupOp = hexAt(text, 21, 2) & 3;
    curCard.BldNo = hexAt(text, 21, 2);
    curCard.FlrNo = hexAt(text, 19, 2);
    if (carriesEndTime(curCard.iType)) {
        curCard.EndTime = DecodeCardTime(true, text.mid(32, 6));
        if (curCard.iType != 6) {
            const int start = hexAt(text, 17, 2);
            const QTime time(start / 8, (start & 7) * 10);
            curCard.StartTime = time.isValid() ? QDateTime(curCard.IssueTime.date(), time) : DateTimeZero();
        }
    }
    curCard.CardData = text.mid(6, 32);
    curCard.ID = LoadCardInfo(curCard.CardData);
    return true;
}

QString CardOptionBytes()
{
    return BufCardText().mid(18, 4);
}
