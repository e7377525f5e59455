#pragma once

#include <QString>
#include <QStringList>

// The texts of the reports screen, its export and its record upload, read when
// the screen (or the admin tool's report) is made.
struct ReportsTexts {
    QString Title;
    QString CardsReport, GuestsReport, OpenReport;
    QString CheckIn, CheckOut, Type, RoomNo, GongHao, GuestName, OrderBy;
    QString OK, OK_Hint, Cancel, Cancel_Hint, Option, Option_Hint, UpLoad, UpLoad_Hint;
    QString Print, Print_Hint, Excel, Excel_Hint, Delete, Delete_Hint, Exit, Exit_Hint;
    QString Search, Search_Hint;
    QString All, OpenTime;
    QString Holder, BeiZhu, Status, CardData, CardID, Time, KeyOpen;
    QString msgDelRecord, msgDelRecord1, msgDelRecord2;
    // The stay flags as shown, in the order of the stored flags of GuestFlagValues().
    QStringList flagNames;
    // Guests report headers from the front desk's texts.
    QString lblCheckIn, lblCheckOut, Memo, Sex, CType, CNo, Price, Deposit;
    QString TimeExport, ExcelOK, ExcelRow;
    QString errRecorder1, errRecorder2, errRecorder3, msgRecorder1, msgRecorder2;
};

ReportsTexts ReadReportsTexts();

// The six stored stay flags, in the order of ReportsTexts::flagNames.
QStringList GuestFlagValues();
