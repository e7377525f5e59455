#include "screens/rooms/roomsdefination.h"

#include "core/operatorport.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "screens/rooms/lockidexport.h"
#include "screens/rooms/roombatch.h"
#include "screens/rooms/roomcommands.h"
#include "store/buildings.h"
#include "store/rooms.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/gridcolumns.h"
#include "ui/looks.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 854;
constexpr int kClientHeight = 626;
constexpr int kLongBuildingName = 32;
constexpr int kRowPanelWidth = 200;
const int kBuildingColumnWidths[] = {15, 135, 372};
const int kRoomColumnWidths[] = {15, 89, 104, 132, 100, 126, 115, 120, 106, 85};

QString cellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void setCell(QTableWidget *grid, int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    grid->setItem(row, column, item);
}

// One grid row. The floor is shown as stored, so that a row whose floor is no
// number shows what it holds.
void fillRoomRow(QTableWidget *grid, int row, const RoomRow &listed)
{
    const TRoomInfo &room = listed.room;
    setCell(grid, row, ColMark, PublicDoorMark(room.PublicDoor));
    setCell(grid, row, ColFloor, listed.key.FlrNo.toString());
    setCell(grid, row, ColRoomNo, room.RoomNo);
    setCell(grid, row, ColType, room.sType);
    setCell(grid, row, ColPrice, room.Price.toString());
    setCell(grid, row, ColHourStartup, room.HourRateStartup.toString());
    setCell(grid, row, ColHourPrice, room.HourRatePrice.toString());
    setCell(grid, row, ColStatus, room.Status);
    setCell(grid, row, ColCards, QString::number(room.MaxCards));
    setCell(grid, row, ColLockNo, room.LockNo);
}

QTableWidget *makeGrid(QWidget *parent, const int *widths, int columns)
{
    auto *grid = new QTableWidget(parent);
    grid->setColumnCount(columns);
    for (int i = 0; i < columns; ++i)
        grid->setColumnWidth(i, widths[i]);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

void highlight(QTableWidget *grid, const QColor &colour)
{
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Highlight, colour);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    grid->setPalette(palette);
}

} // namespace

