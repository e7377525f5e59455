#pragma once

#include "screens/receiption/desktexts.h"
#include "screens/receiption/guestpaneltexts.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;

// The guest panel of the front desk: one room (curRoom) with its current
// guests, the guest's fields, the stay length, the check-out time and the
// buttons of the operation in curMenu. It reads its controls into the
// records of the widget-free operations and shows what they leave in the
// working records.
class GuestPanel : public QFrame {
    Q_OBJECT
public:
    explicit GuestPanel(QWidget *parent = nullptr);

    QLabel *pnlBuildingName;
    QLabel *lblRoomNo;
    QLineEdit *edtRoomNo;
    QPushButton *cmdSearchRoomNo;
    QLabel *lblMenu;
    QLabel *lblRoomType;
    QLabel *lblRoomStatus;
    QCheckBox *chkCover;
    QCheckBox *chkHourRate;
    QLabel *lblDays;
    QSpinBox *sedtDays;
    QPushButton *cmdDetail;
    QLabel *lblExpiredDate;
    QDateEdit *DateTimePicker1;
    QTimeEdit *DateTimePicker2;
    QCheckBox *chkVIP;
    QLabel *lblCardCount1;
    QLabel *lblCardCount2;
    QPushButton *cmdIssueCard;
    QPushButton *cmdCloseGuest;
    QGroupBox *GroupBox2;
    QComboBox *cmbName;
    QComboBox *cmbSex;
    QComboBox *cmbCType;
    QLineEdit *edtCNo;
    QLineEdit *edtPrice;
    QLineEdit *edtDeposit;
    QLineEdit *edtMemo;
    QLineEdit *edtCheckIn;
    QLineEdit *edtCheckOut;
    QPlainTextEdit *memRoom;

    // Sets the panel up for the walk-in operation, captioned menuCaption, on
    // the room of curRoom.LockNo (or the building's first room).
    void OpenWalkIn(const QString &menuCaption);
    // Looks the room key up and shows the room; true when found.
    bool ShowRoom(const QString &bldRoomNo);
    // The guest name list from aryGuest, the first guest selected.
    void ShowRoomGuests();
    // Issues the card when the issue button is shown and enabled (button, F5).
    void cmdIssueCardClick();
    void cmdCloseGuestClick();
    // F3: the room number field, its text selected.
    void focusRoomNo();
    // F4: shows or hides the room memo.
    void toggleRoomMemo();

    bool isRoomNoValid() const { return m_roomNoValid; }

signals:
    // A text for one of the front desk's status panels.
    void status(int panel, const QString &text);
    // The panel closed: the board takes over again.
    void closed();
    // The room picker chose a room of another building, now in curBld.
    void buildingChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void OpenGuestPanel();
    void edtRoomNoEnter();
    void edtRoomNoExit();
    void cmdSearchRoomNoClick();
    void cmbNameSelect(int index);
    void sedtDaysChange();
    void DateTimePicker1Change();
    void chkHourRateClick();
    void chkVIPClick();
    void chkCoverClick();
    void cmdDetailClick();
    void setStayLength(int n);
    void setCheckOut(const QDateTime &checkOut);
    // Guests of the shown room into the name list, with their count in the status bar.
    void loadRoomGuests();
    void showDetail();

    GuestPanelTexts m_texts;
    DeskTexts m_deskTexts;
    bool m_roomNoValid = false;
    // Shown at first: a walk-in needs the name field.
    bool m_guestDetailShown = true;
};
