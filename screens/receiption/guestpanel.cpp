#include "screens/receiption/guestpanel.h"

#include "core/clock.h"
#include "core/state.h"
#include "screens/receiption/checkout.h"
#include "screens/receiption/deskrights.h"
#include "screens/receiption/groups.h"
#include "screens/receiption/guestcard.h"
#include "screens/receiption/guestpanelmodes.h"
#include "screens/receiption/stayrules.h"
#include "screens/rooms/roomsdefination.h"
#include "store/guests.h"
#include "store/rooms.h"
#include "ui/buttonrights.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyle>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QDate kFirstDate(2009, 1, 1);
const QDate kLastDate(2048, 12, 31);

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// Red text, readable on the light panel of the operations.
void markRed(QWidget *widget, bool red)
{
    widget->setProperty("alert", red);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

// The centre panel in the operation's light colour, its texts dark on it
// whatever the skin: the operation's caption yellow on blue, the card count
// purple, an alert red, a ticked box filled dark in a white square.
QString centrePanelSheet(const QColor &colour)
{
    return QStringLiteral("#Panel5 { background-color: %1; }"
                          " #Panel5 QLabel, #Panel5 QCheckBox { color: black; background: transparent; }"
                          " #Panel5 QLabel#lblMenu { color: yellow; background-color: darkblue; }"
                          " #Panel5 QLabel#lblCardCount2 { color: purple; }"
                          " #Panel5 *[alert=\"true\"] { color: #900000; }"
                          " #Panel5 QCheckBox::indicator { width: 12px; height: 12px; border: 1px solid black;"
                          " background: white; }"
                          " #Panel5 QCheckBox::indicator:checked { background: #202020; }")
        .arg(colour.name());
}

void setBaseColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

// Amounts are typed as digits and a point only.
void acceptAmountsOnly(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), edit));
}

bool validRoomIndex(int index)
{
    return index >= 0 && index < aryRoom.size();
}

} // namespace

