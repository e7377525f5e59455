#pragma once

#include "screens/receiption/roomboard.h"

#include <QString>

// The texts of the front desk's frame and room board, read when the screen is
// created.
struct ReceiptionTexts {
    QString Title;
    QString ModiRoomStatus, ModiRoomStatus_Hint, DispChart, DispChart_Hint;
    QString WalkIn, WalkIn_Hint, TeamIn, TeamIn_Hint, Reservation, Reservation_Hint;
    QString Change, Change_Hint, Postponed, Postponed_Hint, CheckOutByCard, CheckOutByCard_Hint;
    QString CardInfo, CardInfo_Hint, CardErase, CardErase_Hint, Exit, Exit_Hint;
    // The items of the group and reservation menus.
    QString GroupCheckIn, GroupView, NewReservation, ReservationCheckIn;
    QString msgDefineRooms, OTCkIn;
    // The amounts in a room button's hint.
    RoomHintLabels hintLabels;
};

ReceiptionTexts ReadReceiptionTexts();
// The labels of a room's prices, as the rooms editor names them.
RoomHintLabels ReadRoomHintLabels();
