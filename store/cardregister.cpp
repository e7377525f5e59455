#include "store/cardregister.h"

#include "core/hexdigits.h"
#include "core/operatorport.h"
#include "core/records.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/connection.h"
#include "store/dbfailure.h"
#include "store/nextid.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace {

constexpr int kMaxMemo = 100;
constexpr int kMaxStatus = 50;

const QString kLargestCardId = QStringLiteral("SELECT MAX(ID) as MaxID FROM CardInfo");

// The first length digits are all F.
bool isNoTime(const QString &digits, int length)
{
    return digits.size() >= length && digits.left(length).compare(QString(length, u'F'), Qt::CaseInsensitive) == 0;
}

// Builds a date-time from its fields; the reason in why when a field does not
// make a date or a time.
std::optional<QDateTime> makeTime(int year, int month, int day, int hour, int minute, int second, QString *why)
{
    if (month < 1 || month > 12) {
        *why = QStringLiteral("Invalid month %1").arg(month);
        return std::nullopt;
    }
    if (!QDate::isValid(year, month, day)) {
        *why = QStringLiteral("Invalid day %1 of %2-%3").arg(day).arg(year).arg(month, 2, 10, QLatin1Char('0'));
        return std::nullopt;
    }
    if (!QTime::isValid(hour, minute, second)) {
        *why = QStringLiteral("Invalid time %1:%2:%3").arg(hour).arg(minute).arg(second);
        return std::nullopt;
    }
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

} // namespace

bool InsertCardInfo()
{
    BusyCursor busy;
    QSqlDatabase db = Db();
    QString error;
    int id = ReadNextId(db, kLargestCardId, &error);
    bool ok = id > 0;
    if (ok) {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO CardInfo VALUES(:ID,:CardData,:Holder,:Operator,:BeiZhu,:Status)"));
        insert.bindValue(QStringLiteral(":CardData"), curCard.CardData);
        insert.bindValue(QStringLiteral(":Holder"), curCard.Holder);
        insert.bindValue(QStringLiteral(":Operator"), curOperator.GongHao);
        insert.bindValue(QStringLiteral(":BeiZhu"), curCard.BeiZhu.left(kMaxMemo));
        insert.bindValue(QStringLiteral(":Status"), curCard.Status.left(kMaxStatus));
        ok = InsertWithNextId(db, kLargestCardId, insert, &id, &error);
    }
    if (ok)
        return true;
    ShowError(QStringLiteral("E0044"),
              DbFailureText(QStringLiteral("Insert CardInfo Failure\n"), error,
                            {QStringLiteral("ID:  %1").arg(id), QStringLiteral("CardData: ") + curCard.CardData,
                             QStringLiteral("Holder: ") + curCard.Holder,
                             QStringLiteral("Operator: ") + curOperator.Name,
                             QStringLiteral("BeiZhu: ") + curCard.BeiZhu,
                             QStringLiteral("Status: ") + curCard.Status}));
    return false;
}

bool MarkCardErased(const QString &cardData)
{
    BusyCursor busy;
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE CardInfo SET Status=:a WHERE CardData=:a1"));
    update.bindValue(QStringLiteral(":a"), Common.CardStatus_Erased);
    update.bindValue(QStringLiteral(":a1"), cardData);
    if (update.exec())
        return true;
    ShowError(QStringLiteral("E0045"),
              DbFailureText(QStringLiteral("Update CardInfo Failure\n"), update.lastError().text(),
                            {QStringLiteral("Status: ") + Common.CardStatus_Erased,
                             QStringLiteral("CardID:  ") + cardData}));
    return false;
}

int LoadCardInfo(const QString &cardData)
{
    curCard.Holder.clear();
    curCard.BeiZhu.clear();
    curCard.Status.clear();
    curCard.GongHao.clear();
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM CardInfo WHERE CardData=:a"));
    query.bindValue(QStringLiteral(":a"), cardData);
    if (!query.exec()) {
        ShowError(QStringLiteral("E0071"), DbFailureText(QStringLiteral("Read CardInfo Failure\n"), query.lastError().text(),
                                                         {QStringLiteral("CardData: ") + cardData}));
        return 0;
    }
    if (!query.next())
        return 0;
    curCard.Holder = query.value(QStringLiteral("Holder")).toString();
    curCard.BeiZhu = query.value(QStringLiteral("BeiZhu")).toString();
    curCard.Status = query.value(QStringLiteral("Status")).toString();
    curCard.GongHao = query.value(QStringLiteral("GongHao")).toString();
    return query.value(QStringLiteral("ID")).toInt();
}

