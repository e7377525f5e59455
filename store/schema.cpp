#include "store/schema.h"

#include "store/buildings.h"
#include "store/connection.h"
#include "store/rooms.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

const QStringList kTables = {
    QStringLiteral("BuildingInfo"), QStringLiteral("RoomInfo"), QStringLiteral("GuestInfo"),
    QStringLiteral("CardInfo"),     QStringLiteral("Dai"),      QStringLiteral("RecordOpen"),
    QStringLiteral("OperatorInfo"),
};

// Text compares without regard to case on both engines ("super" finds "Super");
// passwords are the exception and compare exactly.
const char *const kTableStatements[] = {
    "CREATE TABLE BuildingInfo (BldNo INTEGER NOT NULL PRIMARY KEY, BldName %TEXT%)",
    "CREATE TABLE RoomInfo (BldNo INTEGER NOT NULL, FlrNo INTEGER NOT NULL, RomID INTEGER NOT NULL,"
    " RomID2 INTEGER, RoomNo %TEXT%, sType %TEXT%, Status %TEXT%, Price Currency, Dai INTEGER,"
    " CardCount INTEGER, MaxCards INTEGER, PublicDoor INTEGER, BeiZhu %TEXT%, ReservCkIn DateTime NULL,"
    " FirstCkOut DateTime NULL, HourRateStartUp Currency NULL, HourRatePrice Currency NULL,"
    " PRIMARY KEY (BldNo, FlrNo, RomID))",
    "CREATE UNIQUE INDEX RoomInfo_BldNo_RoomNo ON RoomInfo (BldNo, RoomNo)",
    "CREATE TABLE GuestInfo (ID INTEGER NOT NULL PRIMARY KEY, BldRoomNo %TEXT%, Name %TEXT%, Sex %TEXT%,"
    " CType %TEXT%, CNo %TEXT%, ComeTime DateTime, GoTime DateTime, CardID %TEXT%, Flag %TEXT%,"
    " BeiZhu %TEXT%, Price Currency, YaJin Currency)",
    "CREATE INDEX GuestInfo_BldRoomNo ON GuestInfo (BldRoomNo)",
    "CREATE INDEX GuestInfo_CardID ON GuestInfo (CardID)",
    "CREATE INDEX GuestInfo_Flag ON GuestInfo (Flag)",
    "CREATE TABLE CardInfo (ID INTEGER NOT NULL PRIMARY KEY, CardData %TEXT%, Holder %TEXT%, GongHao %TEXT%,"
    " BeiZhu %TEXT%, Status %TEXT%)",
    "CREATE INDEX CardInfo_CardData ON CardInfo (CardData)",
    "CREATE TABLE Dai (CardType INTEGER NOT NULL PRIMARY KEY, Dai INTEGER)",
    "CREATE TABLE RecordOpen (OrderFlag INTEGER, RecData %TEXT%, OpenTime DateTime)",
    "CREATE TABLE OperatorInfo (GongHao %TEXT% NOT NULL PRIMARY KEY, Name %TEXT%, MiMa %EXACT%,"
    " QuanXian %TEXT%, BeiZhu %TEXT%)",
};

// What PostgreSQL needs before the tables: the type names and the function the
// statements use.
const char *const kServerPreamble[] = {
    "CREATE EXTENSION IF NOT EXISTS citext",
    "CREATE DOMAIN DateTime AS timestamp",
    "CREATE DOMAIN Currency AS numeric(19,4)",
    "CREATE OR REPLACE FUNCTION Mid(text, integer, integer) RETURNS text"
    " LANGUAGE sql IMMUTABLE AS 'SELECT substr($1, $2, $3)'",
};

const char *const kServerTeardown[] = {
    "DROP FUNCTION IF EXISTS Mid(text, integer, integer)",
    "DROP DOMAIN IF EXISTS DateTime",
    "DROP DOMAIN IF EXISTS Currency",
};

// Every kind that the staff-card and lock-configuration screens issue.
const int kIssuedKinds[] = {0, 1, 2, 3, 4, 5, 7, 8, 10, 11, 12, 13};

struct RoleRow {
    QChar letter;
    const char *name;
};

const RoleRow kRoles[] = {
    {u'S', "Super Administrator"},
    {u'A', "Administrator"},
    {u'M', "Manager"},
    {u'G', "General Operator"},
};

constexpr int kRightsLength = 80;

bool exec(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *error = query.lastError().text() + u'\n' + sql;
    return false;
}

