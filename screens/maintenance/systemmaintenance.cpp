#include "screens/maintenance/systemmaintenance.h"

#include "core/operatorport.h"
#include "core/state.h"
#include "screens/maintenance/hotelparameters.h"
#include "screens/maintenance/operatorcommands.h"
#include "screens/maintenance/serviceunlock.h"
#include "store/operators.h"
#include "ui/buttonrights.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/gridcolumns.h"
#include "ui/typinglimit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

constexpr int kPathLength = 60;
constexpr int kInitialWidth = 700;
constexpr int kInitialHeight = 520;
constexpr int kCommandWidth = 150;
constexpr int kMemoHeight = 90;
const QString kTimeFormat = QStringLiteral("HH:mm");
// The old role rows of a super administrator carried fifty "1"; that row is
// left as it is.
const QString kFixedSuperRights(50, u'1');

} // namespace

TfrmSystemMaintenance::TfrmSystemMaintenance(QWidget *parent)
    : QDialog(parent)
    , PageControl1(new QTabWidget(this))
    , TabSheet1(new QWidget)
    , TabSheet3(new QWidget)
    , cmdExit(new QPushButton(this))
    , m_texts(ReadMaintenanceTexts())
{
    setObjectName(QStringLiteral("frmSystemMaintenance"));
    resize(kInitialWidth, kInitialHeight);
    PageControl1->addTab(TabSheet1, QString());
    PageControl1->addTab(TabSheet3, QString());
    auto *screen = new QVBoxLayout(this);
    screen->addWidget(PageControl1, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdExit);
    screen->addLayout(bottom);
    cmdExit->setMinimumWidth(kCommandWidth);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == TabSheet1)
            TabSheet1Show();
        else
            TabSheet3Show();
    });
    buildOptionsPage();
    buildOperatorsPage();
    // Enter in the hotel name, the backup folder or a time picker must not
    // put the lock options back to their defaults.
    KeepEnterOffButtons(this);
    FormCreate();
    WidenColumnsToHeaders(GridOperators);
}

void TfrmSystemMaintenance::buildOptionsPage()
{
    QWidget *page = TabSheet1;
    lblHotelName = new QLabel(page);
    edtHotelName = new QLineEdit(page);
    edtHotelName->setMaxLength(kHotelNameLength);
    lblBakPath = new QLabel(page);
    edtBakPath = new QLineEdit(page);
    SetTypingLimit(edtBakPath, kPathLength);
    lblCheckOut = new QLabel(page);
    DateTimePicker1 = new QTimeEdit(page);
    lblVIPCheckOut = new QLabel(page);
    DateTimePicker2 = new QTimeEdit(page);
    for (QTimeEdit *picker : {DateTimePicker1, DateTimePicker2})
        picker->setDisplayFormat(kTimeFormat);
    rbCheckOutToVC = new QRadioButton(page);
    rbCheckOutToVD = new QRadioButton(page);
    chkGuestLLock = new QCheckBox(page);

    GroupBox1 = new QGroupBox(page);
    chkAlarm = new QCheckBox(GroupBox1);
    chkRemind = new QCheckBox(GroupBox1);
    chkNoDisturb = new QCheckBox(GroupBox1);
    chkKnob = new QCheckBox(GroupBox1);
    chkMusic = new QCheckBox(GroupBox1);
    chkCover = new QCheckBox(GroupBox1);
    cmdReturnToDefault = new QPushButton(GroupBox1);
    auto *lockOptions = new QGridLayout(GroupBox1);
    lockOptions->setHorizontalSpacing(20);
    const QList<QCheckBox *> boxes = {chkAlarm, chkRemind, chkNoDisturb, chkKnob, chkMusic, chkCover};
    for (int i = 0; i < boxes.size(); ++i)
        lockOptions->addWidget(boxes[i], i / 2, i % 2);
    lockOptions->addWidget(cmdReturnToDefault, 3, 0, Qt::AlignLeft);
    lockOptions->setColumnStretch(2, 1);
    GroupBox1->hide();

    cmdSave = new QPushButton(page);
    cmdSave->setMinimumWidth(kCommandWidth);

    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->addWidget(lblHotelName, 0, 0);
    fields->addWidget(edtHotelName, 0, 1, 1, 4);
    fields->addWidget(lblBakPath, 1, 0);
    fields->addWidget(edtBakPath, 1, 1, 1, 4);
    fields->addWidget(lblCheckOut, 2, 0);
    fields->addWidget(DateTimePicker1, 2, 1);
    fields->addWidget(lblVIPCheckOut, 2, 2);
    fields->addWidget(DateTimePicker2, 2, 3);
    fields->setColumnStretch(4, 1);
    auto *checkOutTo = new QHBoxLayout;
    checkOutTo->setSpacing(20);
    checkOutTo->addWidget(rbCheckOutToVC);
    checkOutTo->addWidget(rbCheckOutToVD);
    checkOutTo->addStretch(1);
    auto *options = new QVBoxLayout(page);
    options->addLayout(fields);
    options->addLayout(checkOutTo);
    options->addWidget(chkGuestLLock);
    options->addWidget(GroupBox1);
    options->addStretch(1);
    options->addWidget(cmdSave, 0, Qt::AlignLeft);

    SetTag(cmdSave, 51);
    SetTag(cmdReturnToDefault, 56);
    connect(cmdSave, &QPushButton::clicked, this, &TfrmSystemMaintenance::cmdSaveClick);
    connect(cmdReturnToDefault, &QPushButton::clicked, this, &TfrmSystemMaintenance::cmdReturnToDefaultClick);
    edtHotelName->installEventFilter(this);
    edtBakPath->installEventFilter(this);
}

