#include "screens/receiption/desktransaction.h"

#include "core/operatorport.h"
#include "store/dbfailure.h"

namespace {

void showFailure(const QString &firstLine, const QString &error, const QStringList &values)
{
    ShowError(QStringLiteral("E0095"), DbFailureText(firstLine, error, values));
}

} // namespace

bool DeskTransaction::begin()
{
    QString error;
    if (m_transaction.begin(&error))
        return true;
    showFailure(QStringLiteral("Begin Transaction Failure\n"), error, m_values);
    return false;
}

bool DeskTransaction::commit()
{
    QString error;
    if (m_transaction.commit(&error))
        return true;
    showFailure(QStringLiteral("Commit Transaction Failure\n"), error, m_values);
    return false;
}
