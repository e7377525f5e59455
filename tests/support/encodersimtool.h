#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The simulated encoder for a test: its own state folder, the library path for
// EncoderLibrary, and the encoder-sim tool to handle the device.
class SimulatedEncoder {
public:
    SimulatedEncoder();
    ~SimulatedEncoder();
    SimulatedEncoder(const SimulatedEncoder &) = delete;
    SimulatedEncoder &operator=(const SimulatedEncoder &) = delete;

    static QString library();
    // Runs encoder-sim with the arguments ("blank", "fail read 7") and returns its output.
    QString sim(const QString &arguments) const;
    // The same with the arguments one by one, for arguments with blanks.
    QString sim(const QStringList &arguments) const;

private:
    QTemporaryDir m_state;
    QByteArray m_previous;
};
