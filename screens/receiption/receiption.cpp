#include "screens/receiption/receiption.h"

#include "core/clock.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/receiption/carderase.h"
#include "screens/receiption/deskrights.h"
#include "screens/receiption/guestcard.h"
#include "screens/receiption/guestpanel.h"
#include "screens/receiption/statusicons.h"
#include "screens/receiption/statuspanel.h"
#include "store/rooms.h"
#include "ui/buttoncaptions.h"
#include "ui/buttonrights.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/looks.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kClientWidth = 1051;
constexpr int kClientHeight = 710;
constexpr int kRoomButtonWidth = 89;
constexpr int kRoomButtonHeight = 56;
constexpr int kFloorLabelWidth = 49;
constexpr int kFloorLabelHeight = 41;
constexpr int kBuildingListWidth = 361;
// The room buttons start this far from the room panel's edge.
constexpr int kPanelMargin = 8;
const int kStatusPanelWidths[] = {300, 120, 190, 80, 100, 50};

// The bar colours of the statuses, in the order of the counters.
const QColor kStatusColours[] = {
    QColor(0x00, 0xFF, 0x00), QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0x00, 0x00),
    QColor(0xFF, 0xFF, 0x00), QColor(0x00, 0x00, 0x00), QColor(0x00, 0x00, 0xFF), QColor(0x80, 0x00, 0x80),
};

QString encoderText()
{
    switch (EncoderMode) {
    case 0: return QStringLiteral("dUSB");
    // An ASCII colon: the full-width one is missing from common fonts.
    case 1: return QStringLiteral("Kestul: ") + EncoderModel;
    default: return QStringLiteral("No Reader");
    }
}

// A caption on two lines, broken at the blank nearest its middle; a single
// word stays as it is.
QString twoLineCaption(const QString &caption)
{
    const qsizetype middle = caption.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    }
    if (best < 0)
        return caption;
    QString wrapped = caption;
    wrapped[best] = u'\n';
    return wrapped;
}

