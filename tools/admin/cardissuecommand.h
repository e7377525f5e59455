#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QCommandLineParser;

// `card issue KIND`: one staff or lock configuration card on the card lying on
// the encoder, through the issue the staff-cards and lock-configuration
// screens use, with their defaults, checks and boxes.

// The options of `card issue` (besides --server).
QList<QCommandLineOption> CardIssueOptions();
// Whether any of them but those named in except is on the command line.
bool AnyCardIssueOption(const QCommandLineParser &parser, const QStringList &except = {});

// Prints "CardID=<id>" and returns 0 when the card was issued; 1 when it was
// refused or failed (boxes and reasons on stderr). A command line that does
// not fit goes to usageError, whose exit code is returned.
int RunCardIssue(const QCommandLineParser &parser, const QString &kindName,
                 const std::function<int(const QString &)> &usageError);