namespace {

struct CardColumns {
    explicit CardColumns(const QSqlRecord &record)
        : ID(record.indexOf(QStringLiteral("ID"))), CardData(record.indexOf(QStringLiteral("CardData"))),
          Holder(record.indexOf(QStringLiteral("Holder"))), GongHao(record.indexOf(QStringLiteral("GongHao"))),
          BeiZhu(record.indexOf(QStringLiteral("BeiZhu"))), Status(record.indexOf(QStringLiteral("Status")))
    {
    }
    int ID, CardData, Holder, GongHao, BeiZhu, Status;
};

CardRegisterRow readCardRow(const QSqlQuery &query, const CardColumns &c)
{
    CardRegisterRow row;
    row.ID = query.value(c.ID).toInt();
    row.CardData = query.value(c.CardData).toString();
    row.Holder = query.value(c.Holder).toString();
    row.GongHao = query.value(c.GongHao).toString();
    row.BeiZhu = query.value(c.BeiZhu).toString();
    row.Status = query.value(c.Status).toString();
    return row;
}

} // namespace

bool ReadCardRegister(const QString &gongHao, const std::function<void(const CardRegisterRow &)> &take,
                      QString *sql, QString *error)
{
    *sql = QStringLiteral("SELECT * FROM CardInfo");
    if (!gongHao.isEmpty())
        *sql += QStringLiteral(" WHERE GongHao=:a");
    *sql += QStringLiteral(" ORDER BY ID DESC");
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.prepare(*sql);
    if (!gongHao.isEmpty())
        query.bindValue(QStringLiteral(":a"), gongHao);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    const CardColumns columns(query.record());
    while (query.next())
        take(readCardRow(query, columns));
    return true;
}

bool FindCardById(const QString &cardId, std::optional<CardRegisterRow> *row, QString *error)
{
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT * FROM CardInfo WHERE Mid(CardData,19,8)=:a ORDER BY ID"));
    query.bindValue(QStringLiteral(":a"), cardId);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    row->reset();
    if (query.next())
        *row = readCardRow(query, CardColumns(query.record()));
    return true;
}

bool DeleteCardInfo(int id, QString *error)
{
    QSqlQuery remove(Db());
    remove.prepare(QStringLiteral("DELETE FROM CardInfo WHERE ID=:a"));
    remove.bindValue(QStringLiteral(":a"), id);
    if (remove.exec())
        return true;
    *error = remove.lastError().text();
    return false;
}

bool ReadRecordOpen(QList<RecordOpenRow> *rows, QString *sql, QString *error)
{
    rows->clear();
    *sql = QStringLiteral("SELECT * FROM RecordOpen ORDER BY OrderFlag, OpenTime DESC");
    QSqlQuery query(Db());
    query.setForwardOnly(true);
    if (!query.exec(*sql)) {
        *error = query.lastError().text();
        return false;
    }
    const QSqlRecord record = query.record();
    const int orderFlag = record.indexOf(QStringLiteral("OrderFlag"));
    const int recData = record.indexOf(QStringLiteral("RecData"));
    const int openTime = record.indexOf(QStringLiteral("OpenTime"));
    while (query.next())
        rows->append({query.value(orderFlag).toInt(), query.value(recData).toString(),
                      DateTimeFromSql(query.value(openTime))});
    return true;
}