void TfrmSystemMaintenance::buildOperatorsPage()
{
    QWidget *page = TabSheet3;
    lblListOfOperators = new QLabel(page);
    GridOperators = new QTableWidget(1, 4, page);
    GridOperators->verticalHeader()->hide();
    GridOperators->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridOperators->setSelectionMode(QAbstractItemView::SingleSelection);
    GridOperators->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int widths[] = {9, 139, 218, 242};
    for (int column = 0; column < 4; ++column)
        GridOperators->setColumnWidth(column, widths[column]);
    // The selected row stands out in yellow with black text.
    QPalette selection = GridOperators->palette();
    selection.setColor(QPalette::Highlight, Qt::yellow);
    selection.setColor(QPalette::HighlightedText, Qt::black);
    GridOperators->setPalette(selection);
    GridOperators->installEventFilter(this);
    connect(GridOperators, &QTableWidget::currentCellChanged, this,
            [this](int row) {
                if (row >= 0)
                    GetOprtInfoFromGridOperators();
            });

    GroupBox5 = new QGroupBox(page);
    RadioSuperAdmin = new QRadioButton(GroupBox5);
    RadioAdmin = new QRadioButton(GroupBox5);
    RadioManager = new QRadioButton(GroupBox5);
    RadioGenOprt = new QRadioButton(GroupBox5);
    auto *roles = new QVBoxLayout(GroupBox5);
    for (QRadioButton *radio : {RadioSuperAdmin, RadioAdmin, RadioManager, RadioGenOprt}) {
        roles->addWidget(radio);
        // They show the selected operator's role; the role is changed with Modify.
        radio->setAttribute(Qt::WA_TransparentForMouseEvents);
        radio->setFocusPolicy(Qt::NoFocus);
    }

    cmdAddOprt = new QPushButton(page);
    cmdRemoveOprt = new QPushButton(page);
    cmdModiOprt = new QPushButton(page);
    Memo2 = new QPlainTextEdit(page);
    Memo2->setMaximumHeight(kMemoHeight);

    auto *commands = new QVBoxLayout;
    commands->addWidget(GroupBox5);
    commands->addSpacing(8);
    for (QPushButton *button : {cmdAddOprt, cmdRemoveOprt, cmdModiOprt})
        commands->addWidget(button);
    commands->addStretch(1);
    auto *operators = new QGridLayout(page);
    operators->addWidget(lblListOfOperators, 0, 0, 1, 2);
    operators->addWidget(GridOperators, 1, 0);
    operators->addLayout(commands, 1, 1);
    operators->addWidget(Memo2, 2, 0, 1, 2);
    operators->setColumnStretch(0, 1);
    operators->setRowStretch(1, 1);

    SetTag(cmdAddOprt, 53);
    SetTag(cmdRemoveOprt, 54);
    SetTag(cmdModiOprt, 55);
    connect(cmdAddOprt, &QPushButton::clicked, this, &TfrmSystemMaintenance::cmdAddOprtClick);
    connect(cmdRemoveOprt, &QPushButton::clicked, this, &TfrmSystemMaintenance::cmdRemoveOprtClick);
    connect(cmdModiOprt, &QPushButton::clicked, this, &TfrmSystemMaintenance::cmdModiOprtClick);
}