GuestPanel::GuestPanel(QWidget *parent)
    : QFrame(parent)
    , pnlBuildingName(new QLabel(this))
    , GroupBox3(new QGroupBox(this))
    , lblAllVCRooms(new QLabel(this))
    , ListBox1(new QListWidget(this))
    , cmdSelect(new QPushButton(this))
    , cmdUnSelect(new QPushButton(this))
    , lblRoomsSelected(new QLabel(this))
    , ListBox2(new QListWidget(this))
    , Panel5(new QFrame(this))
    , lblRoomNo(new QLabel(this))
    , edtRoomNo(new QLineEdit(this))
    , cmdSearchRoomNo(new QPushButton(this))
    , lblMenu(new QLabel(this))
    , lblRoomType(new QLabel(this))
    , lblRoomStatus(new QLabel(this))
    , chkCover(new QCheckBox(this))
    , chkHourRate(new QCheckBox(this))
    , lblReservationCheckIn(new QLabel(this))
    , DateTimePicker3(new QDateEdit(this))
    , DateTimePicker4(new QTimeEdit(this))
    , lblDays(new QLabel(this))
    , sedtDays(new QSpinBox(this))
    , cmdDetail(new QPushButton(this))
    , lblExpiredDate(new QLabel(this))
    , DateTimePicker1(new QDateEdit(this))
    , DateTimePicker2(new QTimeEdit(this))
    , chkVIP(new QCheckBox(this))
    , lblCardCount1(new QLabel(this))
    , lblCardCount2(new QLabel(this))
    , cmdIssueCard(new QPushButton(this))
    , cmdCheckOutNoCard(new QPushButton(this))
    , cmdCloseGuest(new QPushButton(this))
    , GroupBox2(new QGroupBox(this))
    , cmbName(new QComboBox(this))
    , cmbSex(new QComboBox(this))
    , cmbCType(new QComboBox(this))
    , edtCNo(new QLineEdit(this))
    , edtPrice(new QLineEdit(this))
    , edtDeposit(new QLineEdit(this))
    , edtMemo(new QLineEdit(this))
    , edtCheckIn(new QLineEdit(this))
    , edtCheckOut(new QLineEdit(this))
    , memRoom(new QPlainTextEdit(this))
    , m_menuBesideLabel(new QHBoxLayout)
    , m_menuBesideField(new QHBoxLayout)
    , m_texts(ReadGuestPanelTexts())
    , m_deskTexts(ReadDeskTexts())
{
    const GuestPanelTexts &t = m_texts;
    setFrameShape(QFrame::StyledPanel);
    QFont bold = font();
    bold.setBold(true);
    pnlBuildingName->setFont(bold);
    pnlBuildingName->setAlignment(Qt::AlignCenter);
    setTextColour(pnlBuildingName, QColor(0x00, 0x60, 0x00));
    lblRoomNo->setText(QStringLiteral("[F3]") + t.RoomNo);
    lblMenu->setFont(bold);
    lblMenu->setWordWrap(true);
    lblMenu->setObjectName(QStringLiteral("lblMenu"));
    cmdSearchRoomNo->setText(t.Search);
    cmdSearchRoomNo->setToolTip(t.Search_Hint);
    chkCover->setText(t.NewCheckIn);
    chkHourRate->setText(t.HourRate);
    chkVIP->setText(t.VIP);
    lblDays->setText(t.Days);
    lblReservationCheckIn->setText(t.tReservCkIn);
    DateTimePicker3->setDateRange(kFirstDate, kLastDate);
    DateTimePicker3->setCalendarPopup(true);
    DateTimePicker4->setDisplayFormat(QStringLiteral("HH:mm"));
    GroupBox3->setTitle(t.RoomsAllocation);
    lblAllVCRooms->setText(t.AllVCRooms);
    lblRoomsSelected->setText(t.RoomsSelected);
    cmdSelect->setToolTip(t.SelectRoom_Hint);
    cmdUnSelect->setToolTip(t.unSelectRoom_Hint);
    sedtDays->setRange(0, 3000);
    cmdDetail->setToolTip(t.GuestDetail_Hint);
    lblExpiredDate->setText(t.ExpiredDate);
    DateTimePicker1->setDateRange(kFirstDate, kLastDate);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker2->setDisplayFormat(QStringLiteral("HH:mm"));
    lblCardCount1->setText(t.CardCount + QStringLiteral(": "));
    lblCardCount2->setObjectName(QStringLiteral("lblCardCount2"));
    lblCardCount2->setFont(bold);
    cmdIssueCard->setText(QStringLiteral("[F5] ") + t.IssueCard);
    cmdIssueCard->setToolTip(t.IssueCard_Hint);
    cmdCloseGuest->setText(t.CloseGuest);
    cmdCloseGuest->setToolTip(t.CloseGuest_Hint);
    GroupBox2->setTitle(t.GuestInfo);
    cmbName->setEditable(true);
    cmbName->setInsertPolicy(QComboBox::NoInsert);
    // Editable, so that a stored text outside the lists ("Auto") shows too.
    for (QComboBox *list : {cmbSex, cmbCType}) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
    }
    cmbSex->addItems(t.sexes);
    cmbCType->addItems(t.credentialTypes);
    acceptAmountsOnly(edtPrice);
    acceptAmountsOnly(edtDeposit);
    edtCheckIn->setReadOnly(true);
    edtCheckOut->setReadOnly(true);
    memRoom->setReadOnly(true);
    memRoom->setToolTip(t.hintMemRoom);
    memRoom->setStyleSheet(QStringLiteral("QPlainTextEdit { background: silver; color: blue; }"));

    // The rooms to choose from above the chosen ones, so that the box stays
    // narrow at large fonts; the buttons between them point the way a room goes.
    cmdSelect->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    cmdUnSelect->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    auto *moves = new QHBoxLayout;
    moves->addWidget(cmdSelect);
    moves->addWidget(cmdUnSelect);
    auto *allocation = new QVBoxLayout(GroupBox3);
    allocation->addWidget(lblAllVCRooms);
    allocation->addWidget(ListBox1, 1);
    allocation->addLayout(moves);
    allocation->addWidget(lblRoomsSelected);
    allocation->addWidget(ListBox2, 1);

    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFrameShape(QFrame::StyledPanel);
    Panel5->setStyleSheet(centrePanelSheet(PanelModeOf(QStringLiteral("WalkIn")).colour));
    auto *centre = new QGridLayout(Panel5);
    m_menuBesideLabel->addWidget(lblRoomNo);
    m_menuBesideLabel->addWidget(lblMenu, 1);
    centre->addLayout(m_menuBesideLabel, 0, 0, 1, 3);
    // The operation's caption moves beside the room field where the field
    // is not typed into.
    centre->addWidget(edtRoomNo, 1, 0);
    centre->addLayout(m_menuBesideField, 1, 1);
    centre->addWidget(cmdSearchRoomNo, 1, 2);
    centre->addWidget(lblRoomType, 2, 0);
    centre->addWidget(lblRoomStatus, 2, 1, 1, 2);
    // The reservation check-in takes the place of the cover and hour-rate boxes.
    centre->addWidget(chkCover, 3, 0, 1, 3);
    centre->addWidget(lblReservationCheckIn, 3, 0, 1, 3);
    centre->addWidget(chkHourRate, 4, 0, 1, 3);
    centre->addWidget(DateTimePicker3, 4, 1);
    centre->addWidget(DateTimePicker4, 4, 2);
    centre->addWidget(lblDays, 5, 0);
    centre->addWidget(sedtDays, 5, 1);
    centre->addWidget(cmdDetail, 5, 2);
    centre->addWidget(lblExpiredDate, 6, 0);
    centre->addWidget(DateTimePicker1, 6, 1);
    centre->addWidget(DateTimePicker2, 6, 2);
    centre->addWidget(chkVIP, 7, 0, 1, 3);
    auto *count = new QHBoxLayout;
    count->addWidget(lblCardCount1);
    count->addWidget(lblCardCount2, 1);
    centre->addLayout(count, 8, 0, 1, 3);
    centre->addWidget(cmdIssueCard, 9, 0, 1, 3);
    centre->addWidget(cmdCheckOutNoCard, 10, 0, 1, 3);
    centre->addWidget(cmdCloseGuest, 11, 0, 1, 3);
    centre->setRowStretch(12, 1);

    auto *guest = new QFormLayout(GroupBox2);
    // At large fonts a label goes above its field rather than widen the panel.
    guest->setRowWrapPolicy(QFormLayout::WrapLongRows);
    guest->addRow(t.GuestName, cmbName);
    guest->addRow(t.Sex, cmbSex);
    guest->addRow(t.CType, cmbCType);
    guest->addRow(t.CNo, edtCNo);
    guest->addRow(t.Price, edtPrice);
    guest->addRow(t.Deposit, edtDeposit);
    guest->addRow(t.Memo, edtMemo);
    guest->addRow(t.lblCheckIn, edtCheckIn);
    guest->addRow(t.lblCheckOut, edtCheckOut);

    auto *right = new QVBoxLayout;
    right->addWidget(GroupBox2);
    right->addWidget(memRoom, 1);
    // The right column keeps its place while the guest box or the memo is hidden.
    for (QWidget *kept : std::initializer_list<QWidget *>{GroupBox2, memRoom}) {
        QSizePolicy keep = kept->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        kept->setSizePolicy(keep);
    }
    auto *rightColumn = new QWidget(this);
    rightColumn->setLayout(right);

    auto *body = new QHBoxLayout;
    body->addWidget(GroupBox3, 1);
    body->addWidget(Panel5, 1);
    body->addWidget(rightColumn, 1);
    auto *panel = new QVBoxLayout(this);
    panel->addWidget(pnlBuildingName);
    panel->addLayout(body, 1);

    edtRoomNo->installEventFilter(this);
    memRoom->viewport()->installEventFilter(this);
    sedtDays->installEventFilter(this);
    connect(edtRoomNo, &QLineEdit::returnPressed, this, &GuestPanel::edtRoomNoEnter);
    connect(cmdSearchRoomNo, &QPushButton::clicked, this, &GuestPanel::cmdSearchRoomNoClick);
    connect(sedtDays, &QSpinBox::valueChanged, this, &GuestPanel::sedtDaysChange);
    connect(DateTimePicker1, &QDateEdit::userDateChanged, this, &GuestPanel::DateTimePicker1Change);
    connect(DateTimePicker2, &QTimeEdit::userTimeChanged, this, &GuestPanel::clearRoomLists);
    connect(DateTimePicker3, &QDateEdit::userDateChanged, this, &GuestPanel::DateTimePicker3Change);
    connect(DateTimePicker4, &QTimeEdit::userTimeChanged, this, &GuestPanel::clearRoomLists);
    connect(chkHourRate, &QCheckBox::clicked, this, &GuestPanel::chkHourRateClick);
    connect(chkVIP, &QCheckBox::clicked, this, &GuestPanel::chkVIPClick);
    connect(chkCover, &QCheckBox::toggled, this, &GuestPanel::chkCoverClick);
    connect(cmbName, &QComboBox::activated, this, &GuestPanel::cmbNameSelect);
    connect(cmdDetail, &QPushButton::clicked, this, &GuestPanel::cmdDetailClick);
    connect(cmdIssueCard, &QPushButton::clicked, this, &GuestPanel::cmdIssueCardClick);
    connect(cmdCheckOutNoCard, &QPushButton::clicked, this, &GuestPanel::cmdCheckOutNoCardClick);
    connect(ListBox1, &QListWidget::itemClicked, this, &GuestPanel::ListBox1Click);
    connect(ListBox2, &QListWidget::itemClicked, this, &GuestPanel::ListBox2Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &GuestPanel::cmdSelectClick);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &GuestPanel::cmdUnSelectClick);
    connect(cmdSelect, &QPushButton::clicked, this, &GuestPanel::cmdSelectClick);
    connect(cmdUnSelect, &QPushButton::clicked, this, &GuestPanel::cmdUnSelectClick);
    ListBox1->installEventFilter(this);
    ListBox2->installEventFilter(this);
    connect(cmdCloseGuest, &QPushButton::clicked, this, &GuestPanel::cmdCloseGuestClick);
    // The screen enables them by the operator's rights when it is shown.
    SetTag(cmdIssueCard, kIssueCardRight);
    SetTag(cmdCheckOutNoCard, kCheckOutNoCardRight);
    chkCover->setChecked(true);
    showDetail();
}

