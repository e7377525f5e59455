#pragma once

#include "core/records.h"

#include <QList>
#include <QString>

class QSqlDatabase;

// The buildings of the property, table BuildingInfo. Each operation reports a
// database failure through error; the caller shows it in its own coded box.

// Every building in building-number order.
bool ReadBuildings(QList<TBuildingInfo> *rows, QString *error);
bool InsertBuilding(const TBuildingInfo &building, QString *error);
// The same on a connection of its own (a database being built).
bool InsertBuilding(const QSqlDatabase &db, const TBuildingInfo &building, QString *error);
bool UpdateBuildingName(int bldNo, const QString &name, QString *error);

// The two deletes of a building removal.
enum class BuildingPart { Row, Rooms };
// Deletes the building and every room in it as one transaction: both go, or,
// when either delete fails, neither. failed names the delete that failed.
bool DeleteBuildingWithRooms(int bldNo, BuildingPart *failed, QString *error);
