#pragma once

#include "screens/receiption/desktexts.h"
#include "screens/receiption/guestpaneltexts.h"
#include "screens/receiption/walkin.h"

#include <QFrame>

#include <initializer_list>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
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
    QGroupBox *GroupBox3;
    QLabel *lblAllVCRooms;
    QListWidget *ListBox1;
    QPushButton *cmdSelect;
    QPushButton *cmdUnSelect;
    QLabel *lblRoomsSelected;
    QListWidget *ListBox2;
    QFrame *Panel5;
    QLabel *lblRoomNo;
    QLineEdit *edtRoomNo;
    QPushButton *cmdSearchRoomNo;
    QLabel *lblMenu;
    QLabel *lblRoomType;
    QLabel *lblRoomStatus;
    QCheckBox *chkCover;
    QCheckBox *chkHourRate;
    QLabel *lblReservationCheckIn;
    QDateEdit *DateTimePicker3;
    QTimeEdit *DateTimePicker4;
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
    QPushButton *cmdCheckOutNoCard;
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

    // Sets the panel up for the operation mode (a curMenu value), captioned
    // menuCaption: every control as that operation starts.
    void OpenGuestPanel(const QString &mode, const QString &menuCaption);
    // The walk-in operation on the room of curRoom.LockNo (or the building's
    // first room).
    void OpenWalkIn(const QString &menuCaption);
    // A group or reservation operation: "TeamIn", "TeamView", "Reservation"
    // or "ReservationCheckIn", with its rooms and holders listed.
    void OpenGroupOperation(const QString &mode, const QString &menuCaption);
    // An operation that starts from the guest card just read (ReadGuestCard):
    // "Change", "Postpone" or "CheckOutWithCard", on the card's room and guest.
    void OpenForGuestCard(const QString &mode, const QString &menuCaption);
    // Looks the room key up and shows the room; true when found.
    bool ShowRoom(const QString &bldRoomNo);
    // The guest name list from aryGuest, the first guest selected.
    void ShowRoomGuests();
    // Issues the card when the issue button is shown and enabled (button, F5).
    void cmdIssueCardClick();
    // The operation's second button: check-out without card (walk-in) or
    // with the card read (check-out with card).
    void cmdCheckOutNoCardClick();
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
    void edtRoomNoEnter();
    void edtRoomNoExit();
    void cmdSearchRoomNoClick();
    void cmbNameSelect(int index);
    // The rooms of the selected group or reservation in the chosen-rooms list.
    void listGroupRooms();
    void ListBox1Click();
    void ListBox2Click();
    void cmdSelectClick();
    void cmdUnSelectClick();
    // What the room of a list entry is, for the list's hint.
    QString roomDescription(const QString &bldRoomNo) const;
    void searchFreeRooms();
    // The guest box as typed.
    GuestFields guestFields() const;
    QStringList chosenRooms() const;
    void makeReservation();
    void sedtDaysChange();
    void DateTimePicker1Change();
    void DateTimePicker3Change();
    // The room search is for one period: a new period empties both room lists.
    void clearRoomLists();
    // After a check-out: the room and its guests as they are now.
    void showRoomAgain();
    QDateTime reservationCheckIn() const;
    void setReservationCheckIn(const QDateTime &time);
    bool isMode(std::initializer_list<const char *> modes) const;
    void placeMenuCaption(bool besideRoomLabel);
    void chkHourRateClick();
    void chkVIPClick();
    void chkCoverClick();
    void cmdDetailClick();
    void setStayLength(int n);
    void setCheckOut(const QDateTime &checkOut);
    // Guests of the shown room into the name list, with their count in the status bar.
    void loadRoomGuests();
    void showDetail();

    QHBoxLayout *m_menuBesideLabel;
    QHBoxLayout *m_menuBesideField;
    GuestPanelTexts m_texts;
    DeskTexts m_deskTexts;
    QString m_mode;
    bool m_roomNoValid = false;
    // The stay a room change moves, and the card it was read from.
    RoomChange m_change;
    // The cards the rooms of the group shown hold together.
    int m_teamCardTotal = 0;
    // The card data of the guest card the operation started from.
    QString m_cardData;
    // Shown at first: a walk-in needs the name field.
    bool m_guestDetailShown = true;
};