void GuestPanel::OpenGuestPanel(const QString &mode, const QString &menuCaption)
{
    m_mode = mode;
    const GuestPanelTexts &t = m_texts;
    GroupBox3->hide();
    edtRoomNo->setEnabled(false);
    for (QWidget *control : std::initializer_list<QWidget *>{cmdSearchRoomNo, chkCover, chkHourRate,
                                                             lblReservationCheckIn, DateTimePicker3, DateTimePicker4,
                                                             cmdDetail, cmdIssueCard, cmdCheckOutNoCard, memRoom})
        control->hide();
    const QDateTime now = Clock().now();
    setReservationCheckIn(now.addSecs(10 * 60));
    ListBox1->clear();
    ListBox2->clear();
    edtRoomNo->clear();
    lblRoomType->clear();
    lblRoomStatus->clear();
    lblCardCount2->setText(QStringLiteral("0"));
    chkVIP->setChecked(false);
    setCheckOut(QDateTime(now.date().addDays(1), CheckOutTimeOf(false)));
    cmbName->clear();
    cmbSex->setEditText(QString());
    cmbCType->setEditText(QString());
    for (QLineEdit *edit : {edtCNo, edtPrice, edtDeposit, edtMemo, edtCheckIn, edtCheckOut})
        edit->clear();
    pnlBuildingName->setText(curBld.BldName);
    m_roomNoValid = false;

    const PanelMode &look = PanelModeOf(mode);
    Panel5->setStyleSheet(centrePanelSheet(look.colour));
    edtRoomNo->setEnabled(look.roomNoEnabled);
    if (look.roomText)
        edtRoomNo->setText(curRoom.BldRoomNo);
    chkCover->setVisible(look.coverShown);
    chkHourRate->setVisible(look.coverShown);
    lblReservationCheckIn->setVisible(look.reservationShown);
    DateTimePicker3->setVisible(look.reservationShown);
    DateTimePicker4->setVisible(look.reservationShown);
    if (look.reservationShown)
        setStayLength(1);
    cmdSearchRoomNo->setVisible(look.searchShown);
    cmdDetail->setVisible(look.detailShown);
    cmdIssueCard->setVisible(look.issue != IssueButton::Hidden);
    if (look.issue == IssueButton::MakeReservation) {
        cmdIssueCard->setText(t.NewReservation);
        cmdIssueCard->setToolTip(QString());
    } else {
        cmdIssueCard->setText(QStringLiteral("[F5] ") + t.IssueCard);
        cmdIssueCard->setToolTip(t.IssueCard_Hint);
    }
    const struct {
        const QString &caption;
        const QString &hint;
    } second[] = {{t.CheckOutNoCard, t.CheckOutNoCard_Hint},
                  {t.CheckOutNoCard, t.CheckOutNoCard_Hint},
                  {t.CheckOutByCard, t.CheckOutByCard_Hint},
                  {t.TeamCheckOut, t.TeamCheckOut_Hint},
                  {t.CancelReservation, t.hintCancelReservation}};
    const auto &secondText = second[static_cast<int>(look.second)];
    cmdCheckOutNoCard->setText(secondText.caption);
    cmdCheckOutNoCard->setToolTip(secondText.hint);
    cmdCheckOutNoCard->setVisible(look.second != SecondButton::Hidden);
    GroupBox2->setTitle(look.teamLeader ? t.TeamLeader : t.GuestInfo);
    cmbName->setEnabled(look.namesEnabled);
    GroupBox3->setVisible(look.allocation != Allocation::Hidden);
    const bool bothLists = look.allocation == Allocation::BothLists;
    for (QWidget *control : std::initializer_list<QWidget *>{lblAllVCRooms, ListBox1, cmdSelect, cmdUnSelect})
        control->setVisible(bothLists);
    lblMenu->setText(menuCaption);
    placeMenuCaption(look.menuBesideRoomLabel);
    showDetail();
}

