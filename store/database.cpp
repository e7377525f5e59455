#include "store/database.h"

#include "core/operatorport.h"
#include "core/settings.h"

namespace {

const QString kDatabaseCaption = QStringLiteral("DATABASE");

// Asks for the server login until the operator says it is right, saving each
// round to System.ini. Cancel in a box keeps that value.
void askServerLogin()
{
    do {
        settings.TIP = InputBox(kDatabaseCaption, QStringLiteral("服务器IP"), settings.TIP);
        settings.TUIP = InputBox(kDatabaseCaption, QStringLiteral("SQL用户名"), settings.TUIP);
        settings.TUPW = InputBox(kDatabaseCaption, QStringLiteral("SQL密码"), settings.TUPW);
        SaveServerLogin();
    } while (AskYesNo(QStringLiteral("QUERY?"), QStringLiteral("是否需要重新输入?")));
}

} // namespace

TData1::TData1()
{
    if (BuildFlag == BuildKind::Server)
        openServerDatabase();
    else
        openFileDatabase();
}

TData1::~TData1()
{
    CloseDatabase();
}

void TData1::openFileDatabase()
{
    QString reason;
    if (!OpenFileDatabase(settings.DBFile, &reason))
        ShowError(QStringLiteral("E0001"), QStringLiteral("Open DataBase Error\n") + settings.DBFile);
}

void TData1::openServerDatabase()
{
    LoadServerLogin();
    if (settings.TIP.isEmpty() || settings.TUIP.isEmpty())
        askServerLogin();
    for (;;) {
        QString reason;
        if (OpenServerDatabase(settings.TIP, settings.TUIP, settings.TUPW, QLatin1String(kServerCatalogue), &reason))
            return;
        // The server's own message tells a wrong login from a refused session
        // (a time zone the server does not know).
        ShowError(QStringLiteral("E0001"), QStringLiteral("数据库连接失败\n") + settings.TIP + u'\n'
                                              + settings.TUIP + u'\n' + settings.TUPW + QStringLiteral("\n\n")
                                              + reason);
        if (!AskYesNo(QStringLiteral("QUERY2?"), QStringLiteral("连接数据库失败，是否需要重新输入?"))) {
            m_terminate = true;
            return;
        }
        askServerLogin();
    }
}
