#pragma once

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

    QLabel *Label1;
    QComboBox *edtGongHao;
    QLabel *Label2;
    QLineEdit *edtMiMa;
    QToolButton *cmdModiMiMa;
    QLabel *Label3;
    QPushButton *cmdEntry;
    QPushButton *cmdExit;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void readTexts();
};