QString boolText(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

QString dateTimeText(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QToolButton *operationButton(QWidget *parent, QStyle::StandardPixmap picture)
{
    auto *button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return button;
}

} // namespace

TfrmReceiption::TfrmReceiption(QWidget *parent)
    : QDialog(parent)
    , lblBldNo(new QLabel(this))
    , cmbBuildingName(new QComboBox(this))
    , BitBtn2(new QToolButton(this))
    , CheckBox2(new QCheckBox(this))
    , cmdModiRoomStatus(new QPushButton(this))
    , cmdDispChart(new QPushButton(this))
    , cmdExit(new QPushButton(this))
    , boardArea(new QStackedWidget(this))
    , Panel1(new QFrame)
    , ScrlBar1(new QScrollBar(Qt::Vertical, this))
    , Button1(new QPushButton(QStringLiteral("-"), this))
    , Button2(new QPushButton(QStringLiteral("+"), this))
    , Chart1(new QChartView)
    , Panel4(new GuestPanel)
    , Panel3(new StatusPanel)
    , cmdWalkIn(operationButton(this, QStyle::SP_DialogYesButton))
    , cmdTeamIn(operationButton(this, QStyle::SP_DirHomeIcon))
    , cmdReservation(operationButton(this, QStyle::SP_FileDialogDetailedView))
    , cmdChange(operationButton(this, QStyle::SP_BrowserReload))
    , cmdPostponed(operationButton(this, QStyle::SP_ArrowForward))
    , cmdCheckOutByCard(operationButton(this, QStyle::SP_DialogNoButton))
    , cmdCardInfo(operationButton(this, QStyle::SP_MessageBoxInformation))
    , cmdCardErase(operationButton(this, QStyle::SP_TrashIcon))
    , PopupMenu1(new QMenu(this))
    , GroupCheckIn(PopupMenu1->addAction(QString()))
    , GroupView(PopupMenu1->addAction(QString()))
    , PopupMenu2(new QMenu(this))
    , Reservation(PopupMenu2->addAction(QString()))
    , ReservationCheckIn(PopupMenu2->addAction(QString()))
    , StaBar1(new QStatusBar(this))
    , Timer1(new QTimer(this))
    , Timer2(new QTimer(this))
    , Timer3(new QTimer(this))
    , m_chart(new QChart)
    , m_floorColumn(new QVBoxLayout)
    , m_frameButtons(new QHBoxLayout)
{
    resize(kClientWidth, kClientHeight);
    QFont bold = font();
    bold.setBold(true);
    lblBldNo->setFont(bold);
    SetLook(lblBldNo, Look::Heading);
    cmbBuildingName->setEditable(false);
    cmbBuildingName->setMinimumWidth(kBuildingListWidth);
    cmdExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));

    auto *top = new QHBoxLayout;
    m_top = top;
    top->addWidget(lblBldNo);
    top->addWidget(cmbBuildingName);
    // Reloading the rooms from the database, by hand or every 10 seconds,
    // shows what another desk changed.
    top->addWidget(BitBtn2);
    top->addWidget(CheckBox2);
    top->addStretch(1);
    m_frameButtons->addWidget(cmdModiRoomStatus);
    m_frameButtons->addWidget(cmdDispChart);
    m_frameButtons->addWidget(cmdExit);
    top->addLayout(m_frameButtons);

    // The floor labels stand in a column of their own beside the room panel,
    // spaced to the rows of room buttons; hidden labels and buttons keep their
    // place.
    auto *board = new QWidget;
    auto *boardGrid = new QGridLayout(board);
    boardGrid->setContentsMargins(0, 0, 0, 0);
    boardGrid->setHorizontalSpacing(4);
    auto *rooms = new QGridLayout(Panel1);
    rooms->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    rooms->setSpacing(0);
    Panel1->setFrameShape(QFrame::StyledPanel);
    QFont floorFont = bold;
    floorFont.setUnderline(true);
    for (int row = 0; row < kBoardRows; ++row) {
        auto *label = new QLabel(board);
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setLineWidth(2);
        label->setFont(floorFont);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(kFloorLabelWidth);
        label->setFixedHeight(kFloorLabelHeight);
        SetLook(label, Look::Heading);
        QSizePolicy keep = label->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        label->setSizePolicy(keep);
        label->hide();
        floorLabels << label;
    }
    for (QLabel *label : floorLabels)
        m_floorColumn->addWidget(label);
    m_floorColumn->addStretch(1);
    QFont roomFont = bold;
    for (int slot = 0; slot < kBoardRows * kBoardColumns; ++slot) {
        auto *button = new QToolButton(Panel1);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(kStatusIconSize, kStatusIconSize));
        button->setFont(roomFont);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QSizePolicy keep = button->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        button->setSizePolicy(keep);
        button->hide();
        rooms->addWidget(button, slot / kBoardColumns, slot % kBoardColumns);
        connect(button, &QToolButton::clicked, this, [this, button] { BitBtn1Click(button); });
        roomButtons << button;
    }
    boardGrid->addLayout(m_floorColumn, 0, 0);
    boardGrid->addWidget(Panel1, 0, 1);
    boardGrid->setColumnStretch(1, 1);

    m_chart->legend()->hide();
    QFont title = m_chart->titleFont();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.5);
    m_chart->setTitleFont(title);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    Chart1->setChart(m_chart);
    Chart1->setRenderHint(QPainter::Antialiasing);
    boardArea->addWidget(board);
    boardArea->addWidget(Chart1);
    boardArea->addWidget(Panel4);
    boardArea->addWidget(Panel3);

    // The scroll bar takes the upper half beside the board, "-" and "+" lie
    // low down under it.
    auto *scroll = new QVBoxLayout;
    scroll->addWidget(ScrlBar1, 1);
    scroll->addStretch(1);
    scroll->addWidget(Button1);
    scroll->addWidget(Button2);
    scroll->addSpacing(40);
    QSizePolicy keepScroll = ScrlBar1->sizePolicy();
    keepScroll.setRetainSizeWhenHidden(true);
    ScrlBar1->setSizePolicy(keepScroll);

    auto *middle = new QHBoxLayout;
    middle->addWidget(boardArea, 1);
    middle->addLayout(scroll);

    auto *operations = new QHBoxLayout;
    for (QToolButton *button : {cmdWalkIn, cmdTeamIn, cmdReservation, cmdChange, cmdPostponed, cmdCheckOutByCard,
                                cmdCardInfo, cmdCardErase})
        operations->addWidget(button);

    for (int width : kStatusPanelWidths) {
        auto *panel = new QLabel(StaBar1);
        panel->setMinimumWidth(width);
        StaBar1->addWidget(panel);
        StaBarPanels << panel;
    }
    StaBar1->setSizeGripEnabled(false);

    auto *screen = new QVBoxLayout(this);
    m_screenLayout = screen;
    screen->setContentsMargins(8, 4, 8, 0);
    screen->setSpacing(4);
    screen->addLayout(top);
    screen->addLayout(middle, 1);
    screen->addLayout(operations);
    screen->addWidget(StaBar1);
    KeepEnterOffButtons(this);

    SetTag(cmdModiRoomStatus, kModiRoomStatusRight);
    SetTag(cmdWalkIn, kWalkInRight);
    SetTag(cmdTeamIn, kTeamInRight);
    SetTag(cmdCheckOutByCard, kCheckOutByCardRight);
    SetTag(cmdCardErase, kCardEraseRight);

    Timer1->setSingleShot(true);
    Timer1->setInterval(100);
    Timer2->setInterval(60000);
    Timer3->setInterval(10000);
    connect(Timer1, &QTimer::timeout, this, &TfrmReceiption::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TfrmReceiption::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TfrmReceiption::Timer3Timer);
    connect(cmbBuildingName, &QComboBox::activated, this, &TfrmReceiption::cmbBuildingNameCloseUp);
    connect(ScrlBar1, &QScrollBar::valueChanged, this, &TfrmReceiption::PaintRoomBoard);
    connect(Button1, &QPushButton::clicked, this, &TfrmReceiption::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmReceiption::Button2Click);
    connect(cmdDispChart, &QPushButton::clicked, this, &TfrmReceiption::cmdDispChartClick);
    connect(BitBtn2, &QToolButton::clicked, this, &TfrmReceiption::BitBtn2Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdWalkIn, &QToolButton::clicked, this, &TfrmReceiption::cmdWalkInClick);
    connect(cmdChange, &QToolButton::clicked, this, &TfrmReceiption::cmdChangeClick);
    connect(cmdPostponed, &QToolButton::clicked, this, &TfrmReceiption::cmdPostponedClick);
    connect(cmdCheckOutByCard, &QToolButton::clicked, this, &TfrmReceiption::cmdCheckOutByCardClick);
    connect(cmdCardErase, &QToolButton::clicked, this, &TfrmReceiption::cmdCardEraseClick);
    connect(cmdCardInfo, &QToolButton::clicked, this, [this] { cmdCardInfoClick(false); });
    connect(cmdTeamIn, &QToolButton::clicked, this, [this] { popupAt(PopupMenu1, cmdTeamIn); });
    connect(cmdReservation, &QToolButton::clicked, this, [this] { popupAt(PopupMenu2, cmdReservation); });
    for (QMenu *menu : {PopupMenu1, PopupMenu2}) {
        // The items of a menu are radio items: the operation last chosen is ticked.
        auto *radio = new QActionGroup(menu);
        for (QAction *item : menu->actions()) {
            item->setCheckable(true);
            radio->addAction(item);
        }
    }
    connect(GroupCheckIn, &QAction::triggered, this, [this] { openGroupOperation(QStringLiteral("TeamIn"), GroupCheckIn); });
    connect(GroupView, &QAction::triggered, this, [this] { openGroupOperation(QStringLiteral("TeamView"), GroupView); });
    connect(Reservation, &QAction::triggered, this,
            [this] { openGroupOperation(QStringLiteral("Reservation"), Reservation); });
    connect(ReservationCheckIn, &QAction::triggered, this,
            [this] { openGroupOperation(QStringLiteral("ReservationCheckIn"), ReservationCheckIn); });
    connect(Panel4, &GuestPanel::status, this, [this](int panel, const QString &text) {
        StaBarPanels[panel]->setText(text);
    });
    connect(Panel4, &GuestPanel::closed, this, &TfrmReceiption::GuestPanelClosed);
    connect(Panel4, &GuestPanel::buildingChosen, this, &TfrmReceiption::selectChosenBuilding);
    connect(cmdModiRoomStatus, &QPushButton::clicked, this, &TfrmReceiption::cmdModiRoomStatusClick);
    connect(Panel3, &StatusPanel::status, this, [this](int panel, const QString &text) {
        StaBarPanels[panel]->setText(text);
    });
    connect(Panel3, &StatusPanel::closed, this, &TfrmReceiption::GuestPanelClosed);

    FormCreate();
}

