#pragma once

#include "store/transaction.h"

#include <QStringList>

// A transaction of a front-desk operation: a begin or commit the database
// refuses is shown in its box (E0095) with the values that say what was being
// written. What is not committed is rolled back when it goes.
class DeskTransaction {
public:
    explicit DeskTransaction(QStringList values) : m_values(std::move(values)) {}

    bool begin();
    bool commit();

private:
    Transaction m_transaction;
    QStringList m_values;
};
