#include "screens/reports/reports.h"

#include "core/clock.h"
#include "core/operatorport.h"
#include "core/rights.h"
#include "core/state.h"
#include "screens/reports/recordupload.h"
#include "screens/reports/reportdelete.h"
#include "screens/reports/reportexport.h"
#include "screens/reports/reportmodel.h"
#include "screens/reports/reportrows.h"
#include "screens/rooms/roomsdefination.h"
#include "store/operators.h"
#include "ui/buttonrights.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/gridcolumns.h"
#include "ui/looks.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 996;
constexpr int kClientHeight = 712;
constexpr int kOptionPanelWidth = 745;
constexpr int kExcelTag = 64;
const QDate kFirstPickerDate(2009, 1, 1);
const QDate kLastPickerDate(2099, 12, 31);
const QString kPickerFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The from-pickers reach as far as the to-pickers, so that a default of
// seven days before today always fits.
QDateTimeEdit *makePicker(QWidget *parent)
{
    auto *picker = new QDateTimeEdit(parent);
    picker->setDisplayFormat(kPickerFormat);
    picker->setCalendarPopup(true);
    picker->setDateRange(kFirstPickerDate, kLastPickerDate);
    return picker;
}

// A group with its controls in a row.
QGroupBox *group(QWidget *parent, std::initializer_list<QWidget *> controls)
{
    auto *box = new QGroupBox(parent);
    auto *row = new QHBoxLayout(box);
    for (QWidget *control : controls) {
        control->setParent(box);
        row->addWidget(control, qobject_cast<QLabel *>(control) ? 0 : 1);
    }
    return box;
}

void fill(QComboBox *list, const QStringList &items)
{
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

} // namespace

