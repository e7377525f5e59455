#include "screens/receiption/guestpanelmodes.h"

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
const QColor kMoneyGreen(0xC0, 0xDC, 0xC0);

// clang-format off
const PanelMode kModes[] = {
    //  mode                  colour       room  text   cover  reserv search detail issue                      second                        leader names  allocation                   beside label
    {"WalkIn",             kSkyBlue,    true,  true,  true,  false, true,  true,  IssueButton::IssueCard,       SecondButton::CheckOutNoCard,    false, true,  Allocation::Hidden,          true},
    {"Change",             kSkyBlue,    true,  true,  true,  false, true,  true,  IssueButton::IssueCard,       SecondButton::Hidden,            false, false, Allocation::Hidden,          true},
    {"Postpone",           kSkyBlue,    false, true,  true,  false, false, true,  IssueButton::IssueCard,       SecondButton::Hidden,            false, false, Allocation::Hidden,          false},
    {"CheckOutWithCard",   kSkyBlue,    false, true,  true,  false, false, true,  IssueButton::Hidden,          SecondButton::CheckOutByCard,    false, false, Allocation::Hidden,          false},
    {"TeamIn",             kMoneyGreen, true,  false, true,  false, false, false, IssueButton::IssueCard,       SecondButton::Hidden,            true,  true,  Allocation::BothLists,       false},
    {"TeamView",           kMoneyGreen, false, false, true,  false, false, false, IssueButton::Hidden,          SecondButton::TeamCheckOut,      true,  true,  Allocation::ChosenRoomsOnly, false},
    {"Reservation",        kMoneyGreen, true,  false, false, true,  true,  false, IssueButton::MakeReservation, SecondButton::CancelReservation, true,  true,  Allocation::BothLists,       false},
    {"ReservationCheckIn", kMoneyGreen, false, false, true,  false, false, false, IssueButton::IssueCard,       SecondButton::Hidden,            false, true,  Allocation::ChosenRoomsOnly, false},
};
// clang-format on

} // namespace

const PanelMode &PanelModeOf(const QString &mode)
{
    for (const PanelMode &look : kModes) {
        if (mode == QLatin1String(look.mode))
            return look;
    }
    return kModes[0];
}
