#include "tools/admin/checkincommand.h"

#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/clock.h"
#include "core/consoleport.h"
#include "core/rights.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/receiption/stayrules.h"
#include "screens/receiption/walkin.h"
#include "store/database.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "tools/admin/operatorlogon.h"

#include <cstdio>

namespace {

// The operator of the code, with the right to check guests in.
bool takeOperator(const QString &code)
{
    if (!TakeOperator(code))
        return false;
    if (!HasRight(kWalkInRight))
        return RefuseCommand(QStringLiteral("the role of %1 has no right to check guests in").arg(code));
    return true;
}

// The walk-in panel on the room, as the operator would fill it.
bool openRoom(const CheckInOptions &options, IssueRequest *request)
{
    ptrAryRoom = GetPointerOfAryRoom(ByBldRoomNo, options.room);
    if (ptrAryRoom < 0)
        return false;
    curMenu = QStringLiteral("WalkIn");
    curRoom = aryRoom[ptrAryRoom];
    LoadRoomGuests(curRoom.BldRoomNo);
    request->roomNoText = curRoom.BldRoomNo;
    request->cover = options.cover.value_or(CoverTickedFor(curRoom));
    Currency price;
    int listed = -1;
    for (int i = 0; i < lenAryGuest && !options.name.isEmpty(); ++i) {
        if (aryGuest[i].Name == options.name) {
            listed = i;
            break;
        }
    }
    GuestFields &fields = request->guest;
    if (listed >= 0) {
        // A further card for a guest of the room goes on with that stay.
        ptrAryGuest = listed;
        const TGuestInfo &guest = aryGuest[listed];
        fields.name = guest.Name;
        fields.sex = guest.Sex;
        fields.cType = guest.CType;
        fields.cNo = guest.CNo;
        fields.deposit = guest.YaJin.toString();
        fields.memo = guest.BeiZhu;
        fields.checkIn = DateTimeText(guest.ComeTime);
        fields.listedGuest = true;
        request->checkOut = guest.GoTime;
        price = guest.Price;
    } else {
        fields.name = options.name;
        const StayEnd stay = StayOf(1, false, false, Clock().now(), curRoom);
        request->checkOut = stay.checkOut;
        price = stay.price;
    }
    if (options.out)
        request->checkOut = *options.out;
    fields.price = options.price.value_or(price).toString();
    return true;
}

} // namespace

int RunCheckIn(const CheckInOptions &options)
{
    static ConsolePort port(options.yes ? ConsolePort::Answers::Confirm : ConsolePort::Answers::Preselected);
    SetOperatorPort(&port);
    BuildFlag = options.server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    LoadSharedTexts();
    TData1 data;
    if (!Db().isOpen() || !LoadAryRoom() || !takeOperator(options.operatorCode))
        return 1;
    IssueRequest request;
    if (!openRoom(options, &request))
        return 1;
    OpenEncoder();
    if (EncoderMode >= 0)
        Encoder::IniCard(EncoderMode, 2, ReaderInfo);
    if (!IssueGuestCard(request, ReadDeskTexts()))
        return 1;
    std::printf("CardID=%s\n", qPrintable(curCard.CardID));
    return 0;
}