TfrmReports::TfrmReports(QWidget *parent)
    : QDialog(parent)
    , lblRoomNo(new QLabel(this))
    , ProgressBar1(new QProgressBar(this))
    , cmbReport(new QComboBox(this))
    , cmdOption(new QPushButton(this))
    , RzPanel3(new QWidget(this))
    , GridReport(new QTableView(RzPanel3))
    , cmdUpLoad(new QPushButton(RzPanel3))
    , cmdPrint(new QPushButton(RzPanel3))
    , cmdDel(new QPushButton(RzPanel3))
    , cmdExcel(new QPushButton(RzPanel3))
    , cmdExit(new QPushButton(RzPanel3))
    , RzPanel2(new QWidget(this))
    , DateTimePicker1(makePicker(this))
    , DateTimePicker2(makePicker(this))
    , DateTimePicker3(makePicker(this))
    , DateTimePicker4(makePicker(this))
    , cmbType(new QComboBox(this))
    , edtRoomNo(new QLineEdit(this))
    , cmdSearchRoomNo(new QPushButton(this))
    , cmbGongHao(new QComboBox(this))
    , edtName(new QLineEdit(this))
    , cmbOrder(new QComboBox(this))
    , cmdOK(new QPushButton(RzPanel2))
    , cmdCancel(new QPushButton(RzPanel2))
    , StatusBar1(new QStatusBar(this))
    , StatusPanel0(new QLabel(StatusBar1))
    , StatusPanel1(new QLabel(StatusBar1))
    , StatusPanel2(new QLabel(StatusBar1))
    , m_model(new ReportModel(this))
    , m_picker(isSearchCardNo)
{
    resize(kClientWidth, kClientHeight);
    QFont roomFont(QStringLiteral("Times New Roman"));
    roomFont.setPixelSize(21);
    lblRoomNo->setFont(roomFont);
    SetLook(lblRoomNo, Look::FieldCaption);
    QFont reportFont(QStringLiteral("Arial"));
    reportFont.setPixelSize(21);
    cmbReport->setFont(reportFont);
    cmbReport->setMinimumWidth(320);
    ProgressBar1->hide();
    ProgressBar1->setRange(0, 0);

    auto *header = new QHBoxLayout;
    header->addWidget(lblRoomNo);
    header->addWidget(ProgressBar1, 1);
    header->addStretch(1);
    header->addWidget(cmbReport);
    header->addWidget(cmdOption);

    GridReport->setModel(m_model);
    GridReport->verticalHeader()->hide();
    // Rows of one height, so that the view never measures a row's contents.
    GridReport->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridReport->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridReport->setSelectionMode(QAbstractItemView::SingleSelection);
    GridReport->setSelectionBehavior(m_picker ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    GridReport->setWordWrap(false);
    QPalette palette = GridReport->palette();
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    GridReport->setPalette(palette);
    GridReport->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *button : {cmdUpLoad, cmdPrint, cmdDel, cmdExcel, cmdExit})
        buttons->addWidget(button);
    cmdPrint->hide();
    auto *gridPanel = new QVBoxLayout(RzPanel3);
    gridPanel->setContentsMargins(0, 0, 0, 0);
    gridPanel->addWidget(GridReport, 1);
    gridPanel->addLayout(buttons);

    gbCheckIn = group(RzPanel2, {DateTimePicker1, new QLabel(QStringLiteral("-->")), DateTimePicker2});
    gbCheckOut = group(RzPanel2, {DateTimePicker3, new QLabel(QStringLiteral("-->")), DateTimePicker4});
    gbCardType = group(RzPanel2, {cmbType});
    gbRoomNo = group(RzPanel2, {edtRoomNo, cmdSearchRoomNo});
    gbGongHao = group(RzPanel2, {cmbGongHao});
    gbName = group(RzPanel2, {edtName});
    gbOrderBy = group(RzPanel2, {cmbOrder});
    auto *options = new QGridLayout(RzPanel2);
    options->addWidget(gbCheckIn, 0, 0, 1, 2);
    options->addWidget(gbCheckOut, 1, 0, 1, 2);
    options->addWidget(gbCardType, 2, 0);
    options->addWidget(gbRoomNo, 2, 1);
    options->addWidget(gbGongHao, 3, 0);
    options->addWidget(gbName, 3, 1);
    options->addWidget(gbOrderBy, 4, 0);
    auto *answers = new QHBoxLayout;
    answers->addStretch(1);
    answers->addWidget(cmdOK);
    answers->addWidget(cmdCancel);
    options->addLayout(answers, 5, 0, 1, 2);
    options->setRowStretch(6, 1);
    RzPanel2->hide();

    StatusPanel0->setMinimumWidth(160);
    // The device's text runs to 128 characters: it is cut off, not allowed to
    // widen the screen.
    for (QLabel *panel : {StatusPanel1, StatusPanel2})
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusPanel1->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
    StatusBar1->addWidget(StatusPanel2, 1);

    auto *screen = new QVBoxLayout(this);
    screen->setContentsMargins(8, 4, 8, 0);
    screen->addLayout(header);
    screen->addWidget(RzPanel3, 1);
    // The option panel takes the grid panel's place while it is shown.
    RzPanel2->setMinimumWidth(kOptionPanelWidth);
    screen->addWidget(RzPanel2, 1, Qt::AlignHCenter | Qt::AlignTop);
    screen->addWidget(StatusBar1);
    KeepEnterOffButtons(this);

    SetTag(cmdUpLoad, 61);
    SetTag(cmdPrint, 62);
    SetTag(cmdDel, 63);
    SetTag(cmdExcel, kExcelTag);
    SetTag(cmdOption, 65);
    cmdExit->setShortcut(Qt::Key_Escape);

    connect(cmbReport, &QComboBox::currentIndexChanged, this, [this] { cmbReportChange(); });
    connect(cmdOption, &QPushButton::clicked, this, &TfrmReports::cmdOptionClick);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmReports::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmReports::cmdCancelClick);
    connect(cmdSearchRoomNo, &QPushButton::clicked, this, &TfrmReports::cmdSearchRoomNoClick);
    connect(GridReport, &QTableView::clicked, this, [this] { GridReportClick(); });
    connect(cmdDel, &QPushButton::clicked, this, &TfrmReports::DeleteMarkedRows);
    connect(cmdExcel, &QPushButton::clicked, this, &TfrmReports::cmdExcelClick);
    connect(cmdUpLoad, &QPushButton::clicked, this, &TfrmReports::cmdUpLoadClick);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TfrmReports::FormCreate()
{
    m_texts = ReadReportsTexts();
    const ReportsTexts &t = m_texts;
    setWindowTitle(t.Title);
    const struct {
        QPushButton *button;
        const QString &caption;
        const QString &hint;
    } commands[] = {
        {cmdOK, t.OK, t.OK_Hint},         {cmdCancel, t.Cancel, t.Cancel_Hint},
        {cmdOption, t.Option, t.Option_Hint}, {cmdUpLoad, t.UpLoad, t.UpLoad_Hint},
        {cmdPrint, t.Print, t.Print_Hint},    {cmdExcel, t.Excel, t.Excel_Hint},
        {cmdDel, t.Delete, t.Delete_Hint},    {cmdExit, t.Exit, t.Exit_Hint},
        {cmdSearchRoomNo, t.Search, t.Search_Hint},
    };
    for (const auto &command : commands) {
        command.button->setText(command.caption);
        command.button->setToolTip(command.hint);
    }
    gbCheckIn->setTitle(t.CheckIn);
    gbCheckOut->setTitle(t.CheckOut);
    gbCardType->setTitle(t.Type);
    gbRoomNo->setTitle(t.RoomNo);
    gbGongHao->setTitle(t.GongHao);
    gbName->setTitle(t.GuestName);
    gbOrderBy->setTitle(t.OrderBy);
    {
        const QSignalBlocker quiet(cmbReport);
        cmbReport->addItems({t.CardsReport, t.GuestsReport, t.OpenReport});
        cmbReport->setCurrentIndex(-1);
    }
    ApplyFontSettings(this);
}

