#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

// The six work areas the main menu opens. Each work screen lives in its own
// library above the frame, so the program registers at start the screens it
// is built with; the menu opens an area only when its screen is registered.
enum class WorkArea { Receiption, RoomsDefination, LocksConfiguration, KeysForStaff, SystemMaintenance, Reports };

using WorkScreenMaker = std::function<QDialog *(QWidget *parent)>;

// An empty maker takes the area's screen away again.
void RegisterWorkScreen(WorkArea area, WorkScreenMaker maker);
bool HasWorkScreen(WorkArea area);

// A fresh screen of the area, or none when no screen is registered for it.
std::unique_ptr<QDialog> MakeWorkScreen(WorkArea area, QWidget *parent);
