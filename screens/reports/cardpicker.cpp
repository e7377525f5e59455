#include "screens/reports/cardpicker.h"

#include "core/state.h"
#include "screens/reports/reports.h"

QString PickCardFromReports(QWidget *parent)
{
    curCard.CardID.clear();
    isSearchCardNo = true;
    {
        TfrmReports picker(parent);
        picker.exec();
    }
    isSearchCardNo = false;
    return curCard.CardID;
}