void TfrmReports::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmReports::FormShow()
{
    const QDateTime now = Clock().now();
    const ReportFilters defaults = DefaultReportFilters(m_texts, now);
    DateTimePicker1->setDateTime(defaults.checkInFrom);
    DateTimePicker2->setDateTime(defaults.checkInTo);
    DateTimePicker3->setDateTime(defaults.checkOutFrom);
    DateTimePicker4->setDateTime(defaults.checkOutTo);
    QStringList codes;
    LoadOperatorCodes(codes);
    cmbGongHao->clear();
    cmbGongHao->addItems(codes << m_texts.All);
    cmbGongHao->setCurrentIndex(int(codes.size()) - 1);
    ApplyRights(this);
    if (m_picker) {
        cmbReport->setEnabled(false);
        for (QPushButton *button : {cmdUpLoad, cmdPrint, cmdExcel, cmdDel})
            button->hide();
    }
    {
        const QSignalBlocker quiet(cmbReport);
        cmbReport->setCurrentIndex(0);
    }
    cmbReportChange();
}

ReportKind TfrmReports::currentKind() const
{
    return ReportKindOf(m_texts, cmbReport->currentText());
}

void TfrmReports::cmbReportChange()
{
    const ReportKind kind = currentKind();
    for (QGroupBox *box : {gbCheckIn, gbCheckOut, gbCardType, gbRoomNo, gbGongHao, gbName, gbOrderBy})
        box->show();
    lblRoomNo->hide();
    cmdUpLoad->hide();
    cmdDel->setVisible(!m_picker);
    fill(cmbType, ReportTypeList(m_texts, kind == ReportKind::Guests ? ReportKind::Guests : ReportKind::Cards));
    fill(cmbOrder, ReportOrderList(m_texts, kind));
    if (kind == ReportKind::Cards) {
        gbName->hide();
    } else if (kind == ReportKind::Guests) {
        gbGongHao->hide();
    } else if (kind == ReportKind::Open) {
        for (QGroupBox *box : {gbCheckIn, gbCheckOut, gbRoomNo, gbCardType, gbGongHao, gbName})
            box->hide();
        cmdUpLoad->setVisible(!m_picker);
        cmdDel->hide();
    }
    showReport(kind);
    cmdExcel->setEnabled(HasRight(kExcelTag));
}

ReportFilters TfrmReports::filters() const
{
    ReportFilters f;
    f.checkInFrom = DateTimePicker1->dateTime();
    f.checkInTo = DateTimePicker2->dateTime();
    f.checkOutFrom = DateTimePicker3->dateTime();
    f.checkOutTo = DateTimePicker4->dateTime();
    f.type = cmbType->currentText();
    f.room = edtRoomNo->text();
    f.gongHao = cmbGongHao->currentText();
    f.name = edtName->text();
    f.order = cmbOrder->currentText();
    return f;
}

void TfrmReports::showReport(ReportKind kind)
{
    ProgressBar1->show();
    ProgressBar1->repaint();
    ReportTable table;
    BuildReport(kind, m_texts, filters(), &table);
    const QList<int> widths = table.widths;
    m_model->setTable(std::move(table));
    for (int c = 0; c < widths.size(); ++c)
        GridReport->setColumnWidth(c, widths[c]);
    WidenColumnsToHeaders(GridReport);
    ProgressBar1->hide();
    const QString room = m_model->table().roomName;
    lblRoomNo->setText(room);
    lblRoomNo->setVisible(kind == ReportKind::Open && !room.isEmpty());
    showRowPosition();
    StatusPanel1->clear();
}

void TfrmReports::ShowCardsReport()
{
    showReport(ReportKind::Cards);
}