void TfrmReceiption::FormCreate()
{
    m_texts = ReadReceiptionTexts();
    const ReceiptionTexts &t = m_texts;
    setWindowTitle(t.Title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    SetButtonCaptions({
        {cmdModiRoomStatus, t.ModiRoomStatus, t.ModiRoomStatus_Hint},
        {cmdDispChart, t.DispChart, t.DispChart_Hint},
        {cmdWalkIn, t.WalkIn, t.WalkIn_Hint},
        {cmdTeamIn, t.TeamIn, t.TeamIn_Hint},
        {cmdReservation, t.Reservation, t.Reservation_Hint},
        {cmdChange, t.Change, t.Change_Hint},
        {cmdPostponed, t.Postponed, t.Postponed_Hint},
        {cmdCheckOutByCard, t.CheckOutByCard, t.CheckOutByCard_Hint},
        {cmdCardInfo, t.CardInfo, t.CardInfo_Hint},
        {cmdCardErase, t.CardErase, t.CardErase_Hint},
    });
    GroupCheckIn->setText(t.GroupCheckIn);
    GroupView->setText(t.GroupView);
    Reservation->setText(t.NewReservation);
    ReservationCheckIn->setText(t.ReservationCheckIn);
    m_deskTexts = ReadDeskTexts();
    m_cardInfoTexts = ReadCardInfoTexts();
    cmdExit->setText(t.Exit + QStringLiteral("[&X]"));
    cmdExit->setToolTip(t.Exit_Hint);
    CheckBox2->setText(QStringLiteral("Auto refresh / 10 s"));
    BitBtn2->setToolTip(QStringLiteral("Refresh room icons"));
    ApplyFontSettings(this);
    fitOperationButtons();
    fitTopRow();
    // A room button keeps its design size unless the configured font needs more.
    QToolButton *sample = roomButtons.first();
    sample->setText(QStringLiteral("8888"));
    sample->setIcon(StatusIcon(RoomIcon()));
    const QSize roomSize = QSize(kRoomButtonWidth, kRoomButtonHeight).expandedTo(sample->sizeHint());
    for (QToolButton *button : roomButtons) {
        button->setMinimumWidth(roomSize.width());
        button->setFixedHeight(roomSize.height());
    }
    // Each floor label level with the middle of its row of room buttons.
    const int gap = roomSize.height() - kFloorLabelHeight;
    m_floorColumn->setSpacing(gap);
    m_floorColumn->setContentsMargins(0, Panel1->frameWidth() + kPanelMargin + gap / 2, 0, 0);
}

void TfrmReceiption::fitTopRow()
{
    // With a large font the building selector and the frame's buttons would
    // make the screen wider than the desk's monitor: the buttons go to a row
    // of their own, at the right.
    if (m_top->minimumSize().width() <= kClientWidth)
        return;
    m_top->removeItem(m_frameButtons);
    m_frameButtons->insertStretch(0, 1);
    m_screenLayout->insertLayout(1, m_frameButtons);
}

void TfrmReceiption::fitOperationButtons()
{
    // With a large font the eight buttons side by side would make the screen
    // wider than the desk's monitor: their captions then take two lines.
    const QList<QToolButton *> buttons = {cmdWalkIn,         cmdTeamIn,   cmdReservation, cmdChange, cmdPostponed,
                                          cmdCheckOutByCard, cmdCardInfo, cmdCardErase};
    int width = 0;
    for (const QToolButton *button : buttons)
        width += button->minimumSizeHint().width();
    if (width <= kClientWidth)
        return;
    for (QToolButton *button : buttons)
        button->setText(twoLineCaption(button->text()));
}

void TfrmReceiption::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TfrmReceiption::FormShow()
{
    curMenu = QStringLiteral("Receiption");
    StaBarPanels[2]->setText(curMenu);
    StaBarPanels[4]->setText(encoderText());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        // Never above or left of the screen: a window that large fonts made
        // wider than the screen keeps its caption and left edge in view.
        const int top = area.height() > 768 ? (area.height() - (height() + 30)) / 2 : 0;
        move(std::max((area.width() - width()) / 2, 0), std::max(top, 0));
    }
    ApplyRights(this);
    cmdChange->setEnabled(cmdWalkIn->isEnabled());
    cmdPostponed->setEnabled(cmdWalkIn->isEnabled());
    m_lastMinuteTick = Clock().now();
    Timer2->start();
    Timer3->start();
    QStringList names;
    LoadBuildings(names);
    cmbBuildingName->clear();
    cmbBuildingName->addItems(names);
    cmbBuildingName->setCurrentIndex(0);
    cmbBuildingNameCloseUp();
}