void GuestPanel::placeMenuCaption(bool besideRoomLabel)
{
    (besideRoomLabel ? m_menuBesideLabel : m_menuBesideField)->addWidget(lblMenu, 1);
}

void GuestPanel::OpenWalkIn(const QString &menuCaption)
{
    ptrAryRoom = WalkInRoomIndex();
    if (validRoomIndex(ptrAryRoom))
        curRoom = aryRoom[ptrAryRoom];
    OpenGuestPanel(QStringLiteral("WalkIn"), menuCaption);
    setStayLength(1);
    if (ShowRoom(edtRoomNo->text()))
        loadRoomGuests();
    edtRoomNo->setFocus();
}

void GuestPanel::OpenGroupOperation(const QString &mode, const QString &menuCaption)
{
    // A reservation is made by the day.
    if (mode == QLatin1String("Reservation"))
        chkHourRate->setChecked(false);
    OpenGuestPanel(mode, menuCaption);
    if (mode == QLatin1String("TeamIn")) {
        ListBox1->addItems(ListVacantRooms());
        setStayLength(1);
        edtRoomNo->setFocus();
        return;
    }
    const QString flag = mode == QLatin1String("TeamView") ? QLatin1String(kFlagTeamIn) : QLatin1String(kFlagReservation);
    if (LoadGuestsByFlag(flag) <= 0)
        return;
    for (int i = 0; i < lenAryGuest; ++i)
        cmbName->addItem(aryGuest[i].Name);
    cmbName->setCurrentIndex(0);
    cmbNameSelect(0);
}