int ReadDai(int cardType)
{
    BusyCursor busy;
    QSqlQuery query(Db());
    query.prepare(QStringLiteral("SELECT * FROM Dai WHERE CardType=:a"));
    query.bindValue(QStringLiteral(":a"), cardType);
    int rows = 0;
    int dai = -1;
    const bool read = query.exec();
    while (read && query.next()) {
        ++rows;
        dai = query.value(QStringLiteral("Dai")).toInt();
    }
    if (read && rows == 1)
        return dai;
    QString text = QStringLiteral("System Error---E0039\n\nCardType:  %1\nRecordCount:  %2").arg(cardType).arg(rows);
    if (!read)
        text += u'\n' + query.lastError().text();
    ShowError(QStringLiteral("E0039"), text);
    return -1;
}

bool WriteDai(int cardType, int dai)
{
    BusyCursor busy;
    QSqlQuery update(Db());
    update.prepare(QStringLiteral("UPDATE Dai SET Dai=:a WHERE CardType=:a1"));
    update.bindValue(QStringLiteral(":a"), dai);
    update.bindValue(QStringLiteral(":a1"), cardType);
    if (update.exec())
        return true;
    ShowError(QStringLiteral("E0040"),
              DbFailureText(QStringLiteral("Update Dai Failure\n"), update.lastError().text(),
                            {QStringLiteral("Dai: %1").arg(dai), QStringLiteral("CardType: %1").arg(cardType)}));
    return false;
}

bool InsertRecordOpen(int orderFlag, const QString &recData, const QDateTime &openTime)
{
    BusyCursor busy;
    QSqlQuery insert(Db());
    insert.prepare(QStringLiteral("INSERT INTO RecordOpen VALUES(:OrderFlag,:RecData,:OpenTime)"));
    insert.bindValue(QStringLiteral(":OrderFlag"), orderFlag);
    insert.bindValue(QStringLiteral(":RecData"), recData);
    insert.bindValue(QStringLiteral(":OpenTime"), openTime);
    if (insert.exec())
        return true;
    ShowError(QStringLiteral("E0054"),
              DbFailureText(QStringLiteral("Insert RecordOpen Failure\n"), insert.lastError().text(),
                            {QStringLiteral("OrderFlag: %1").arg(orderFlag), QStringLiteral("RecData: ") + recData,
                             QStringLiteral("OpenTime: ") + DateTimeText(openTime)}));
    return false;
}

bool ClearRecordOpen()
{
    BusyCursor busy;
    QSqlQuery remove(Db());
    if (remove.exec(QStringLiteral("DELETE FROM RecordOpen")))
        return true;
    ShowError(QStringLiteral("E0055"),
              DbFailureText(QStringLiteral("Delete RecordOpen Failure\n"), remove.lastError().text(), {}));
    return false;
}

QDateTime NoCardTime()
{
    return QDateTime(QDate(1899, 12, 1), QTime(0, 0));
}

QDateTime DecodeCardTime(bool showError, const QString &digits)
{
    if (digits.size() == 6 && isNoTime(digits, 6))
        return NoCardTime();
    const std::optional<int> packed = digits.size() == 6 ? HexValue(digits) : std::nullopt;
    QString why = QStringLiteral("Invalid packed time");
    std::optional<QDateTime> time;
    if (packed) {
        const int year = 2014 + ((*packed >> 20) & 0x0F);
        const int month = (*packed >> 16) & 0x0F;
        const int day = (*packed >> 11) & 0x1F;
        const int hour = (*packed >> 6) & 0x1F;
        const int minute = *packed & 0x3F;
        time = makeTime(year, month, day, hour, minute, 0, &why);
    }
    if (time)
        return *time;
    if (showError)
        ShowError(QStringLiteral("E0043"), QStringLiteral("System Error---E0043\n\n") + why + QStringLiteral("\n\n") + digits);
    return DateTimeZero();
}

QDateTime DecodeRecordTime(const QString &digits)
{
    if (isNoTime(digits, 4))
        return NoCardTime();
    if (digits.size() < 12)
        return DateTimeZero();
    int fields[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<int> value = HexValue(QStringView(digits).mid(2 * i, 2));
        if (!value)
            return DateTimeZero();
        fields[i] = *value;
    }
    QString why;
    return makeTime(2014 + fields[0], fields[1], fields[2], fields[3], fields[4], fields[5] / 4, &why)
        .value_or(DateTimeZero());
}