void TfrmReceiption::cmbBuildingNameCloseUp()
{
    const int selected = cmbBuildingName->currentIndex();
    curBld.BldNo = selected >= 0 && selected < aryBldNo.size() ? aryBldNo[selected] : 0;
    curBld.BldName = cmbBuildingName->currentText();
    curBldNoName = QStringLiteral("%1,%2").arg(curBld.BldNo).arg(curBld.BldName);
    ptrCurBldOfAryRoom = GetPointerOfAryRoom(ByBuilding, QString::number(curBld.BldNo));
    lblBldNo->setText(QString::number(curBld.BldNo));
    m_boardRows = CountBoardRooms();
    if (m_boardRows == 0) {
        ShowWarning(QStringLiteral("N9073"), m_texts.msgDefineRooms);
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    FillStatusChart();
    StaBarPanels[1]->setText(QStringLiteral("Rooms:  %1").arg(m_counters.total));
    if (boardArea->currentWidget() == Panel3)
        Panel3->FillStatusGrid(true);
    {
        const QSignalBlocker quiet(ScrlBar1);
        ScrlBar1->setValue(0);
        fitScrollBar();
    }
    PaintRoomBoard();
}

void TfrmReceiption::selectChosenBuilding()
{
    cmbBuildingName->setCurrentIndex(aryBldNo.indexOf(curBld.BldNo));
    cmbBuildingNameCloseUp();
}

void TfrmReceiption::fitScrollBar()
{
    ScrlBar1->setMinimum(0);
    ScrlBar1->setSingleStep(1);
    ScrlBar1->setPageStep(kBoardRows);
    ScrlBar1->setMaximum(std::max(m_boardRows - kBoardRows, 0));
    ScrlBar1->setVisible(m_boardRows > kBoardRows);
}

void TfrmReceiption::recountAndRepaint()
{
    m_boardRows = CountBoardRooms();
    FillStatusChart();
    StaBarPanels[1]->setText(QStringLiteral("Rooms:  %1").arg(m_counters.total));
    {
        const QSignalBlocker quiet(ScrlBar1);
        fitScrollBar();
    }
    PaintRoomBoard();
}

int TfrmReceiption::CountBoardRooms()
{
    return ::CountBoardRooms(&m_counters);
}

void TfrmReceiption::FillStatusChart()
{
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes())
        m_chart->removeAxis(axis);
    m_chart->setTitle(ChartTitleLines(curBld.BldName).join(QStringLiteral("<br>")));
    // One stacked set per status, each with its value in its own column only,
    // so that every bar has its own colour.
    auto *series = new QStackedBarSeries;
    QStringList names;
    int highest = 0;
    for (int i = 0; i < int(std::size(kRoomStatuses)); ++i) {
        names << RoomStatusText(kRoomStatuses[i]);
        auto *bar = new QBarSet(names.last());
        for (int column = 0; column < int(std::size(kRoomStatuses)); ++column)
            *bar << (column == i ? m_counters.byStatus[i] : 0);
        bar->setColor(kStatusColours[i]);
        bar->setBorderColor(Qt::black);
        bar->setLabelColor(Qt::black);
        series->append(bar);
        highest = std::max(highest, m_counters.byStatus[i]);
    }
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    m_chart->addSeries(series);
    auto *categories = new QBarCategoryAxis;
    categories->append(names);
    auto *values = new QValueAxis;
    values->setRange(0, std::max(highest, 1));
    values->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(categories, Qt::AlignBottom);
    m_chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
}

