#include "tools/admin/deskcommand.h"

#include "cards/encoder.h"
#include "cards/encoderlibrary.h"
#include "core/rights.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "store/operators.h"
#include "store/rooms.h"

#include <cstdio>

namespace {

bool prepare(OperatorPort *port, bool server)
{
    SetOperatorPort(port);
    BuildFlag = server ? BuildKind::Server : BuildKind::File;
    LoadSettings();
    LoadSharedTexts();
    return true;
}

} // namespace

bool RefuseCommand(const QString &reason)
{
    std::fprintf(stderr, "zumerak-admin: %s\n", qPrintable(reason));
    return false;
}

DeskCommand::DeskCommand(bool yes, bool server)
    : m_port(yes ? ConsolePort::Answers::Confirm : ConsolePort::Answers::Decline)
    , m_prepared(prepare(&m_port, server))
{
}

bool DeskCommand::start(const QString &operatorCode, const QList<int> &rights, const QString &what)
{
    if (!m_prepared || !Db().isOpen() || !LoadAryRoom())
        return false;
    if (!LoadOperator(operatorCode))
        return RefuseCommand(operatorCode + QStringLiteral(" is not an operator"));
    curOperator.GongHao = operatorCode;
    for (int right : rights) {
        if (!HasRight(right))
            return RefuseCommand(QStringLiteral("the role of %1 has no right to %2").arg(operatorCode, what));
    }
    return true;
}

void DeskCommand::openEncoder()
{
    OpenEncoder();
    if (EncoderMode >= 0)
        Encoder::IniCard(EncoderMode, 2, ReaderInfo);
}
