#include "store/nextid.h"

#include "core/clock.h"

#include <QRandomGenerator>
#include <QSqlError>

int ReadNextId(QSqlDatabase db, const QString &largestSql, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(largestSql) || !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt() + 1;
}

bool InsertWithNextId(QSqlDatabase db, const QString &largestSql, QSqlQuery &insert, int *id, QString *error)
{
    for (int attempt = 1;; ++attempt) {
        insert.bindValue(QStringLiteral(":ID"), *id);
        if (insert.exec())
            return true;
        *error = insert.lastError().text();
        if (attempt == kNextIdAttempts)
            return false;
        // Desks that collided once would collide again if they retried in
        // step: each waits a random while, longer after every collision, and
        // then reads the largest ID afresh.
        Clock().wait(static_cast<int>(QRandomGenerator::global()->bounded(1u << attempt)));
        // Only a number that someone else took is worth another try: any other
        // failure leaves the largest ID below the one tried.
        QString readError;
        const int next = ReadNextId(db, largestSql, &readError);
        if (next <= *id)
            return false;
        *id = next;
    }
}