QStringList TfrmReceiption::chartTitleLines() const
{
    return m_chart->title().split(QStringLiteral("<br>"));
}

void TfrmReceiption::PaintRoomBoard()
{
    const BoardPage page = LayOutBoardPage(ScrlBar1->value());
    StaBarPanels[0]->setText(
        QStringLiteral("Rows: %1, Pos: %2, Mov: %3").arg(m_boardRows).arg(ScrlBar1->value()).arg(page.passedOver));
    const QDateTime now = Clock().now();
    for (int row = 0; row < kBoardRows; ++row) {
        const BoardRow &boardRow = page.rows[row];
        floorLabels[row]->setText(QString::number(boardRow.flrNo));
        floorLabels[row]->setVisible(boardRow.showFloor);
        for (int column = 0; column < kBoardColumns; ++column) {
            QToolButton *button = roomButtons[row * kBoardColumns + column];
            const int index = boardRow.rooms[column];
            if (index < 0) {
                button->hide();
                continue;
            }
            varRoom = aryRoom[index];
            button->setText(varRoom.RoomNo);
            button->setToolTip(RoomHint(varRoom, curBld.BldName, m_texts.hintLabels));
            button->setIcon(StatusIcon(RoomIconOf(varRoom, now)));
            button->show();
        }
    }
}

