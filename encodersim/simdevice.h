#pragma once

#include "simcard.h"

#include <QString>
#include <QStringList>

#include <optional>

// The simulated encoder's state, kept in a folder so that the library inside
// the console and the encoder-sim tool share it: device.txt holds the device,
// one SERIAL.card file each card, records.txt the collector's opening records.
// The folder is $ZUMERAK_ENCODER_SIM_DIR, else EncoderSim/ in the working folder.
struct SimDevice {
    QString folder;
    bool plugged = true;
    bool dusb = false;      // the dUSB encoder answers initializeUSB(0), the Kestul one (1)
    bool collector = false; // the record collector instead of the card encoder
    QString onEncoder;      // serial of the card lying on the encoder, empty for none
    // Failure injection: the result code of the next call of that kind.
    int failRead = 0;
    int failWrite = 0;
    int failErase = 0;
    // 1: armed, the next write arms the read after it; 2: the next read answers
    // card data other than the card holds.
    int failReadback = 0;
    // The next write writes the card and then answers this code, as a device
    // may that loses the card's answer.
    int failWritten = 0;
    // The next write puts the next kind digit on the card.
    bool failKind = false;
    // The read after the next write answers this code.
    int failReadAfterWrite = 0;

    static QString stateFolder();
    static SimDevice load();
    bool save() const;

    std::optional<SimCard> card() const;
    bool store(const SimCard &card) const;
    // Makes a new blank card, stores it and lays it on the encoder.
    std::optional<SimCard> newBlank();
    QStringList keptCards() const;
    QString records() const;
    bool setRecords(const QString &text) const;
};

// The device's result codes besides those injected.
enum SimResult {
    SimOk = 0,
    SimNoAnswer = 1,   // unplugged, or asked in the other connection mode
    SimNoCard = 2,     // nothing on the encoder to write or erase
    SimBadArgument = 3,
    SimForeignCard = 4,
    SimWrongModel = 5, // the collector writes no cards, the encoder holds no records
    SimStateLost = 6,  // the state folder could not be written
};
