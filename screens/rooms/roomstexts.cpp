#include "screens/rooms/roomstexts.h"

#include "core/texts.h"

RoomsDefinationTexts ReadRoomsDefinationTexts()
{
    const InterfaceTexts t = InterfaceTexts::section("ROOMSDEFINATION");
    RoomsDefinationTexts r;
    r.Title1 = t("Title1", "Rooms Defination");
    r.Title2 = t("Title2", "Search Lock No.");
    r.Exit1 = t("Exit1", "Return to Main");
    r.Exit_Hint1 = t("Exit_Hint1", "Return to Main Menu");
    r.Exit2 = t("Exit2", "OK");
    r.Exit_Hint2 = t("Exit_Hint2", "Return to RoomNo. Setting");
    r.ListOfBuildings = t("ListOfBuildings", "List Of Buildings");
    r.ListOfRooms = t("ListOfRooms", "List Of Rooms");
    r.msgPublicDoor = t("msgPublicDoor", "* means SET, # means OPEN");
    r.BldNo = t("BldNo", "No.");
    r.BldName = t("BldName", "Name");
    r.FlrNo = t("FlrNo", "Floor No.");
    r.RoomNo = t("RoomNo", "Room No.");
    r.Type = t("Type", "Type");
    r.Price = t("Price", "Day Price");
    r.HourRateStartup = t("HourRateStartup", "Hour Rate Start-up");
    r.HourRatePrice = t("HourRatePrice", " Hour Rate Price");
    r.Status = t("Status", "Status");
    r.CardNum = t("CardNum", "Cards Num");
    r.LockNo = t("LockNo", "Lock No.");
    r.AddBld = t("AddBld", "Insert a New Building");
    r.AddBld_Hint = t("AddBld_Hint", "Add a new building");
    r.DelBld = t("DelBld", "Remove a Building");
    r.DelBld_Hint = t("DelBld_Hint", "Delete a Exist Building");
    r.ModiBld = t("ModiBld", "Modify Building Name");
    r.ModiBld_Hint = t("ModiBld_Hint", "Modify the name of building");
    r.AddRoom = t("AddRoom", "Insert Room(s)");
    r.AddRoom_Hint = t("AddRoom_Hint", "Add one room or batch rooms");
    r.DelRoom = t("DelRoom", "Remove a Room");
    r.DelRoom_Hint = t("DelRoom_Hint", "Delete a Exist Room");
    r.ModiRoom = t("ModiRoom", "Modify Room Information");
    r.ModiRoom_Hint = t("ModiRoom_Hint", "Modify Room Information Select");
    r.msgDelBld = t("msgDelBld", "Are you sure to remove the selected building?");
    r.msgDelBldAll = t("msgDelBldAll", "All guestrooms in this building will be deleted. Do you still want to delete it?");
    r.msgDelRoom = t("msgDelRoom", "Are you sure to remove the selected Room?");
    r.msgAddBld = t("msgAddBld", "Please add building(s) and guestroom(s)");
    r.msgTogglePublic = t("msgTogglePublic", "Are you sure toggle this door to Public-Door?");
    r.InputBldNo = t("InputBldNo", "Please specify the Building No. between 0-15.");
    r.InputBldName = t("InputBldName", "Please enter the name of building.");
    r.InputFlrNo = t("InputFlrNo", "Please specify the Floor No. between 0-98 or input the Floor range such as 1-16");
    r.InputRomID = t("InputRomID", "Please specify the Index No. of guestrooms between 0-98. ");
    r.InputRomID2 = t("InputRomID2", "Please specify the 2nd Index No. of guestrooms between 0-98.");
    r.InputRoomNo = t("InputRoomNo", "Please specify the Guestroom No. or room range such as 101-1620");
    r.InputType = t("InputType", "Please specify the guestroom Type.");
    r.InputPrice = t("InputPrice", "Please specify the guestroom Rate.");
    r.InputMaxCardNum = t("InputMaxCardNum", "Please specify the Card Number");
    r.ErrInputBldNo = t("ErrInputBldNo", "Please specify the Building No. between 0-15.");
    r.ErrAddBld = t("ErrAddBld", "Added building not successfully. Please check the Building No.");
    r.ErrAddRoom = t("ErrAddRoom", "Added guestrooms not successfully. Please check Index No.");
    r.ErrModiRoom = t("ErrModiRoom", "Modified guestrooms information not successfully. Please check Index No.");
    return r;
}
