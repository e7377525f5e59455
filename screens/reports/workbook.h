#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Our spreadsheet workbooks: .xlsx files (a zip of XML parts). A workbook is
// appended to in place: the rows go below what the first worksheet holds, and
// every other part (further sheets, styles, what a person added) is copied as
// it was. The file is replaced only by a complete new one, so a failure leaves
// the old workbook as it was.

// Writes an empty workbook with one worksheet. False with the reason in error.
bool CreateWorkbook(const QString &path, QString *error);

// Appends rows of cell texts (each from column A) to the first worksheet:
// into row 1 of an empty sheet, else one empty row below its last used row.
// firstRow gets the worksheet row of rows[0]. False with the reason in error,
// the file unchanged.
bool AppendToWorkbook(const QString &path, const QList<QStringList> &rows, int *firstRow, QString *error);