TfrmRoomsDefination::TfrmRoomsDefination(QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(this))
    , GridBlds(makeGrid(this, kBuildingColumnWidths, 3))
    , Label2(new QLabel(this))
    , GridRooms(makeGrid(this, kRoomColumnWidths, 10))
    , GroupBox1(new QGroupBox(this))
    , cmdAddBld(new QPushButton(GroupBox1))
    , cmdDelBld(new QPushButton(GroupBox1))
    , cmdModiBld(new QPushButton(GroupBox1))
    , cmdAddRoom(new QPushButton(GroupBox1))
    , cmdDelRoom(new QPushButton(GroupBox1))
    , cmdModiRoom(new QPushButton(GroupBox1))
    , SpeedButton1(new QPushButton(GroupBox1))
    , cmdExit(new QPushButton(this))
    , StaBar1(new QStatusBar(this))
    , StaBarPanel0(new QLabel(StaBar1))
    , StaBarPanel1(new QLabel(StaBar1))
    , m_picker(isSearchLockNo)
{
    resize(kClientWidth, kClientHeight);
    QFont heading(QStringLiteral("Arial"));
    heading.setPixelSize(21);
    for (QLabel *label : {Label1, Label2}) {
        label->setFont(heading);
        SetLook(label, Look::Heading);
    }
    auto *commands = new QVBoxLayout(GroupBox1);
    for (QPushButton *button : {cmdAddBld, cmdDelBld, cmdModiBld, cmdAddRoom, cmdDelRoom, cmdModiRoom, SpeedButton1})
        commands->addWidget(button);
    commands->addStretch(1);
    SpeedButton1->setText(QStringLiteral("LOCKID-->>Ini File"));
    StaBarPanel0->setMinimumWidth(kRowPanelWidth);
    StaBar1->addWidget(StaBarPanel0);
    StaBar1->addWidget(StaBarPanel1, 1);

    // The buildings with the command panel beside them, the rooms below
    // across the whole width.
    auto *screen = new QGridLayout(this);
    screen->setContentsMargins(8, 4, 8, 0);
    screen->addWidget(Label1, 0, 0);
    screen->addWidget(GridBlds, 1, 0);
    screen->addWidget(GroupBox1, 0, 1, 2, 1);
    screen->addWidget(Label2, 2, 0);
    screen->addWidget(cmdExit, 2, 1);
    screen->addWidget(GridRooms, 3, 0, 1, 2);
    screen->addWidget(StaBar1, 4, 0, 1, 2);
    screen->setColumnStretch(0, 1);
    screen->setRowStretch(1, 1);
    screen->setRowStretch(3, 2);
    KeepEnterOffButtons(this);

    GridBlds->setSelectionBehavior(QAbstractItemView::SelectRows);
    highlight(GridBlds, Qt::yellow);
    highlight(GridRooms, QColor(0xA6, 0xCA, 0xF0));
    GridBlds->installEventFilter(this);
    GridRooms->installEventFilter(this);

    connect(GridBlds, &QTableWidget::currentCellChanged, this, [this] { GridBldsClick(); });
    connect(GridRooms, &QTableWidget::currentCellChanged, this, [this] { GridRoomsClick(); });
    connect(GridRooms, &QTableWidget::cellDoubleClicked, this, [this] { GridRoomsDblClick(); });
    connect(cmdAddBld, &QPushButton::clicked, this, &TfrmRoomsDefination::cmdAddBldClick);
    connect(cmdDelBld, &QPushButton::clicked, this, &TfrmRoomsDefination::cmdDelBldClick);
    connect(cmdModiBld, &QPushButton::clicked, this, &TfrmRoomsDefination::cmdModiBldClick);
    connect(cmdAddRoom, &QPushButton::clicked, this, &TfrmRoomsDefination::cmdAddRoomClick);
    connect(cmdDelRoom, &QPushButton::clicked, this, &TfrmRoomsDefination::cmdDelRoomClick);
    connect(cmdModiRoom, &QPushButton::clicked, this, &TfrmRoomsDefination::cmdModiRoomClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmRoomsDefination::SpeedButton1Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
    WidenColumnsToHeaders(GridBlds);
    WidenColumnsToHeaders(GridRooms);
}

void TfrmRoomsDefination::FormCreate()
{
    m_texts = ReadRoomsDefinationTexts();
    const RoomsDefinationTexts &t = m_texts;
    if (m_picker) {
        setWindowTitle(t.Title2);
        cmdExit->setText(t.Exit2);
        cmdExit->setToolTip(t.Exit_Hint2);
        cmdExit->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        cmdExit->setMinimumHeight(cmdExit->sizeHint().height() * 2);
        GroupBox1->hide();
        GridRooms->setSelectionBehavior(QAbstractItemView::SelectRows);
    } else {
        setWindowTitle(t.Title1);
        cmdExit->setText(t.Exit1 + QStringLiteral("[&X]"));
        cmdExit->setToolTip(t.Exit_Hint1);
        GridRooms->setSelectionBehavior(QAbstractItemView::SelectItems);
    }
    GridBlds->setHorizontalHeaderLabels({QString(), t.BldNo, t.BldName});
    GridRooms->setHorizontalHeaderLabels(
        {QString(), t.FlrNo, t.RoomNo, t.Type, t.Price, t.HourRateStartup, t.HourRatePrice, t.Status, t.CardNum, t.LockNo});
    const struct {
        QPushButton *button;
        const QString &caption;
        const QString &hint;
    } commands[] = {
        {cmdAddBld, t.AddBld, t.AddBld_Hint},    {cmdDelBld, t.DelBld, t.DelBld_Hint},
        {cmdModiBld, t.ModiBld, t.ModiBld_Hint}, {cmdAddRoom, t.AddRoom, t.AddRoom_Hint},
        {cmdDelRoom, t.DelRoom, t.DelRoom_Hint}, {cmdModiRoom, t.ModiRoom, t.ModiRoom_Hint},
    };
    for (const auto &command : commands) {
        command.button->setText(command.caption);
        command.button->setToolTip(command.hint);
    }
    Label1->setText(t.ListOfBuildings);
    StaBarPanel1->clear();
    ApplyFontSettings(this);
}

void TfrmRoomsDefination::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    RefreshGridBlds();
    if (hasBuilding())
        RefreshGridRooms();
    else
        GridRooms->setRowCount(1);
}

