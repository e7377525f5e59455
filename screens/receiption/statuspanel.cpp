#include "screens/receiption/statuspanel.h"

#include "core/operatorport.h"
#include "core/state.h"
#include "screens/receiption/statusicons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const int kColumnWidths[] = {22, 86, 122, 163, 145, 92};
enum Column { MarkColumn, FloorColumn, RoomColumn, TypeColumn, StatusColumn, LockColumn };

// The current row stands out in yellow, its texts black at the top left of
// their cells; the mark column keeps the standard look.
class CurrentRowDelegate : public QStyledItemDelegate {
public:
    explicit CurrentRowDelegate(QTableWidget *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() == MarkColumn || index.row() != m_grid->currentRow()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->fillRect(option.rect, Qt::yellow);
        painter->setPen(Qt::black);
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(2, 1, -1, 0), Qt::AlignLeft | Qt::AlignTop,
                          index.data().toString());
        painter->restore();
    }

private:
    QTableWidget *m_grid;
};

QPushButton *statusButton(RoomStatus status, BoardIcon icon, const char *accelerator, const char *hint)
{
    auto *button = new QPushButton(RoomStatusText(status) + QStringLiteral(" [&") + QLatin1String(accelerator)
                                   + u']');
    button->setIcon(StatusIcon({icon, false}));
    button->setIconSize(QSize(kStatusIconSize, kStatusIconSize));
    button->setToolTip(QLatin1String(hint));
    return button;
}

} // namespace

StatusPanel::StatusPanel(QWidget *parent)
    : QFrame(parent)
    , GridRoomStatus(new QTableWidget(0, int(std::size(kColumnWidths)), this))
    , BitBtnVC(statusButton(RoomStatus::VC, BoardIcon::VC, "A", "Vacant"))
    , BitBtnOH(statusButton(RoomStatus::OH, BoardIcon::OH, "B", "Hour Occupied"))
    , BitBtnTO(statusButton(RoomStatus::TO, BoardIcon::TO, "C", "Rented Remind"))
    , BitBtnVD(statusButton(RoomStatus::VD, BoardIcon::VD, "D", "Cleaning Room"))
    , BitBtnOO(statusButton(RoomStatus::OO, BoardIcon::OO, "E", "Maintenance"))
    , BitBtnOC_WalkIn(statusButton(RoomStatus::OC_WalkIn, BoardIcon::Guest, "F", "Walk-In Occupied"))
    , BitBtnOC_Team(statusButton(RoomStatus::OC_Team, BoardIcon::Team, "G", "Team Occupied"))
    , cmdCloseModiRoomStatus(new QPushButton(this))
    , GroupBox1(new QGroupBox(this))
    , Memo1(new QPlainTextEdit(GroupBox1))
    , m_texts(ReadRoomStatusTexts())
{
    setFrameShape(QFrame::StyledPanel);
    GridRoomStatus->setHorizontalHeaderLabels(m_texts.headers);
    GridRoomStatus->verticalHeader()->hide();
    GridRoomStatus->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridRoomStatus->setSelectionMode(QAbstractItemView::SingleSelection);
    GridRoomStatus->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridRoomStatus->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    GridRoomStatus->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    GridRoomStatus->setItemDelegate(new CurrentRowDelegate(GridRoomStatus));
    QPalette white = GridRoomStatus->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    GridRoomStatus->setPalette(white);
    GridRoomStatus->installEventFilter(this);

    cmdCloseModiRoomStatus->setText(m_texts.CloseModiRoomStatus);
    cmdCloseModiRoomStatus->setToolTip(m_texts.CloseModiRoomStatus_Hint);
    cmdCloseModiRoomStatus->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    GroupBox1->setTitle(m_texts.GuideTitle);
    Memo1->setReadOnly(true);
    Memo1->setPlainText(m_texts.guide.join(u'\n'));
    Memo1->setFocusPolicy(Qt::NoFocus);
    auto *guide = new QVBoxLayout(GroupBox1);
    guide->addWidget(Memo1);

    auto *left = new QVBoxLayout;
    left->addWidget(GridRoomStatus, 3);
    left->addWidget(GroupBox1, 1);
    auto *buttons = new QVBoxLayout;
    const QList<QPushButton *> statusButtons = {BitBtnVC, BitBtnOH, BitBtnTO, BitBtnVD,
                                                BitBtnOO, BitBtnOC_WalkIn, BitBtnOC_Team};
    for (QPushButton *button : statusButtons)
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(cmdCloseModiRoomStatus);
    auto *panel = new QHBoxLayout(this);
    panel->addLayout(left, 1);
    panel->addLayout(buttons);

    const struct {
        QPushButton *button;
        RoomStatus status;
    } plain[] = {
        {BitBtnVC, RoomStatus::VC},   {BitBtnOH, RoomStatus::OH},
        {BitBtnTO, RoomStatus::TO},   {BitBtnVD, RoomStatus::VD},
        {BitBtnOC_WalkIn, RoomStatus::OC_WalkIn}, {BitBtnOC_Team, RoomStatus::OC_Team},
    };
    for (const auto &[button, status] : plain)
        connect(button, &QPushButton::clicked, this, [this, status] { applyStatus(status, QString()); });
    connect(BitBtnOO, &QPushButton::clicked, this, &StatusPanel::BitBtnOOClick);
    connect(cmdCloseModiRoomStatus, &QPushButton::clicked, this, &StatusPanel::cmdCloseModiRoomStatusClick);
    connect(GridRoomStatus, &QTableWidget::cellClicked, this, &StatusPanel::GridRoomStatusClick);
    connect(GridRoomStatus, &QTableWidget::cellDoubleClicked, this, [this](int row) { toggleMark(row); });
    // The yellow row follows the current row.
    connect(GridRoomStatus, &QTableWidget::currentCellChanged, GridRoomStatus->viewport(),
            qOverload<>(&QWidget::update));
}