void GuestPanel::OpenForGuestCard(const QString &mode, const QString &menuCaption)
{
    const QString cardData = CardDataOfBufCard();
    OpenGuestPanel(mode, menuCaption);
    m_cardData = cardData;
    if (ShowRoom(curRoom.BldRoomNo)) {
        ShowRoomGuests();
        emit status(0, QStringLiteral("Room: %1, Guests: %2").arg(curRoom.BldRoomNo).arg(lenAryGuest));
        if (mode == QLatin1String("Change")) {
            oldGuest = curGuest;
            m_change = RoomChange{curRoom, ptrAryRoom, cardData};
        }
        // The stay goes on from now: one more day, or hour, is proposed.
        if (mode == QLatin1String("Postpone"))
            setStayLength(1);
    }
    if (edtRoomNo->isEnabled())
        edtRoomNo->setFocus();
}

bool GuestPanel::ShowRoom(const QString &bldRoomNo)
{
    ptrAryRoom = GetPointerOfAryRoom(ByBldRoomNo, bldRoomNo.trimmed());
    if (!validRoomIndex(ptrAryRoom)) {
        lblRoomType->clear();
        lblRoomStatus->clear();
        lblCardCount2->clear();
        chkHourRate->setChecked(false);
        return false;
    }
    curRoom = aryRoom[ptrAryRoom];
    lblRoomType->setText(curRoom.sType);
    lblRoomStatus->setText(curRoom.Status);
    lblCardCount2->setText(m_mode == QLatin1String("TeamView")
                               ? QStringLiteral("%1 / %2").arg(curRoom.CardCount).arg(m_teamCardTotal)
                               : QString::number(curRoom.CardCount));
    chkCover->setChecked(CoverTickedFor(curRoom));
    if (!isMode({"Reservation", "ReservationCheckIn"})) {
        chkHourRate->setChecked(HourRateTickedFor(curRoom));
        chkHourRateClick();
    }
    QStringList memo;
    if (!curRoom.BeiZhu.isEmpty())
        memo << curRoom.BeiZhu;
    if (isMode({"WalkIn", "TeamIn", "Change", "Postpone"})) {
        // The room's first reservation marks it on the board.
        const QDateTime firstReservation = FirstReservationTime(curRoom.BldRoomNo);
        if (curRoom.ReservCkIn != firstReservation) {
            curRoom.ReservCkIn = firstReservation;
            SaveRoomState(curRoom, ptrAryRoom);
            isNeedRefreshRooms = true;
        }
        const int reservations = LoadRoomReservations(curRoom.BldRoomNo);
        if (reservations > 0)
            memo << QStringLiteral("Reservation List:");
        for (int i = 0; i < reservations; ++i) {
            memo << aryReservation[i].Name;
            memo << DateTimeText(aryReservation[i].ComeTime) + QStringLiteral("  -->  ")
                        + DateTimeText(aryReservation[i].GoTime);
        }
    }
    memRoom->setPlainText(memo.join(u'\n'));
    memRoom->setVisible(!memo.isEmpty());
    emit status(3, QStringLiteral("Dai: %1").arg(curRoom.Dai));
    return true;
}

void GuestPanel::loadRoomGuests()
{
    const int rows = LoadRoomGuests(curRoom.BldRoomNo);
    emit status(0, QStringLiteral("Room: %1, Guests: %2 / %3").arg(curRoom.BldRoomNo).arg(lenAryGuest).arg(rows));
    ShowRoomGuests();
}

void GuestPanel::ShowRoomGuests()
{
    cmbName->clear();
    if (lenAryGuest > 0) {
        for (int i = 0; i < lenAryGuest; ++i)
            cmbName->addItem(aryGuest[i].Name);
        cmbName->setCurrentIndex(0);
        cmbNameSelect(0);
        return;
    }
    cmbSex->setEditText(QString());
    cmbCType->setEditText(QString());
    edtCNo->clear();
    edtPrice->setText(OfferedPrice(aryRoom[ptrAryRoom], chkHourRate->isChecked()).toString());
    for (QLineEdit *edit : {edtDeposit, edtMemo, edtCheckIn, edtCheckOut})
        edit->clear();
}

