#include "screens/maintenance/maintenancetexts.h"

#include "core/texts.h"

TMaintenanceTexts ReadMaintenanceTexts()
{
    const InterfaceTexts frame = InterfaceTexts::section("SYSTEMMAINTENANCE");
    const InterfaceTexts options = InterfaceTexts::section("OPTIONS");
    const InterfaceTexts operators = InterfaceTexts::section("OPERATORMANAGEMENT");
    const auto prompt = [&operators](const char *key, const char *def) { return operators(key, def) + u'\n'; };

    TMaintenanceTexts t;
    t.Title = frame("Title", "System Maintenance");
    t.Save = frame("Save", "Save");
    t.Save_Hint = frame("Save_Hint", "Save Data");
    t.Exit = frame("Exit", "Return to Main") + QStringLiteral("[&X]");
    t.Exit_Hint = frame("Exit_Hint", "Return to Main Menu");
    t.ReturnToDefault = frame("ReturnToDefault", "Return To Default");
    t.ReturnToDefault_Hint = frame("ReturnToDefault_Hint", "Set Extra Options to Default");
    t.msgSaveSuccess = frame("msgSaveSuccess", "Saved Successfully");

    t.OptionsTitle = options("Title", "Options");
    t.HotelName = options("HotelName", "Hotel Name");
    t.CheckOut = options("CheckOut", "Check-Out");
    t.VIPCheckOut = options("VIPCheckOut", "VIP Check-Out");
    t.BakPath = options("BakPath", "Path of DB Backup");
    t.CheckOutToVC = options("CheckOutToVC", "Check-out to vacant status");
    t.CheckOutToVC_Hint = options("CheckOutToVC_Hint", "Check-out to vacant status");
    t.CheckOutToVD = options("CheckOutToVD", "Check-out to cleaning status");
    t.CheckOutToVD_Hint = options("CheckOutToVD_Hint", "Check-out to cleaning status");
    t.GuestLLock = options("GuestLLock", "Guest card can open the door which deadbolt is locked");
    t.GuestLLock_Hint = options("GuestLLock_Hint", "Guest card can open when the deadbolt is locked");
    t.ExtraOptions = options("ExtraOptions", "Extra Options");
    t.Alarm = options("Alarm", "Alarm while Lockpin forced");
    t.Remind = options("Remind", "Remind to close door");
    t.NoDisturb = options("NoDisturb", "Do not Disturb");
    t.Knob = options("Knob", "Lock After Release Knob");
    t.Music = options("Music", "Music");
    t.Cover = options("Cover", "Ignore Overwrite Function");

    t.OperatorsTitle = operators("Title", "Operator Management");
    t.ListOfOperators = operators("ListOfOperators", "List Of Operators");
    t.OprtType = operators("OprtType", "Type of Operator");
    t.AddOprt = operators("AddOprt", "Add a New Operator");
    t.AddOprt_Hint = operators("AddOprt_Hint", "Insert a New Operator");
    t.RemoveOprt = operators("RemoveOprt", "Remove a Operator");
    t.RemoveOprt_Hint = operators("RemoveOprt_Hint", "Remove Operator Selected");
    t.ModiOprt = operators("ModiOprt", "Modify Operator Information");
    t.ModiOprt_Hint = operators("ModiOprt_Hint", "Modify Operator Data");
    t.GongHao = operators("GongHao", "Code");
    t.Name = operators("Name", "Name");
    t.BeiZhu = operators("BeiZhu", "Memo");
    t.SuperAdmin = operators("SuperAdmin", "Super Administrator");
    t.Admin = operators("Admin", "Administrator");
    t.Manager = operators("Manager", "Manager");
    t.GenOprt = operators("GenOprt", "General Operator");
    t.InputGongHao = prompt("InputGongHao", "Please Input Code");
    t.InputName = prompt("InputName", "Please Input Name");
    t.InputBeiZhu = prompt("InputBeiZhu", "Please Input Memo");
    t.InputQuanXian = prompt("InputQuanXian", "Please Input Type");
    t.InputQuanXian += u'\n' + prompt("InputQuanXian_S", "S: Super Administrator");
    t.InputQuanXian += u'\n' + prompt("InputQuanXian_A", "A: Administrator");
    t.InputQuanXian += u'\n' + prompt("InputQuanXian_M", "M: Manager");
    t.InputQuanXian += u'\n' + prompt("InputQuanXian_G", "G: General Operator");
    t.ErrAddOprt = operators("ErrAddOprt", "Add New Operator Failure");
    t.ErrModiOprt = operators("ErrModiOprt", "Modify Operator Failure");
    t.msgDelOprt = operators("msgDelOprt", "Are you sure to remove the operator?");
    return t;
}
