#pragma once

#include <QString>

// Statements that belong together, on the shared connection. A transaction
// not committed is rolled back when its guard goes. Transactions do not nest.
class Transaction {
public:
    Transaction() = default;
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool begin(QString *error);
    // False (and the transaction rolled back) when the database refuses it.
    bool commit(QString *error);

private:
    void rollback();

    bool m_open = false;
};

// Whether a Transaction is open on the shared connection.
bool InTransaction();

// Inside a transaction, a step whose failure must not take the transaction
// with it: undo() takes back what it did and the transaction goes on. Outside
// a transaction it does nothing, as the step stands on its own there.
class Savepoint {
public:
    explicit Savepoint(const QString &name);
    ~Savepoint();
    Savepoint(const Savepoint &) = delete;
    Savepoint &operator=(const Savepoint &) = delete;

    void undo();

private:
    bool run(const QString &statement);

    QString m_name;
    bool m_open = false;
};