void TfrmRoomsDefination::done(int result)
{
    // The registry learns what was edited here once, when the editor closes.
    if (!m_picker)
        LoadAryRoom();
    QDialog::done(result);
}

bool TfrmRoomsDefination::hasBuilding() const
{
    return !curBldNoName.isEmpty();
}

bool TfrmRoomsDefination::buildingSelected(const QString &caption)
{
    if (hasBuilding())
        return true;
    // After a failed read nobody knows whether there are buildings: read them
    // again rather than ask the operator to add some.
    if (!m_buildingsRead) {
        RefreshGridBlds();
        if (hasBuilding())
            RefreshGridRooms();
        return false;
    }
    ShowWarning(caption, m_texts.msgAddBld);
    return false;
}

void TfrmRoomsDefination::RefreshGridBlds()
{
    const QSignalBlocker blocker(GridBlds);
    GridBlds->setRowCount(0);
    curBldNoName.clear();
    QList<TBuildingInfo> buildings;
    QString error;
    m_buildingsRead = ReadBuildings(&buildings, &error);
    if (!m_buildingsRead) {
        // Nothing is known about the buildings: the label must not say there are none.
        ShowError(QStringLiteral("E0068"), QStringLiteral("Read BuildingInfo Failure\n") + error);
        Label1->setText(m_texts.ListOfBuildings);
        return;
    }
    for (const TBuildingInfo &building : buildings) {
        const int row = GridBlds->rowCount();
        GridBlds->insertRow(row);
        setCell(GridBlds, row, 1, QString::number(building.BldNo));
        setCell(GridBlds, row, 2, building.BldName);
    }
    if (GridBlds->rowCount() == 0) {
        Label1->setText(m_texts.msgAddBld);
        return;
    }
    Label1->setText(m_texts.ListOfBuildings);
    GridBlds->setCurrentCell(0, 1);
    curBld.BldNo = cellText(GridBlds, 0, 1).toInt();
    curBld.BldName = cellText(GridBlds, 0, 2);
    curBldNoName = BuildingNoName(curBld);
}

void TfrmRoomsDefination::RefreshGridRooms()
{
    Label2->setText(m_texts.ListOfRooms + QStringLiteral("---") + curBld.BldName);
    QFont font = Label2->font();
    font.setPointSize(curBld.BldName.size() <= kLongBuildingName ? 16 : 10);
    Label2->setFont(font);

    const QSignalBlocker blocker(GridRooms);
    GridRooms->setRowCount(0);
    m_rooms.clear();
    if (curMenu == QLatin1String("RoomsDefination")) {
        QString error;
        if (!ReadRoomRows(curBld.BldNo, &m_rooms, &error))
            ShowError(QStringLiteral("E0069"), QStringLiteral("Read RoomInfo Failure\n") + error);
        else if (m_rooms.isEmpty())
            ShowWarning(QStringLiteral("N9002"), Common.msgAddRoom + u'\n' + curBldNoName);
    } else {
        ptrCurBldOfAryRoom = GetPointerOfAryRoom(3, QString::number(curBld.BldNo));
        if (ptrCurBldOfAryRoom >= 0 && ptrCurBldOfAryRoom < aryRoom.size()) {
            for (ptrAryRoom = ptrCurBldOfAryRoom; ptrAryRoom < aryRoom.size() && aryRoom[ptrAryRoom].BldNo == curBld.BldNo;
                 ++ptrAryRoom)
                m_rooms.append({aryRoom[ptrAryRoom], RoomKeyOf(aryRoom[ptrAryRoom])});
        }
    }
    for (const RoomRow &listed : std::as_const(m_rooms)) {
        GridRooms->insertRow(GridRooms->rowCount());
        fillRoomRow(GridRooms, GridRooms->rowCount() - 1, listed);
    }
    if (GridRooms->rowCount() == 0)
        GridRooms->setRowCount(1);
    GridRooms->setCurrentCell(0, GridRooms->currentColumn() < 0 ? 1 : GridRooms->currentColumn());
    GetCurRoomInfoFromGridRooms();
}

