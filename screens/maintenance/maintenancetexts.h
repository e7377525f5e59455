#pragma once

#include <QString>

// The texts of the system-maintenance screen: the frame, the Options page and
// the Operator Management page, read when the screen is created.
struct TMaintenanceTexts {
    // [SYSTEMMAINTENANCE]
    QString Title;
    QString Save;
    QString Save_Hint;
    QString Exit;
    QString Exit_Hint;
    QString ReturnToDefault;
    QString ReturnToDefault_Hint;
    QString msgSaveSuccess;
    // [OPTIONS]
    QString OptionsTitle;
    QString HotelName;
    QString CheckOut;
    QString VIPCheckOut;
    QString BakPath;
    QString CheckOutToVC;
    QString CheckOutToVC_Hint;
    QString CheckOutToVD;
    QString CheckOutToVD_Hint;
    QString GuestLLock;
    QString GuestLLock_Hint;
    QString ExtraOptions;
    QString Alarm;
    QString Remind;
    QString NoDisturb;
    QString Knob;
    QString Music;
    QString Cover;
    // [OPERATORMANAGEMENT]
    QString OperatorsTitle;
    QString ListOfOperators;
    QString OprtType;
    QString AddOprt;
    QString AddOprt_Hint;
    QString RemoveOprt;
    QString RemoveOprt_Hint;
    QString ModiOprt;
    QString ModiOprt_Hint;
    QString GongHao;
    QString Name;
    QString BeiZhu;
    QString SuperAdmin;
    QString Admin;
    QString Manager;
    QString GenOprt;
    QString InputGongHao;
    QString InputName;
    QString InputBeiZhu;
    QString InputQuanXian; // the whole role prompt: the question, then one line per role letter
    QString ErrAddOprt;
    QString ErrModiOprt;
    QString msgDelOprt;
};

TMaintenanceTexts ReadMaintenanceTexts();