QString dialect(const QSqlDatabase &db, const char *statement)
{
    const bool server = EngineOf(db) == Engine::PostgreSQL;
    return QString::fromLatin1(statement)
        .replace(QStringLiteral("%TEXT%"), server ? QStringLiteral("citext") : QStringLiteral("TEXT COLLATE NOCASE"))
        .replace(QStringLiteral("%EXACT%"), QStringLiteral("TEXT"));
}

QString rightsWith(std::initializer_list<std::pair<int, int>> enabledRanges)
{
    QString rights(kRightsLength, u'0');
    for (const auto &[first, last] : enabledRanges) {
        for (int position = first; position <= last; ++position)
            rights[position - 1] = u'1';
    }
    return rights;
}

bool insertRows(QSqlDatabase &db, QString *error)
{
    QSqlQuery dai(db);
    dai.prepare(QStringLiteral("INSERT INTO Dai (CardType, Dai) VALUES (:a, 0)"));
    for (int kind : kIssuedKinds) {
        dai.bindValue(QStringLiteral(":a"), kind);
        if (!dai.exec()) {
            *error = dai.lastError().text();
            return false;
        }
    }
    QSqlQuery role(db);
    role.prepare(QStringLiteral("INSERT INTO OperatorInfo VALUES (:a, :b, :c, :d, :e)"));
    for (const RoleRow &row : kRoles) {
        role.bindValue(QStringLiteral(":a"), QStringLiteral("proQuanXian_") + row.letter);
        role.bindValue(QStringLiteral(":b"), QLatin1String(row.name));
        role.bindValue(QStringLiteral(":c"), QString());
        role.bindValue(QStringLiteral(":d"), QString(row.letter));
        role.bindValue(QStringLiteral(":e"), DefaultRights(row.letter));
        if (!role.exec()) {
            *error = role.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace

QString DefaultRights(QChar role)
{
    switch (role.toUpper().unicode()) {
    case u'S':
        return QString(kRightsLength, u'1');
    case u'A': // everything but the management of operators
        return rightsWith({{1, 52}, {56, kRightsLength}});
    case u'M': // front desk and reports
        return rightsWith({{1, 1}, {6, 6}, {11, 17}, {61, 65}});
    case u'G': // front desk
        return rightsWith({{1, 1}, {11, 17}});
    default:
        return QString(kRightsLength, u'0');
    }
}

bool CreateSchema(QSqlDatabase &db, QString *error)
{
    if (EngineOf(db) == Engine::PostgreSQL) {
        for (const char *statement : kServerPreamble) {
            if (!exec(db, QLatin1String(statement), error))
                return false;
        }
    }
    for (const char *statement : kTableStatements) {
        if (!exec(db, dialect(db, statement), error))
            return false;
    }
    return insertRows(db, error);
}

bool DropSchema(QSqlDatabase &db, QString *error)
{
    for (const QString &table : kTables) {
        if (!exec(db, QStringLiteral("DROP TABLE IF EXISTS ") + table, error))
            return false;
    }
    if (EngineOf(db) == Engine::PostgreSQL) {
        for (const char *statement : kServerTeardown) {
            if (!exec(db, QLatin1String(statement), error))
                return false;
        }
    }
    return true;
}

bool HasSchema(const QSqlDatabase &db)
{
    for (const QString &existing : db.tables()) {
        if (kTables.contains(existing, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool InsertSampleProperty(QSqlDatabase &db, const QString &vacantStatus, QString *error)
{
    struct SampleBuilding {
        int bldNo;
        const char *name;
        int floors;
        int roomsPerFloor;
        const char *type;
        qint64 price;
    };
    const SampleBuilding buildings[] = {
        {1, "Main Building", 3, 8, "Standard", 288},
        {2, "Garden Wing", 2, 5, "Deluxe", 388},
    };
    for (const SampleBuilding &b : buildings) {
        if (!InsertBuilding(db, {b.bldNo, QLatin1String(b.name)}, error))
            return false;
        TRoomInfo room;
        room.BldNo = b.bldNo;
        room.sType = QLatin1String(b.type);
        room.Status = vacantStatus;
        room.Price = Currency::fromWhole(b.price);
        room.MaxCards = 3;
        for (int floor = 1; floor <= b.floors; ++floor) {
            for (int index = 1; index <= b.roomsPerFloor; ++index) {
                room.FlrNo = floor;
                room.RomID = index;
                room.RomID2 = index;
                room.RoomNo = QStringLiteral("%1%2").arg(floor).arg(index, 2, 10, QLatin1Char('0'));
                if (!InsertRoom(db, room, error))
                    return false;
            }
        }
    }
    return true;
}
