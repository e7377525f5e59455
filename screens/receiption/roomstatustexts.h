#pragma once

#include <QString>
#include <QStringList>

// The texts of room status setting: the status-setting panel's captions and
// guide, and the messages of the operation, which the admin tool shows too.
struct RoomStatusTexts {
    // Messages.
    QString msgModiRoomStatus, msgSelectRoom, InputOOInfo;
    // The grid's header, the first column (the mark) without a title.
    QStringList headers;
    // The room number's title, also quoted in the question.
    QString RoomNo;
    QString GuideTitle, CloseModiRoomStatus, CloseModiRoomStatus_Hint;
    // The four lines of the guide.
    QStringList guide;
};

RoomStatusTexts ReadRoomStatusTexts();
