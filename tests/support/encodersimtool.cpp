#include "encodersimtool.h"

#include <QProcess>

SimulatedEncoder::SimulatedEncoder()
    : m_previous(qgetenv("ZUMERAK_ENCODER_SIM_DIR"))
{
    qputenv("ZUMERAK_ENCODER_SIM_DIR", QFile::encodeName(m_state.path()));
}

SimulatedEncoder::~SimulatedEncoder()
{
    qputenv("ZUMERAK_ENCODER_SIM_DIR", m_previous);
}

QString SimulatedEncoder::library()
{
    return qEnvironmentVariable("ZUMERAK_ENCODER_LIBRARY");
}

QString SimulatedEncoder::sim(const QString &arguments) const
{
    return sim(arguments.split(u' ', Qt::SkipEmptyParts));
}

QString SimulatedEncoder::sim(const QStringList &arguments) const
{
    QProcess process;
    process.start(qEnvironmentVariable("ZUMERAK_ENCODER_SIM"), arguments);
    process.waitForFinished(30000);
    if (process.exitCode() != 0)
        qWarning("encoder-sim %s: %s", qPrintable(arguments.join(u' ')), process.readAllStandardError().constData());
    return QString::fromLatin1(process.readAllStandardOutput());
}