void TfrmSystemMaintenance::FormCreate()
{
    const TMaintenanceTexts &t = m_texts;
    setWindowTitle(t.Title);
    cmdExit->setText(t.Exit);
    cmdExit->setToolTip(t.Exit_Hint);
    cmdSave->setText(t.Save);
    cmdSave->setToolTip(t.Save_Hint);
    cmdReturnToDefault->setText(t.ReturnToDefault);
    cmdReturnToDefault->setToolTip(t.ReturnToDefault_Hint);

    PageControl1->setTabText(PageControl1->indexOf(TabSheet1), t.OptionsTitle);
    lblHotelName->setText(t.HotelName);
    lblCheckOut->setText(t.CheckOut);
    lblVIPCheckOut->setText(t.VIPCheckOut);
    lblBakPath->setText(t.BakPath);
    rbCheckOutToVC->setText(t.CheckOutToVC);
    rbCheckOutToVC->setToolTip(t.CheckOutToVC_Hint);
    rbCheckOutToVD->setText(t.CheckOutToVD);
    rbCheckOutToVD->setToolTip(t.CheckOutToVD_Hint);
    chkGuestLLock->setText(t.GuestLLock);
    chkGuestLLock->setToolTip(t.GuestLLock_Hint);
    GroupBox1->setTitle(t.ExtraOptions);
    chkAlarm->setText(t.Alarm);
    chkRemind->setText(t.Remind);
    chkNoDisturb->setText(t.NoDisturb);
    chkKnob->setText(t.Knob);
    chkMusic->setText(t.Music);
    chkCover->setText(t.Cover);

    PageControl1->setTabText(PageControl1->indexOf(TabSheet3), t.OperatorsTitle);
    lblListOfOperators->setText(t.ListOfOperators);
    GridOperators->setHorizontalHeaderLabels({QString(), t.GongHao, t.Name, t.BeiZhu});
    GroupBox5->setTitle(t.OprtType);
    RadioSuperAdmin->setText(t.SuperAdmin);
    RadioAdmin->setText(t.Admin);
    RadioManager->setText(t.Manager);
    RadioGenOprt->setText(t.GenOprt);
    cmdAddOprt->setText(t.AddOprt);
    cmdAddOprt->setToolTip(t.AddOprt_Hint);
    cmdRemoveOprt->setText(t.RemoveOprt);
    cmdRemoveOprt->setToolTip(t.RemoveOprt_Hint);
    cmdModiOprt->setText(t.ModiOprt);
    cmdModiOprt->setToolTip(t.ModiOprt_Hint);
    ApplyFontSettings(this);
}

void TfrmSystemMaintenance::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmSystemMaintenance::FormShow()
{
    ApplyRights(this);
    if (PageControl1->currentWidget() == TabSheet1)
        TabSheet1Show();
    else
        PageControl1->setCurrentWidget(TabSheet1);
}

void TfrmSystemMaintenance::TabSheet1Show()
{
    const THotelParameters p = CurrentHotelParameters();
    edtHotelName->setText(p.HotelName);
    ShowProgramText(edtBakPath, p.DBBakPath);
    DateTimePicker1->setTime(p.CheckOutTime);
    DateTimePicker2->setTime(p.VIPCheckOutTime);
    // Any value but 0 and 1 leaves both radios unchosen.
    rbCheckOutToVC->setChecked(p.FlagCheckOut == 0);
    rbCheckOutToVD->setChecked(p.FlagCheckOut == 1);
    chkGuestLLock->setChecked(p.GuestLLock);
    showLockOptions();
    cmdSave->show();
    edtHotelName->setFocus();
    edtHotelName->deselect();
}

void TfrmSystemMaintenance::showLockOptions()
{
    const THotelParameters p = CurrentHotelParameters();
    chkAlarm->setChecked(p.Alarm);
    chkRemind->setChecked(p.Remind);
    chkNoDisturb->setChecked(p.NoDisturb);
    chkKnob->setChecked(p.Knob);
    chkMusic->setChecked(p.Music);
    chkCover->setChecked(p.Cover);
}

