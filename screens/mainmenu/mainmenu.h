#pragma once

#include "screens/mainmenu/workscreens.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The main menu: the hub between the logon screen and the work screens. It
// opens one work screen at a time, modally, hidden itself meanwhile, and
// closing it returns to the logon screen.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget *logonScreen, QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QPushButton *cmdReceiption;
    QPushButton *cmdRoomsDefination;
    QPushButton *cmdLocksConfiguration;
    QPushButton *cmdKeysForStaff;
    QPushButton *cmdSystemMaintenance;
    QPushButton *cmdReports;
    QPushButton *cmdExit;
    QPushButton *cmdAbout;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormKeyDown(int key);
    void cmdReceiptionClick();
    void cmdAboutClick();
    void openWorkScreen(WorkArea area, const QString &menu);
    void warnAboutSmallScreen();
    void sizeButtonsAlike();

    QWidget *m_logon;
};
