#include "store/transaction.h"

#include "store/connection.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

bool transactionOpen = false;

} // namespace

Transaction::~Transaction()
{
    if (m_open)
        rollback();
}

bool Transaction::begin(QString *error)
{
    if (!Db().transaction()) {
        *error = Db().lastError().text();
        return false;
    }
    m_open = true;
    transactionOpen = true;
    return true;
}

bool Transaction::commit(QString *error)
{
    if (Db().commit()) {
        m_open = false;
        transactionOpen = false;
        return true;
    }
    *error = Db().lastError().text();
    rollback();
    return false;
}

void Transaction::rollback()
{
    Db().rollback();
    m_open = false;
    transactionOpen = false;
}

bool InTransaction()
{
    return transactionOpen;
}

Savepoint::Savepoint(const QString &name) : m_name(name)
{
    if (!InTransaction())
        return;
    // A savepoint the database refuses is no savepoint: a failing step then
    // fails the transaction, which reports itself.
    m_open = run(QStringLiteral("SAVEPOINT ") + m_name);
}

Savepoint::~Savepoint()
{
    if (m_open)
        run(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
}

void Savepoint::undo()
{
    if (m_open)
        run(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_name);
}

bool Savepoint::run(const QString &statement)
{
    QSqlQuery query(Db());
    return query.exec(statement);
}