void TfrmReceiption::BitBtn1Click(QToolButton *button)
{
    curRoom.LockNo = LockNoOfHint(button->toolTip());
    StaBarPanels[0]->setText(QStringLiteral("LockNo.: ") + curRoom.LockNo);
    // A room opens in the walk-in panel, for an operator allowed to check in.
    if (cmdWalkIn->isEnabled())
        cmdWalkInClick();
}

bool TfrmReceiption::openPanelFor(const QString &mode)
{
    if (curMenu == mode) {
        Panel4->cmdCloseGuestClick();
        return false;
    }
    curMenu = mode;
    boardArea->setCurrentWidget(Panel4);
    StaBarPanels[2]->setText(curMenu);
    return true;
}

void TfrmReceiption::cmdWalkInClick()
{
    if (openPanelFor(QStringLiteral("WalkIn")))
        Panel4->OpenWalkIn(m_texts.WalkIn);
}

void TfrmReceiption::openForGuestCard(const QString &mode, const QString &caption)
{
    if (curMenu == mode) {
        Panel4->cmdCloseGuestClick();
        return;
    }
    // The panel opens only for a guest card the register knows.
    if (!ReadGuestCard(m_deskTexts) || !openPanelFor(mode))
        return;
    Panel4->OpenForGuestCard(mode, caption);
}

