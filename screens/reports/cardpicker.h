#pragma once

#include <QString>

class QWidget;

// Opens the reports screen as the card picker and returns the card ID of the
// row the operator clicked last, or an empty text when none was clicked.
QString PickCardFromReports(QWidget *parent);