void GuestPanel::cmbNameSelect(int index)
{
    if (index < 0 || index >= lenAryGuest)
        return;
    ptrAryGuest = index;
    curGuest = aryGuest[index];
    cmbName->setEditText(curGuest.Name);
    cmbSex->setEditText(curGuest.Sex);
    cmbCType->setEditText(curGuest.CType);
    edtCNo->setText(curGuest.CNo);
    edtPrice->setText(curGuest.Price.toString());
    edtDeposit->setText(curGuest.YaJin.toString());
    edtMemo->setText(curGuest.BeiZhu);
    if (m_mode == QLatin1String("ReservationCheckIn"))
        curGuest.ComeTime = Clock().now();
    edtCheckIn->setText(DateTimeText(curGuest.ComeTime));
    edtCheckOut->setText(DateTimeText(curGuest.GoTime));
    setStayLength(StayDays(curGuest.ComeTime, curGuest.GoTime));
    setCheckOut(curGuest.GoTime);
    if (DateTimePicker3->isVisibleTo(this))
        setReservationCheckIn(curGuest.ComeTime);
    emit status(2, QStringLiteral("GuestID: %1 , %2").arg(curGuest.ID).arg(curGuest.Flag));
    if (isMode({"TeamView", "Reservation", "ReservationCheckIn"}))
        listGroupRooms();
}

void GuestPanel::listGroupRooms()
{
    const bool group = m_mode == QLatin1String("TeamView");
    QStringList rooms;
    ListGroupRooms(group ? QLatin1String(kFlagTeamIn) : QLatin1String(kFlagReservation), curGuest, &rooms);
    ListBox2->clear();
    ListBox2->addItems(rooms);
    if (group) {
        m_teamCardTotal = TeamCardTotal(rooms);
        lblCardCount2->setText(QString::number(m_teamCardTotal));
    } else {
        ListBox1->clear();
        lblCardCount2->setText(QStringLiteral("0"));
    }
    edtRoomNo->clear();
    lblRoomType->clear();
    lblRoomStatus->clear();
    emit status(0, QStringLiteral("Group Rooms Count:  %1").arg(rooms.size()));
}

QString GuestPanel::roomDescription(const QString &bldRoomNo) const
{
    for (const TRoomInfo &room : std::as_const(aryRoom)) {
        if (room.BldRoomNo == bldRoomNo)
            return QStringList{room.sType, m_texts.priceLabels.price + QStringLiteral(": ") + room.Price.toString(),
                               m_texts.priceLabels.hourRateStartup + QStringLiteral(": ")
                                   + room.HourRateStartup.toString(),
                               m_texts.priceLabels.hourRatePrice + QStringLiteral(": ") + room.HourRatePrice.toString()}
                .join(u'\n');
    }
    return QString();
}

void GuestPanel::ListBox1Click()
{
    emit status(0, QStringLiteral("For Select Index/Count:   %1 / %2").arg(ListBox1->currentRow()).arg(ListBox1->count()));
    const QListWidgetItem *item = ListBox1->currentItem();
    ListBox1->setToolTip(item ? roomDescription(item->text()) : QString());
}

void GuestPanel::ListBox2Click()
{
    emit status(0, QStringLiteral("Selected Index/Count:   %1 / %2").arg(ListBox2->currentRow()).arg(ListBox2->count()));
    const QListWidgetItem *item = ListBox2->currentItem();
    if (!item)
        return;
    // The clicked room is the one the issue button works on.
    curRoom.BldRoomNo = item->text();
    edtRoomNo->setText(item->text());
    ListBox2->setToolTip(roomDescription(item->text()));
    ShowRoom(item->text());
}

void GuestPanel::cmdSelectClick()
{
    const int row = ListBox1->currentRow();
    if (row < 0)
        return;
    ListBox2->addItem(ListBox1->takeItem(row));
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(std::min(row, ListBox1->count() - 1));
    emit status(0, QStringLiteral("Selected Index/Count:   %1 / %2").arg(ListBox2->currentRow()).arg(ListBox2->count()));
}

void GuestPanel::cmdUnSelectClick()
{
    const int row = ListBox2->currentRow();
    if (row < 0 || !isMode({"TeamIn", "Reservation"}))
        return;
    ListBox1->addItem(ListBox2->takeItem(row));
    if (ListBox2->count() == 0) {
        edtRoomNo->clear();
        return;
    }
    ListBox2->setCurrentRow(std::min(row, ListBox2->count() - 1));
    ListBox2Click();
}

void GuestPanel::searchFreeRooms()
{
    QStringList rooms;
    if (!SearchFreeRooms(reservationCheckIn(), QDateTime(DateTimePicker1->date(), DateTimePicker2->time()),
                         m_deskTexts, &rooms))
        return;
    clearRoomLists();
    ListBox1->addItems(rooms);
}

void GuestPanel::makeReservation()
{
    ReservationRequest request{chosenRooms(), guestFields(), reservationCheckIn(),
                               QDateTime(DateTimePicker1->date(), DateTimePicker2->time())};
    if (MakeReservation(request, m_deskTexts))
        cmdCloseGuestClick();
}

