#pragma once

#include "core/records.h"
#include "screens/maintenance/maintenancetexts.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QTimeEdit;

// System maintenance: the hotel parameters (Options) and the operators with
// the rights of their roles (Operator Management).
class TfrmSystemMaintenance : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSystemMaintenance(QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet3;
    QPushButton *cmdExit;

    // Options
    QLabel *lblHotelName;
    QLineEdit *edtHotelName;
    QLabel *lblBakPath;
    QLineEdit *edtBakPath;
    QLabel *lblCheckOut;
    QTimeEdit *DateTimePicker1;
    QLabel *lblVIPCheckOut;
    QTimeEdit *DateTimePicker2;
    QRadioButton *rbCheckOutToVC;
    QRadioButton *rbCheckOutToVD;
    QCheckBox *chkGuestLLock;
    QGroupBox *GroupBox1;
    QCheckBox *chkAlarm;
    QCheckBox *chkRemind;
    QCheckBox *chkNoDisturb;
    QCheckBox *chkKnob;
    QCheckBox *chkMusic;
    QCheckBox *chkCover;
    QPushButton *cmdReturnToDefault;
    QPushButton *cmdSave;

    // Operator Management
    QLabel *lblListOfOperators;
    QTableWidget *GridOperators;
    QGroupBox *GroupBox5;
    QRadioButton *RadioSuperAdmin;
    QRadioButton *RadioAdmin;
    QRadioButton *RadioManager;
    QRadioButton *RadioGenOprt;
    QPushButton *cmdAddOprt;
    QPushButton *cmdRemoveOprt;
    QPushButton *cmdModiOprt;
    QPlainTextEdit *Memo2;

    // The operator of the selected grid row.
    TOperatorInfo selOperator;

    void RefreshGridOperators(bool showRoles);
    void GetOprtInfoFromGridOperators();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildOptionsPage();
    void buildOperatorsPage();
    void TabSheet1Show();
    void TabSheet3Show();
    void showLockOptions();
    void cmdSaveClick();
    void cmdReturnToDefaultClick();
    void edtHotelNameKeyDown(int key);
    void GridOperatorsKeyDown(int key);
    void cmdAddOprtClick();
    void cmdRemoveOprtClick();
    void cmdModiOprtClick();

    TMaintenanceTexts m_texts;
    QList<TOperatorInfo> m_listed;
};
