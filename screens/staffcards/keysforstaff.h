#pragma once

#include "screens/staffcards/staffcardissue.h"
#include "screens/staffcards/staffcardtexts.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QTimer;

// Staff cards: the door-opening cards of a floor, a building, the whole hotel
// or a group of rooms, and the function cards (record, lost card, terminate).
// A kind button chooses the kind; the panel on the right is rebuilt for it on
// the next tick of Timer1, and Issue Card writes the card.
class TfrmKeysForStaff : public QDialog {
    Q_OBJECT
public:
    explicit TfrmKeysForStaff(QWidget *parent = nullptr);

    QGroupBox *grpKeysForOpenDoor;
    QGroupBox *grpFunctionCards;
    QPushButton *cmdFloorCard;
    QPushButton *cmdBuildingCard;
    QPushButton *cmdMasterCard;
    QPushButton *cmdEmergencyCard;
    QPushButton *cmdGroupCard;
    QPushButton *cmdRecordCard;
    QPushButton *cmdBlackNameCard;
    QPushButton *cmdCheckOutCard;
    QPushButton *cmdExit;

    QGroupBox *grpCards;
    QLabel *imgKind;
    QLabel *lblHolder;
    QLineEdit *edtHolder;
    QLabel *lblBuildingName;
    QComboBox *cmbBuildingName;
    QLabel *lblFloorNo;
    QComboBox *cmbFloorNo;
    QLabel *lblExpiredDate;
    QDateEdit *DateTimePicker1;
    QLabel *lblTime;
    QLabel *lblTimeDash;
    QTimeEdit *DateTimePicker2;
    QTimeEdit *DateTimePicker3;
    QLabel *lblMemo;
    QLineEdit *edtMemo;
    QPushButton *cmdSearchCardNo;
    QGroupBox *grpOptions;
    QCheckBox *chkCoverCardsBefore;
    QCheckBox *chkOpenPublicDoor;
    QCheckBox *chkAccessBolt;
    QPushButton *cmdIssueCard;
    QList<QLabel *> StaBarPanels;
    QTimer *Timer1;

    void cmdIssueCardClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void chooseKind(int kind, QPushButton *button);
    void Timer1Timer();
    void cmbBuildingNameChange();
    bool edtMemoKeyPress(const QString &typed);
    void chkOpenPublicDoorClick();
    void cmdSearchCardNoClick();
    StaffCardFields collectFields() const;

    KeysForStaffTexts m_texts;
    int m_kind = kFloorCard;
};