void GuestPanel::setStayLength(int n)
{
    if (sedtDays->value() == n)
        sedtDaysChange();
    else
        sedtDays->setValue(n);
}

void GuestPanel::sedtDaysChange()
{
    const QDateTime base = m_mode == QLatin1String("Reservation") ? reservationCheckIn() : Clock().now();
    const StayEnd stay = StayOf(sedtDays->value(), chkHourRate->isChecked(), chkVIP->isChecked(), base, curRoom);
    setCheckOut(stay.checkOut);
    edtPrice->setText(stay.price.toString());
    if (DateTimePicker3->isVisibleTo(this))
        clearRoomLists();
}

QDateTime GuestPanel::reservationCheckIn() const
{
    return QDateTime(DateTimePicker3->date(), DateTimePicker4->time());
}

void GuestPanel::setReservationCheckIn(const QDateTime &time)
{
    const QSignalBlocker quietDate(DateTimePicker3);
    const QSignalBlocker quietTime(DateTimePicker4);
    DateTimePicker3->setDate(time.date());
    DateTimePicker4->setTime(time.time());
}

void GuestPanel::clearRoomLists()
{
    ListBox1->clear();
    ListBox2->clear();
}

void GuestPanel::DateTimePicker3Change()
{
    const QSignalBlocker quiet(DateTimePicker1);
    DateTimePicker1->setDate(DateTimePicker3->date().addDays(sedtDays->value()));
    clearRoomLists();
}

bool GuestPanel::isMode(std::initializer_list<const char *> modes) const
{
    for (const char *mode : modes) {
        if (m_mode == QLatin1String(mode))
            return true;
    }
    return false;
}

void GuestPanel::setCheckOut(const QDateTime &checkOut)
{
    // Only a date the operator picks changes the stay length.
    const QSignalBlocker quiet(DateTimePicker1);
    DateTimePicker1->setDate(checkOut.date());
    DateTimePicker2->setTime(checkOut.time());
}

void GuestPanel::DateTimePicker1Change()
{
    // A stay counts from its arrival: the reservation's, else today.
    const QDate from = m_mode == QLatin1String("Reservation") ? DateTimePicker3->date() : Clock().now().date();
    setStayLength(static_cast<int>(from.daysTo(DateTimePicker1->date())));
}

void GuestPanel::chkHourRateClick()
{
    const bool hours = chkHourRate->isChecked();
    chkVIP->setVisible(!hours);
    lblDays->setText(hours ? m_texts.Hours : m_texts.Days);
    markRed(lblDays, hours);
    const QColor pickers = hours ? QColor(Qt::lightGray) : palette().color(QPalette::Base);
    setBaseColour(DateTimePicker1, pickers);
    setBaseColour(DateTimePicker2, pickers);
    sedtDaysChange();
}

void GuestPanel::chkVIPClick()
{
    DateTimePicker2->setTime(CheckOutTimeOf(chkVIP->isChecked()));
}

void GuestPanel::chkCoverClick()
{
    markRed(chkCover, chkCover->isChecked());
}

void GuestPanel::cmdDetailClick()
{
    m_guestDetailShown = !m_guestDetailShown;
    showDetail();
}

void GuestPanel::showDetail()
{
    GroupBox2->setVisible(m_guestDetailShown);
    cmdDetail->setText(m_guestDetailShown ? QStringLiteral("<< ") + m_texts.GuestDetail
                                          : m_texts.GuestDetail + QStringLiteral(" >>"));
}

void GuestPanel::edtRoomNoEnter()
{
    if (edtRoomNo->text().isEmpty())
        return;
    edtRoomNoExit();
    sedtDays->setFocus();
    if (!m_roomNoValid)
        edtRoomNo->setFocus();
}

void GuestPanel::edtRoomNoExit()
{
    edtRoomNo->setModified(false);
    m_roomNoValid = false;
    const QString key = EnteredRoomKey(edtRoomNo->text(), curBld.BldNo);
    if (key.isEmpty())
        return;
    edtRoomNo->setText(key);
    m_roomNoValid = ShowRoom(key);
    // A room change and a group check-in keep the guest of the box; a
    // reservation's room is searched, not served.
    if (!m_roomNoValid || isMode({"Change", "TeamIn", "Reservation"}))
        return;
    setStayLength(1);
    loadRoomGuests();
}

void GuestPanel::cmdSearchRoomNoClick()
{
    if (m_mode == QLatin1String("Reservation")) {
        searchFreeRooms();
        return;
    }
    const int bldNo = curBld.BldNo;
    isSearchLockNo = true;
    {
        // The buildings and rooms screen as a picker leaves its room in
        // curRoom and ptrAryRoom and its building in curBld.
        TfrmRoomsDefination picker(this);
        picker.exec();
    }
    if (curBld.BldNo != bldNo)
        emit buildingChosen();
    pnlBuildingName->setText(curBld.BldName);
    edtRoomNo->setText(curRoom.BldRoomNo);
    if (!ShowRoom(edtRoomNo->text())) {
        if (edtRoomNo->isEnabled())
            edtRoomNo->setFocus();
        return;
    }
    if (!isMode({"Change", "TeamIn"}))
        loadRoomGuests();
}

