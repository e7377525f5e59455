#pragma once

#include "screens/logon/logonsteps.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The logon screen: the application's main window; closing it ends the program.
class TfrmLogon : public QWidget {
    Q_OBJECT
public:
    explicit TfrmLogon(QWidget *parent = nullptr);

    // The screen a successful entry opens.
    void setMainMenu(QWidget *mainMenu) { m_mainMenu = mainMenu; }

    QLabel *Image1;
    QLabel *Label1;
    QComboBox *edtGongHao;
    QLabel *Label2;
    QLineEdit *edtMiMa;
    QToolButton *cmdModiMiMa;
    QLabel *Label3;
    QPushButton *cmdEntry;
    QPushButton *cmdExit;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readTexts();
    void FormShow();
    void edtGongHaoExit();
    void edtGongHaoReturn();
    void cmdEntryClick();
    void cmdModiMiMaClick();

    TLogonTexts m_texts;
    QWidget *m_mainMenu = nullptr;
};
