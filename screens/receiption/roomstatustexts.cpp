#include "screens/receiption/roomstatustexts.h"

#include "core/texts.h"

RoomStatusTexts ReadRoomStatusTexts()
{
    const InterfaceTexts t = InterfaceTexts::section("RECEIPTION");
    const InterfaceTexts rooms = InterfaceTexts::section("ROOMSDEFINATION");
    RoomStatusTexts r;
    r.msgModiRoomStatus = t("msgModiRoomStatus", "Are you sure to modify the Room Status?");
    r.msgSelectRoom = t("msgSelectRoom", "Please Select Room(s)");
    r.InputOOInfo = t("InputOOInfo", "Please enter the maintenance information");
    r.RoomNo = rooms("RoomNo", "Room No.");
    r.headers = {QString(), rooms("FlrNo", "Floor No."), r.RoomNo, rooms("Type", "Type"), rooms("Status", "Status"),
                 rooms("LockNo", "Lock No.")};
    r.GuideTitle = t("GuideTitle", "Guide");
    r.CloseModiRoomStatus = t("CloseModiRoomStatus", "Close");
    r.CloseModiRoomStatus_Hint = t("CloseModiRoomStatus_Hint", "Return to Receiption Bulletin");
    const QString indent = QStringLiteral("   ");
    r.guide = {
        t("Memo1", "Step 1: Select the guestroom that you want to set the status."),
        indent + t("Memo2", " Do the one of the following method 1.Double click the guestroom 2.Use the Up/Down "
                            "button to the guestroom, and then Enter 3.Press Shift + Up/Down button"),
        indent + QStringLiteral(" \"?\"") + t("Memo3", " means the selected guestrooms."),
        t("Memo4", "Step 2: Choose the room status at the right-hand side, -> means Successful"),
    };
    return r;
}