void TfrmReceiption::cmdChangeClick()
{
    openForGuestCard(QStringLiteral("Change"), m_texts.Change);
}

void TfrmReceiption::cmdPostponedClick()
{
    openForGuestCard(QStringLiteral("Postpone"), m_texts.Postponed);
}

void TfrmReceiption::cmdCheckOutByCardClick()
{
    openForGuestCard(QStringLiteral("CheckOutWithCard"), m_texts.CheckOutByCard);
}

void TfrmReceiption::popupAt(QMenu *menu, QWidget *button)
{
    // Beside the pointer, or beside the middle of the button pressed from the keyboard.
    QPoint at = button->mapFromGlobal(QCursor::pos());
    if (!button->rect().contains(at))
        at = button->rect().center();
    menu->popup(button->mapToGlobal(at + QPoint(10, 0)));
}

void TfrmReceiption::openGroupOperation(const QString &mode, QAction *item)
{
    if (openPanelFor(mode))
        Panel4->OpenGroupOperation(mode, item->text());
}

void TfrmReceiption::cmdCardEraseClick()
{
    EraseCardAtDesk(m_deskTexts);
}

void TfrmReceiption::cmdCardInfoClick(bool typedCardID)
{
    if (!ReadCardInformation(typedCardID))
        return;
    const CardStatusTexts shown = CardStatusTextsOf();
    StaBarPanels[0]->setText(shown.options);
    StaBarPanels[3]->setText(shown.dai);
    StaBarPanels[5]->setText(shown.flags);
    ShowCardInformationBox(m_cardInfoTexts);
}

void TfrmReceiption::typedCardInfo()
{
    const QString typed = InputBox(QStringLiteral("DispInputCardInfo"), QStringLiteral("Card ID (8-char)"), QString());
    if (PrepareTypedCardID(typed))
        cmdCardInfoClick(true);
}

void TfrmReceiption::GuestPanelClosed()
{
    StaBarPanels[2]->setText(curMenu);
    boardArea->setCurrentIndex(0);
    startRefreshWhenNeeded();
}

void TfrmReceiption::BitBtn2Click()
{
    if (!LoadAryRoom())
        return;
    // Another desk may have added or removed rooms: the building's first room
    // can have moved in the new registry.
    ptrCurBldOfAryRoom = GetPointerOfAryRoom(ByBuilding, QString::number(curBld.BldNo));
    recountAndRepaint();
}

void TfrmReceiption::cmdDispChartClick()
{
    const bool show = boardArea->currentWidget() != Chart1;
    boardArea->setCurrentWidget(show ? static_cast<QWidget *>(Chart1) : boardArea->widget(0));
    curMenu = show ? QStringLiteral("DispChart") : QStringLiteral("Receiption");
    StaBarPanels[2]->setText(cmdDispChart->text());
    if (!show)
        startRefreshWhenNeeded();
}

void TfrmReceiption::cmdModiRoomStatusClick()
{
    if (boardArea->currentWidget() == Panel3) {
        Panel3->cmdCloseModiRoomStatusClick();
        return;
    }
    boardArea->setCurrentWidget(Panel3);
    Panel3->Open(cmdModiRoomStatus->text());
}

void TfrmReceiption::startRefreshWhenNeeded()
{
    if (isNeedRefreshRooms)
        Timer1->start();
}

void TfrmReceiption::Button1Click()
{
    if (ScrlBar1->value() > 0)
        ScrlBar1->setValue(ScrlBar1->value() - 1);
}

void TfrmReceiption::Button2Click()
{
    if (ScrlBar1->value() < ScrlBar1->maximum())
        ScrlBar1->setValue(ScrlBar1->value() + 1);
}

void TfrmReceiption::Timer1Timer()
{
    Timer1->stop();
    if (!isNeedRefreshRooms)
        return;
    isNeedRefreshRooms = false;
    recountAndRepaint();
}