void GuestPanel::cmdIssueCardClick()
{
    if (!cmdIssueCard->isVisible() || !cmdIssueCard->isEnabled())
        return;
    // A room number typed but not yet left (F5 in the field) is looked up
    // first, so that the card is for the room the field names.
    if (edtRoomNo->isModified()) {
        edtRoomNoExit();
        if (!m_roomNoValid)
            return;
    }
    if (m_mode == QLatin1String("Reservation")) {
        makeReservation();
        return;
    }
    IssueRequest request;
    request.roomNoText = edtRoomNo->text();
    request.guest = guestFields();
    request.checkOut = QDateTime(DateTimePicker1->date(), DateTimePicker2->time());
    request.hourRate = chkHourRate->isChecked();
    request.cover = chkCover->isChecked();
    request.chosenRooms = ListBox2->count();
    request.change = m_change;
    if (!IssueGuestCard(request, m_deskTexts))
        return;
    lblRoomStatus->setText(curRoom.Status);
    lblCardCount2->setText(QString::number(curRoom.CardCount));
    chkCover->setChecked(false);
    emit status(3, QStringLiteral("Dai: %1").arg(curRoom.Dai));
    emit status(2, QStringLiteral("GuestID: %1").arg(curGuest.ID));
}

GuestFields GuestPanel::guestFields() const
{
    GuestFields guest;
    guest.name = cmbName->currentText();
    guest.sex = cmbSex->currentText();
    guest.cType = cmbCType->currentText();
    guest.cNo = edtCNo->text();
    guest.price = edtPrice->text();
    guest.deposit = edtDeposit->text();
    guest.memo = edtMemo->text();
    guest.checkIn = edtCheckIn->text();
    const int listed = cmbName->currentIndex();
    guest.listedGuest = listed >= 0 && listed < lenAryGuest && guest.name == aryGuest[listed].Name;
    return guest;
}

QStringList GuestPanel::chosenRooms() const
{
    QStringList rooms;
    for (int i = 0; i < ListBox2->count(); ++i)
        rooms.append(ListBox2->item(i)->text());
    return rooms;
}

void GuestPanel::cmdCheckOutNoCardClick()
{
    if (!cmdCheckOutNoCard->isVisible() || !cmdCheckOutNoCard->isEnabled())
        return;
    if (m_mode == QLatin1String("WalkIn")) {
        if (CheckOutWithoutCard(edtRoomNo->text(), cmbName->currentText(), m_deskTexts))
            showRoomAgain();
        else if (edtRoomNo->isEnabled())
            edtRoomNo->setFocus();
    } else if (m_mode == QLatin1String("CheckOutWithCard")) {
        if (!CheckOutWithCard(m_cardData, m_deskTexts))
            return;
        // The card is blank now: a second press must not erase another card.
        cmdCheckOutNoCard->hide();
        showRoomAgain();
    } else if (m_mode == QLatin1String("TeamView")) {
        if (CheckOutGroup(chosenRooms(), cmbName->currentText(), m_deskTexts))
            cmdCloseGuestClick();
    } else if (m_mode == QLatin1String("Reservation")) {
        if (CancelReservation(chosenRooms(), cmbName->currentText(), m_deskTexts))
            cmdCloseGuestClick();
    }
}

void GuestPanel::showRoomAgain()
{
    if (!ShowRoom(edtRoomNo->text())) {
        if (edtRoomNo->isEnabled())
            edtRoomNo->setFocus();
        return;
    }
    loadRoomGuests();
}

void GuestPanel::cmdCloseGuestClick()
{
    curMenu = QStringLiteral("Receiption");
    edtRoomNo->setEnabled(true);
    emit closed();
}

void GuestPanel::focusRoomNo()
{
    edtRoomNo->setFocus();
    edtRoomNo->selectAll();
}

void GuestPanel::toggleRoomMemo()
{
    memRoom->setVisible(!memRoom->isVisible());
}

bool GuestPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtRoomNo) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, edtRoomNo, &QLineEdit::selectAll);
        else if (event->type() == QEvent::FocusOut && edtRoomNo->isModified())
            edtRoomNoExit();
    } else if (watched == memRoom->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        memRoom->hide();
        return true;
    } else if ((watched == ListBox1 || watched == ListBox2) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ListBox1)
                cmdSelectClick();
            else
                cmdUnSelectClick();
            return true;
        }
    } else if (watched == sedtDays && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdIssueCard->setFocus();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
