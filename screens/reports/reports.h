#pragma once

#include "screens/reports/reportstexts.h"
#include "screens/reports/reporttable.h"

#include <QDialog>

class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTableView;
class ReportModel;

// The reports: cards issued, guest stays and door openings in one grid, with
// the filters on an option panel, marks and deletion, the workbook export and
// the record upload. Opened with isSearchCardNo set it is the card picker of
// the staff-card screen: only the cards report, whole rows selected, and the
// card ID of the row clicked left in curCard.CardID.
class TfrmReports : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReports(QWidget *parent = nullptr);

    QLabel *lblRoomNo;
    QProgressBar *ProgressBar1;
    QComboBox *cmbReport;
    QPushButton *cmdOption;
    QWidget *RzPanel3;
    QTableView *GridReport;
    QPushButton *cmdUpLoad;
    QPushButton *cmdPrint;
    QPushButton *cmdDel;
    QPushButton *cmdExcel;
    QPushButton *cmdExit;
    QWidget *RzPanel2;
    QGroupBox *gbCheckIn;
    QDateTimeEdit *DateTimePicker1;
    QDateTimeEdit *DateTimePicker2;
    QGroupBox *gbCheckOut;
    QDateTimeEdit *DateTimePicker3;
    QDateTimeEdit *DateTimePicker4;
    QGroupBox *gbCardType;
    QComboBox *cmbType;
    QGroupBox *gbRoomNo;
    QLineEdit *edtRoomNo;
    QPushButton *cmdSearchRoomNo;
    QGroupBox *gbGongHao;
    QComboBox *cmbGongHao;
    QGroupBox *gbName;
    QLineEdit *edtName;
    QGroupBox *gbOrderBy;
    QComboBox *cmbOrder;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QStatusBar *StatusBar1;
    QLabel *StatusPanel0;
    QLabel *StatusPanel1;
    QLabel *StatusPanel2;

    ReportModel *model() const { return m_model; }
    void ShowCardsReport();
    void ShowGuestsReport();
    void ShowOpenReport();
    void DeleteMarkedRows();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void cmbReportChange();
    void cmdOptionClick();
    void cmdOKClick();
    void cmdCancelClick();
    void cmdSearchRoomNoClick();
    void GridReportClick();
    void GridReportKeyDown(int key);
    void cmdExcelClick();
    void cmdUpLoadClick();

    ReportKind currentKind() const;
    ReportFilters filters() const;
    void showReport(ReportKind kind);
    void showRowPosition();
    void showOptions(bool shown);
    void showVariables();

    ReportsTexts m_texts;
    ReportModel *m_model;
    const bool m_picker;
};