void TfrmReports::ShowGuestsReport()
{
    showReport(ReportKind::Guests);
}

void TfrmReports::ShowOpenReport()
{
    showReport(ReportKind::Open);
}

void TfrmReports::showRowPosition()
{
    const QModelIndex current = GridReport->currentIndex();
    StatusPanel0->setText(QStringLiteral("Row: %1 / %2").arg(current.isValid() ? current.row() + 1 : 0)
                              .arg(m_model->rowCount()));
}

void TfrmReports::showOptions(bool shown)
{
    RzPanel2->setVisible(shown);
    RzPanel3->setVisible(!shown);
}

void TfrmReports::cmdOptionClick()
{
    showOptions(!RzPanel2->isVisible());
}

void TfrmReports::cmdOKClick()
{
    edtName->setText(edtName->text().trimmed());
    edtRoomNo->setText(edtRoomNo->text().trimmed());
    showOptions(false);
    const ReportKind kind = currentKind();
    if (kind == ReportKind::Cards || kind == ReportKind::Guests)
        showReport(kind);
}

void TfrmReports::cmdCancelClick()
{
    showOptions(false);
}

void TfrmReports::cmdSearchRoomNoClick()
{
    isSearchLockNo = true;
    {
        TfrmRoomsDefination picker(this);
        picker.exec();
    }
    edtRoomNo->setText(curRoom.BldRoomNo);
}

void TfrmReports::GridReportClick()
{
    showRowPosition();
    if (!m_picker)
        return;
    const QModelIndex current = GridReport->currentIndex();
    curCard.CardID = current.isValid() ? m_model->table().rows[current.row()].value(10) : QString();
}

bool TfrmReports::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == GridReport && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_F2) {
            GridReportKeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmReports::GridReportKeyDown(int key)
{
    if (key == Qt::Key_Delete) {
        const QModelIndex current = GridReport->currentIndex();
        if (m_model->rowCount() > 0 && current.isValid())
            m_model->toggleMark(current.row());
    } else if (key == Qt::Key_F2) {
        showVariables();
    }
}

void TfrmReports::showVariables()
{
    const auto picked = [](const QDateTimeEdit *picker) {
        return picker->date().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("  ") +
               picker->time().toString(QStringLiteral("HH:mm:ss"));
    };
    const QString text = QStringLiteral("xlsReport = ") + ReportWorkbookPath(currentKind()) +
                         QStringLiteral("\n\ncurRoom.LockNo = ") + curRoom.LockNo +
                         QStringLiteral("\n\nColCount = ") + QString::number(m_model->columnCount()) +
                         QStringLiteral("\n\nsSQL = ") + m_model->table().sql +
                         QStringLiteral("\n    a = ") + picked(DateTimePicker1) +
                         QStringLiteral("\n    b = ") + picked(DateTimePicker2) +
                         QStringLiteral("\n    c = ") + picked(DateTimePicker3) +
                         QStringLiteral("\n    d = ") + picked(DateTimePicker4) +
                         QStringLiteral("\n    e = ") + edtRoomNo->text() +
                         QStringLiteral("\n    f = ") + edtName->text() +
                         QStringLiteral("\n\n    GongHao = ") + cmbGongHao->currentText() +
                         QStringLiteral("\n    CardType = ") + cmbType->currentText();
    ShowInfo(QStringLiteral("Var on Report"), text);
}

void TfrmReports::DeleteMarkedRows()
{
    if (::DeleteMarkedRows(m_texts, m_model->table()))
        showReport(currentKind());
}

void TfrmReports::cmdExcelClick()
{
    const QString room = lblRoomNo->isVisible() ? lblRoomNo->text() : QString();
    const std::optional<ExportRange> range = ExportReport(m_texts, m_model->table(), cmbReport->currentText(), room);
    if (!range)
        return;
    StatusPanel1->setText(QStringLiteral("Excel Row: %1 --> %2").arg(range->first).arg(range->last));
    cmdExcel->setEnabled(false);
}

void TfrmReports::cmdUpLoadClick()
{
    UploadDisplay display;
    display.deviceText = [this](const QString &text) { StatusPanel2->setText(text); };
    display.progress = [this](int done, int total) {
        ProgressBar1->setRange(0, total);
        ProgressBar1->setValue(done);
        ProgressBar1->show();
    };
    const bool uploaded = UploadLockRecords(m_texts, display);
    ProgressBar1->setRange(0, 0);
    ProgressBar1->hide();
    if (uploaded)
        ShowOpenReport();
}