void TfrmSystemMaintenance::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F5 && PageControl1->currentWidget() == TabSheet1) {
        GroupBox1->show();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmSystemMaintenance::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == edtHotelName || watched == edtBakPath)
            edtHotelNameKeyDown(key);
        else if (watched == GridOperators)
            GridOperatorsKeyDown(key);
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSystemMaintenance::edtHotelNameKeyDown(int key)
{
    if (key == Qt::Key_F2)
        UnlockDirectCardErase();
}

void TfrmSystemMaintenance::cmdSaveClick()
{
    THotelParameters p;
    p.HotelName = edtHotelName->text();
    p.DBBakPath = edtBakPath->text();
    p.CheckOutTime = DateTimePicker1->time();
    p.VIPCheckOutTime = DateTimePicker2->time();
    p.FlagCheckOut = rbCheckOutToVD->isChecked() ? 1 : 0;
    p.GuestLLock = chkGuestLLock->isChecked();
    p.Alarm = chkAlarm->isChecked();
    p.Remind = chkRemind->isChecked();
    p.NoDisturb = chkNoDisturb->isChecked();
    p.Knob = chkKnob->isChecked();
    p.Music = chkMusic->isChecked();
    p.Cover = chkCover->isChecked();
    if (!SaveHotelParameters(p, !GroupBox1->isHidden()))
        return;
    ShowInfo(QStringLiteral("N9030"), m_texts.msgSaveSuccess);
    accept();
}

void TfrmSystemMaintenance::cmdReturnToDefaultClick()
{
    ReturnLockOptionsToDefault();
    showLockOptions();
}

void TfrmSystemMaintenance::TabSheet3Show()
{
    RefreshGridOperators(false);
}

void TfrmSystemMaintenance::RefreshGridOperators(bool showRoles)
{
    ReadOperators(showRoles, &m_listed);
    GridOperators->clearContents();
    GridOperators->setRowCount(std::max<int>(1, m_listed.size()));
    for (int row = 0; row < m_listed.size(); ++row) {
        const TOperatorInfo &op = m_listed[row];
        GridOperators->setItem(row, 1, new QTableWidgetItem(op.GongHao));
        GridOperators->setItem(row, 2, new QTableWidgetItem(op.Name));
        GridOperators->setItem(row, 3, new QTableWidgetItem(op.BeiZhu));
    }
    cmdRemoveOprt->setHidden(showRoles);
    GridOperators->setCurrentCell(0, 1);
    GetOprtInfoFromGridOperators();
}

void TfrmSystemMaintenance::GetOprtInfoFromGridOperators()
{
    const int row = GridOperators->currentRow();
    selOperator = row >= 0 && row < m_listed.size() ? m_listed[row] : TOperatorInfo();
    const QString &role = selOperator.QuanXian;
    if (role == QLatin1String("S") || IsSuperCode(selOperator.GongHao) || IsRoleRowCode(selOperator.GongHao))
        RadioSuperAdmin->setChecked(true);
    else if (role == QLatin1String("A"))
        RadioAdmin->setChecked(true);
    else if (role == QLatin1String("M"))
        RadioManager->setChecked(true);
    else
        RadioGenOprt->setChecked(true);
    cmdModiOprt->setHidden(selOperator.GongHao == RoleRowCode(QStringLiteral("S"))
                           && selOperator.BeiZhu == kFixedSuperRights);
}

void TfrmSystemMaintenance::GridOperatorsKeyDown(int key)
{
    if (key == Qt::Key_F5 && curOperator.QuanXian == QLatin1String("S"))
        RefreshGridOperators(true);
}

void TfrmSystemMaintenance::cmdAddOprtClick()
{
    if (AddOperator(cmdAddOprt->text(), m_texts))
        RefreshGridOperators(false);
}

void TfrmSystemMaintenance::cmdRemoveOprtClick()
{
    if (RemoveOperator(selOperator, m_texts))
        RefreshGridOperators(false);
}

void TfrmSystemMaintenance::cmdModiOprtClick()
{
    const int row = GridOperators->currentRow();
    if (!ModifyOperator(selOperator, cmdModiOprt->text(), m_texts))
        return;
    RefreshGridOperators(cmdRemoveOprt->isHidden());
    if (row < GridOperators->rowCount())
        GridOperators->setCurrentCell(row, 1);
}