void TfrmRoomsDefination::GetCurRoomInfoFromGridRooms()
{
    const int row = GridRooms->currentRow();
    if (!hasRoomRow()) {
        curRoom.BldNo = curBld.BldNo;
        curRoom.LockNo.clear();
        return;
    }
    curRoom = m_rooms[row].room;
    // The picker's rows are the building's run of registry entries.
    if (m_picker)
        ptrAryRoom = ptrCurBldOfAryRoom + row;
}

bool TfrmRoomsDefination::hasRoomRow() const
{
    const int row = GridRooms->currentRow();
    return row >= 0 && row < m_rooms.size();
}

const RoomKey &TfrmRoomsDefination::currentKey() const
{
    return m_rooms[GridRooms->currentRow()].key;
}

void TfrmRoomsDefination::GridBldsClick()
{
    const int row = GridBlds->currentRow();
    StaBarPanel0->setText(QStringLiteral("Building Row: %1 / %2").arg(row + 1).arg(GridBlds->rowCount()));
    if (row < 0)
        return;
    curBld.BldNo = cellText(GridBlds, row, 1).toInt();
    curBld.BldName = cellText(GridBlds, row, 2);
    curBldNoName = BuildingNoName(curBld);
    RefreshGridRooms();
}

void TfrmRoomsDefination::GridRoomsClick()
{
    StaBarPanel0->setText(QStringLiteral("Room Row: %1 / %2").arg(GridRooms->currentRow() + 1).arg(GridRooms->rowCount()));
    GetCurRoomInfoFromGridRooms();
}

void TfrmRoomsDefination::GridRoomsDblClick()
{
    if (m_picker)
        accept();
    else
        cmdModiRoomClick();
}

void TfrmRoomsDefination::selectRoomRow(int row)
{
    GridRooms->setCurrentCell(qBound(0, row, GridRooms->rowCount() - 1), qMax(GridRooms->currentColumn(), 0));
    GetCurRoomInfoFromGridRooms();
}

void TfrmRoomsDefination::cmdAddBldClick()
{
    if (!AddBuilding(m_texts, cmdAddBld->text()))
        return;
    RefreshGridBlds();
    RefreshGridRooms();
}

void TfrmRoomsDefination::cmdDelBldClick()
{
    if (!buildingSelected(QStringLiteral("N9003")))
        return;
    if (!RemoveBuilding(m_texts, curBld))
        return;
    RefreshGridBlds();
    RefreshGridRooms();
}

void TfrmRoomsDefination::cmdModiBldClick()
{
    if (!buildingSelected(QStringLiteral("N9006")))
        return;
    if (!RenameBuilding(m_texts, cmdModiBld->text(), curBld))
        return;
    RefreshGridBlds();
    RefreshGridRooms();
}

void TfrmRoomsDefination::cmdAddRoomClick()
{
    if (!buildingSelected(QStringLiteral("N9007")))
        return;
    const RoomBatchPrompts prompts{cmdAddRoom->text(), GridRooms->horizontalHeaderItem(ColHourStartup)->text(),
                                   GridRooms->horizontalHeaderItem(ColHourPrice)->text()};
    if (InsertNewRooms(m_texts, prompts, curBld, curRoom))
        RefreshGridRooms();
}

