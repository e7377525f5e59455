#pragma once

#include <QString>

// The texts of the buildings and rooms screen, read when the screen is created.
struct RoomsDefinationTexts {
    QString Title1, Title2, Exit1, Exit_Hint1, Exit2, Exit_Hint2;
    QString ListOfBuildings, ListOfRooms, msgPublicDoor;
    QString BldNo, BldName;
    // Headers of rooms-grid columns 1..9.
    QString FlrNo, RoomNo, Type, Price, HourRateStartup, HourRatePrice, Status, CardNum, LockNo;
    QString AddBld, AddBld_Hint, DelBld, DelBld_Hint, ModiBld, ModiBld_Hint;
    QString AddRoom, AddRoom_Hint, DelRoom, DelRoom_Hint, ModiRoom, ModiRoom_Hint;
    QString msgDelBld, msgDelBldAll, msgDelRoom, msgAddBld, msgTogglePublic;
    QString InputBldNo, InputBldName, InputFlrNo, InputRomID, InputRomID2, InputRoomNo;
    QString InputType, InputPrice, InputMaxCardNum;
    QString ErrInputBldNo, ErrAddBld, ErrAddRoom, ErrModiRoom;
};

RoomsDefinationTexts ReadRoomsDefinationTexts();