void TfrmReceiption::Timer2Timer()
{
    const QDateTime now = Clock().now();
    const bool due = CheckOutRepaintDue(settings.CheckOutTime, m_lastMinuteTick, now);
    m_lastMinuteTick = now;
    if (due)
        PaintRoomBoard();
}

void TfrmReceiption::Timer3Timer()
{
    if (CheckBox2->isChecked())
        BitBtn2Click();
}

void TfrmReceiption::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F2:
        showDiagnostics();
        return;
    case Qt::Key_F6:
        ShowRawCard();
        return;
    case Qt::Key_F11:
        typedCardInfo();
        return;
    default:
        break;
    }
    if (boardArea->currentWidget() == Panel4) {
        switch (event->key()) {
        case Qt::Key_F3:
            if (curMenu == QLatin1String("WalkIn") || curMenu == QLatin1String("TeamIn")
                || curMenu == QLatin1String("Change"))
                Panel4->focusRoomNo();
            return;
        case Qt::Key_F4:
            Panel4->toggleRoomMemo();
            return;
        case Qt::Key_F5:
            Panel4->cmdIssueCardClick();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

void TfrmReceiption::showDiagnostics()
{
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
    const bool hasRoom = ptrAryRoom >= 0 && ptrAryRoom < aryRoom.size();
    const TRoomInfo served = hasRoom ? aryRoom[ptrAryRoom] : TRoomInfo();
    if (!Panel4->memRoom->isVisible()) {
        // The room's memo and reservation time beside the box, for the look at the state.
        QStringList memo{curRoom.BeiZhu};
        if (curRoom.ReservCkIn > DateTimeZero())
            memo << m_texts.OTCkIn << QStringLiteral("    ") + dateTimeText(curRoom.ReservCkIn);
        Panel4->memRoom->setPlainText(memo.join(u'\n'));
        Panel4->memRoom->show();
    }
    const QStringList lines = {
        QStringLiteral("curMenu = ") + curMenu,
        QStringLiteral("curBld.BldNo = %1").arg(curBld.BldNo),
        QStringLiteral("curBldNoName = %1").arg(curBldNoName),
        QStringLiteral("curRoom.BldRoomNo = %1").arg(curRoom.BldRoomNo),
        QStringLiteral("curRoom.LockNo = %1").arg(curRoom.LockNo),
        QStringLiteral("curRoom.MaxCards = %1").arg(curRoom.MaxCards),
        QStringLiteral("ptrCurBldOfAryRoom = %1").arg(ptrCurBldOfAryRoom),
        QStringLiteral("ptrAryRoom = %1").arg(ptrAryRoom),
        QStringLiteral("ptrAryGuest = %1").arg(ptrAryGuest),
        QStringLiteral("lenAryGuest = %1").arg(lenAryGuest),
        QStringLiteral("curGuest.BldRoomNo = %1").arg(curGuest.BldRoomNo),
        QStringLiteral("curGuest.Name = %1").arg(curGuest.Name),
        QStringLiteral("curGuest.CardID = %1").arg(curGuest.CardID),
        QStringLiteral("Screen: %1 x %2").arg(screen.width()).arg(screen.height()),
        QStringLiteral("strQX = %1").arg(strQX),
        QStringLiteral("fDirectCardErase = %1").arg(boolText(fDirectCardErase)),
        QStringLiteral("isNeedRefreshRooms = %1").arg(boolText(isNeedRefreshRooms)),
        QStringLiteral("ReservCkIn = %1").arg(dateTimeText(served.ReservCkIn)),
        QStringLiteral("FirstCkOut = %1").arg(dateTimeText(served.FirstCkOut)),
        QStringLiteral("dlsCoID = $") + QString::number(settings.dlsCoID, 16).toUpper().rightJustified(6, u'0'),
    };
    ShowInfo(QStringLiteral("Var on Receiption"), lines.join(u'\n'));
}