void TfrmRoomsDefination::cmdDelRoomClick()
{
    if (!buildingSelected(QStringLiteral("N9013")))
        return;
    if (!hasRoomRow())
        return;
    const int row = GridRooms->currentRow();
    if (!RemoveRoom(m_texts, curBld, curRoom, currentKey()))
        return;
    RefreshGridRooms();
    selectRoomRow(row);
}

void TfrmRoomsDefination::cmdModiRoomClick()
{
    const int column = GridRooms->currentColumn();
    if (column == ColStatus)
        return;
    if (!buildingSelected(QStringLiteral("N9015")))
        return;
    if (!hasRoomRow())
        return;
    const int row = GridRooms->currentRow();
    const QTableWidgetItem *header = GridRooms->horizontalHeaderItem(column);
    if (!ModifyRoom(m_texts, cmdModiRoom->text(), column, header ? header->text() : QString(), curBld, curRoom,
                    currentKey()))
        return;
    RefreshGridRooms();
    selectRoomRow(row);
}

void TfrmRoomsDefination::SpeedButton1Click()
{
    const QString path = ExportLockIds();
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TfrmRoomsDefination::GridBldsKeyDown(int key)
{
    if (key == Qt::Key_Delete && !m_picker)
        cmdDelBldClick();
}

void TfrmRoomsDefination::GridRoomsKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        GridRoomsDblClick();
        return;
    }
    // The picker only picks: its list comes from the registry, so an edit made
    // here would not even show in it.
    if (m_picker)
        return;
    if (key == Qt::Key_Delete) {
        cmdDelRoomClick();
        return;
    }
    if (key != Qt::Key_F8 && key != Qt::Key_F9 && key != Qt::Key_F10)
        return;
    StaBarPanel1->setText(m_texts.msgPublicDoor);
    if (!hasRoomRow())
        return;
    const int row = GridRooms->currentRow();
    const bool saved = key == Qt::Key_F10
        ? EditSecondIndex(m_texts, cmdModiRoom->text(), curRoom, currentKey())
        : TogglePublicDoor(m_texts, key == Qt::Key_F8 ? kPublicDoorSet : kPublicDoorOpens, curBld, curRoom,
                           currentKey());
    if (saved) {
        m_rooms[row].room = curRoom;
        setCell(GridRooms, row, ColMark, PublicDoorMark(curRoom.PublicDoor));
        setCell(GridRooms, row, ColLockNo, curRoom.LockNo);
    }
    GridRooms->setFocus();
}

void TfrmRoomsDefination::showDiagnostics()
{
    ShowInfo(QStringLiteral("Var on Receiption"),
             QStringLiteral("curMenu = %1\ncurBldNo = %2\ncurBldNoName = %3\ncurBldRoomNo = %4-%5\n"
                            "ptrCurBldOfAryRoom = %6\nptrAryRoom = %7")
                 .arg(curMenu)
                 .arg(curBld.BldNo)
                 .arg(curBldNoName)
                 .arg(curRoom.BldNo)
                 .arg(curRoom.RoomNo)
                 .arg(ptrCurBldOfAryRoom)
                 .arg(ptrAryRoom));
}

bool TfrmRoomsDefination::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_F2) {
        showDiagnostics();
        return true;
    }
    if (watched == GridBlds && key == Qt::Key_Delete) {
        GridBldsKeyDown(key);
        return true;
    }
    if (watched == GridRooms && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete
                                 || key == Qt::Key_F8 || key == Qt::Key_F9 || key == Qt::Key_F10)) {
        GridRoomsKeyDown(key);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmRoomsDefination::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F2) {
        showDiagnostics();
        return;
    }
    QDialog::keyPressEvent(event);
}
