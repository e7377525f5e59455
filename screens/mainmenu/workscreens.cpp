#include "screens/mainmenu/workscreens.h"

#include <QDialog>
#include <QMap>

namespace {

QMap<WorkArea, WorkScreenMaker> &makers()
{
    static QMap<WorkArea, WorkScreenMaker> registered;
    return registered;
}

} // namespace

void RegisterWorkScreen(WorkArea area, WorkScreenMaker maker)
{
    if (maker)
        makers().insert(area, std::move(maker));
    else
        makers().remove(area);
}

bool HasWorkScreen(WorkArea area)
{
    return makers().contains(area);
}

std::unique_ptr<QDialog> MakeWorkScreen(WorkArea area, QWidget *parent)
{
    const auto found = makers().constFind(area);
    if (found == makers().constEnd())
        return nullptr;
    return std::unique_ptr<QDialog>((*found)(parent));
}