void StatusPanel::Open(const QString &menuCaption)
{
    m_menuCaption = menuCaption;
    prevMenu = curMenu;
    curMenu = QStringLiteral("ModiRoomStatus");
    emit status(2, menuCaption);
    emit status(0, QString());
    fitColumns();
    FillStatusGrid(true);
    GridRoomStatus->setFocus();
}

void StatusPanel::cmdCloseModiRoomStatusClick()
{
    curMenu = QStringLiteral("Receiption");
    emit status(2, curMenu);
    emit closed();
}

void StatusPanel::FillStatusGrid(bool clearMarks)
{
    int current = -1;
    m_rows = ::FillStatusGrid(m_rows, clearMarks, &current);
    showRows();
    if (current >= 0)
        GridRoomStatus->setCurrentCell(current, RoomColumn);
}

void StatusPanel::showRows()
{
    GridRoomStatus->setRowCount(int(m_rows.size()));
    for (int r = 0; r < m_rows.size(); ++r) {
        const TRoomInfo &room = m_rows[r].room;
        const QString cells[] = {m_rows[r].mark, QString::number(room.FlrNo), room.RoomNo, room.sType,
                                 room.Status, room.LockNo};
        for (int column = 0; column < int(std::size(cells)); ++column) {
            QTableWidgetItem *item = GridRoomStatus->item(r, column);
            if (!item) {
                item = new QTableWidgetItem;
                GridRoomStatus->setItem(r, column, item);
            }
            item->setText(cells[column]);
        }
    }
}

void StatusPanel::fitColumns()
{
    QHeaderView *header = GridRoomStatus->horizontalHeader();
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        header->resizeSection(column, std::max(kColumnWidths[column], header->sectionSizeHint(column)));
}

void StatusPanel::toggleMark(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    QString &mark = m_rows[row].mark;
    mark = mark == kRowMarked ? QString() : kRowMarked;
    GridRoomStatus->item(row, MarkColumn)->setText(mark);
}

void StatusPanel::GridRoomStatusClick()
{
    emit status(0, QStringLiteral("Row: %1 / %2").arg(GridRoomStatus->currentRow() + 1).arg(m_rows.size()));
}

bool StatusPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == GridRoomStatus && event->type() == QEvent::KeyPress)
        return GridRoomStatusKeyDown(static_cast<QKeyEvent *>(event));
    return QFrame::eventFilter(watched, event);
}

bool StatusPanel::GridRoomStatusKeyDown(const QKeyEvent *event)
{
    const int row = GridRoomStatus->currentRow();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        toggleMark(row);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!(event->modifiers() & Qt::ShiftModifier))
            return false;
        // The row left behind is the one marked; the grid then moves on.
        toggleMark(row);
        const int next = row + (event->key() == Qt::Key_Up ? -1 : 1);
        if (next >= 0 && next < m_rows.size())
            GridRoomStatus->setCurrentCell(next, std::max(GridRoomStatus->currentColumn(), 0));
        return true;
    }
    default:
        return false;
    }
}

void StatusPanel::BitBtnOOClick()
{
    const std::optional<QString> typed =
        Operator().inputBox(m_menuCaption, m_texts.InputOOInfo + u'\n', QString());
    if (!typed)
        return;
    applyStatus(RoomStatus::OO, MaintenanceMemo(*typed));
}

void StatusPanel::applyStatus(RoomStatus newStatus, const QString &memo)
{
    const StatusApplied applied = ApplyRoomStatus(newStatus, memo, &m_rows, m_texts);
    emit status(0, applied.summary);
    if (applied.written > 0)
        FillStatusGrid(false);
    else
        showRows();
    GridRoomStatus->setFocus();
}
