#include "store/operators.h"

#include "core/operatorport.h"
#include "core/state.h"
#include "store/connection.h"
#include "store/dbfailure.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace {

const QString kRolePrefix = QStringLiteral("proQuanXian_");
const QString kAutoSuper = QStringLiteral("Super");

TOperatorInfo readRow(const QSqlQuery &query)
{
    const QSqlRecord record = query.record();
    TOperatorInfo op;
    op.GongHao = record.value(QStringLiteral("GongHao")).toString();
    op.Name = record.value(QStringLiteral("Name")).toString();
    op.MiMa = record.value(QStringLiteral("MiMa")).toString();
    op.QuanXian = record.value(QStringLiteral("QuanXian")).toString();
    op.BeiZhu = record.value(QStringLiteral("BeiZhu")).toString();
    return op;
}

void showReadFailure(const QSqlQuery &query)
{
    ShowError(QStringLiteral("E0027"),
              DbFailureText(QStringLiteral("Read OperatorInfo Failure\n"), query.lastError().text(), {}));
}

// The row of code, when there is one.
std::optional<TOperatorInfo> findRow(const QString &code, bool *readOk)
{
    BusyCursor busy;
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM OperatorInfo WHERE GongHao=:a"));
    query.bindValue(QStringLiteral(":a"), code);
    *readOk = query.exec();
    if (!*readOk) {
        showReadFailure(query);
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return readRow(query);
}

// Empty texts are stored as empty texts, not as NULL.
QVariant textValue(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

bool execWith(const QString &sql, const QList<QPair<QString, QVariant>> &values, QString *error,
              int *rowsAffected = nullptr)
{
    BusyCursor busy;
    QSqlQuery query(Db());
    query.prepare(sql);
    for (const auto &[name, value] : values)
        query.bindValue(name, value);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    return true;
}

} // namespace

QString RoleRowCode(const QString &role)
{
    return kRolePrefix + role;
}

bool IsRoleRowCode(const QString &code)
{
    return code.startsWith(kRolePrefix, Qt::CaseInsensitive);
}

bool IsSuperCode(const QString &code)
{
    return code.compare(QLatin1String("SUPER"), Qt::CaseInsensitive) == 0;
}

bool LoadOperatorCodes(QStringList &list)
{
    list.clear();
    QList<TOperatorInfo> rows;
    if (!ReadOperators(false, &rows))
        return true;
    bool superFound = false;
    for (const TOperatorInfo &op : rows) {
        if (op.GongHao == kAutoSuper) {
            superFound = true;
            continue;
        }
        list.append(op.GongHao);
        // "SUPER" in another case has every right too, and the database would
        // refuse a "Super" beside it.
        if (op.QuanXian.compare(QLatin1String("S"), Qt::CaseInsensitive) == 0 || IsSuperCode(op.GongHao))
            superFound = true;
    }
    return superFound;
}

bool LoadOperator(const QString &code)
{
    curOperator.Name.clear();
    curOperator.BeiZhu.clear();
    curOperator.MiMa.clear();
    curOperator.QuanXian = QStringLiteral("0");
    strQX = QString(kNoRoleRightsLength, u'0');
    if (IsRoleRowCode(code))
        return false;
    bool readOk = false;
    const std::optional<TOperatorInfo> row = findRow(code, &readOk);
    if (!row)
        return false;
    curOperator.Name = row->Name;
    curOperator.MiMa = row->MiMa;
    curOperator.QuanXian = row->QuanXian;
    curOperator.BeiZhu = row->BeiZhu;
    if (IsSuperCode(code)) {
        strQX = QString(kSuperRightsLength, u'1');
    } else if (const std::optional<TOperatorInfo> role = findRow(RoleRowCode(row->QuanXian), &readOk)) {
        strQX = role->BeiZhu;
    }
    return true;
}

bool InsertSuperOperator(QString *error)
{
    return InsertOperator({kAutoSuper, QStringLiteral("SuperAdministrator"), QString(), QStringLiteral("S"),
                           QStringLiteral("Auto")},
                          error);
}

bool ReadOperators(bool withRoleRows, QList<TOperatorInfo> *rows)
{
    rows->clear();
    BusyCursor busy;
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM OperatorInfo ORDER BY GongHao"))) {
        showReadFailure(query);
        return false;
    }
    while (query.next()) {
        TOperatorInfo op = readRow(query);
        if (withRoleRows || !IsRoleRowCode(op.GongHao))
            rows->append(std::move(op));
    }
    return true;
}

bool InsertOperator(const TOperatorInfo &op, QString *error)
{
    return execWith(QStringLiteral("INSERT INTO OperatorInfo VALUES(:GongHao,:Name,:MiMa,:QuanXian,:BeiZhu)"),
                    {{QStringLiteral(":GongHao"), textValue(op.GongHao)},
                     {QStringLiteral(":Name"), textValue(op.Name)},
                     {QStringLiteral(":MiMa"), textValue(op.MiMa)},
                     {QStringLiteral(":QuanXian"), textValue(op.QuanXian)},
                     {QStringLiteral(":BeiZhu"), textValue(op.BeiZhu)}},
                    error);
}

bool DeleteOperator(const QString &code, QString *error)
{
    return execWith(QStringLiteral("DELETE FROM OperatorInfo WHERE (GongHao=:a)"), {{QStringLiteral(":a"), code}},
                    error);
}

bool UpdateOperator(const QString &oldCode, const TOperatorInfo &op, QString *error)
{
    return execWith(
        QStringLiteral("UPDATE OperatorInfo SET GongHao=:a,Name=:b,BeiZhu=:c,QuanXian=:d WHERE (GongHao=:a1)"),
        {{QStringLiteral(":a"), textValue(op.GongHao)},
         {QStringLiteral(":b"), textValue(op.Name)},
         {QStringLiteral(":c"), textValue(op.BeiZhu)},
         {QStringLiteral(":d"), textValue(op.QuanXian)},
         {QStringLiteral(":a1"), oldCode}},
        error);
}

bool StorePassword(const QString &code, const QString &stored, QString *error)
{
    int rows = 0;
    if (!execWith(QStringLiteral("UPDATE OperatorInfo SET MiMa=:a WHERE GongHao=:a1"),
                  {{QStringLiteral(":a"), textValue(stored)}, {QStringLiteral(":a1"), code}}, error, &rows))
        return false;
    if (rows == 0) {
        *error = QStringLiteral("No operator has the code ") + code;
        return false;
    }
    return true;
}
