#include "screens/staffcards/keysforstaff.h"

#include "core/clock.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/reports/cardpicker.h"
#include "store/rooms.h"
#include "ui/buttoncaptions.h"
#include "ui/buttonrights.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/looks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kMemoDigits = 3;
constexpr int kPictureHeight = 56;
constexpr int kKindButtonHeight = 40;
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 540;

QPushButton *kindButton(QWidget *parent, QStyle::StandardPixmap icon)
{
    auto *button = new QPushButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setMinimumHeight(kKindButtonHeight);
    return button;
}

// The picture that marks the group of the chosen kind.
QStyle::StandardPixmap pictureOf(int kind)
{
    switch (kind) {
    case 1: return QStyle::SP_FileDialogDetailedView;
    case kBlackNameCard: return QStyle::SP_MessageBoxCritical;
    case 7: return QStyle::SP_BrowserStop;
    default: return QStyle::SP_DirHomeIcon;
    }
}

} // namespace

TfrmKeysForStaff::TfrmKeysForStaff(QWidget *parent)
    : QDialog(parent)
    , grpKeysForOpenDoor(new QGroupBox(this))
    , grpFunctionCards(new QGroupBox(this))
    , cmdFloorCard(kindButton(this, QStyle::SP_ArrowUp))
    , cmdBuildingCard(kindButton(this, QStyle::SP_DirHomeIcon))
    , cmdMasterCard(kindButton(this, QStyle::SP_DialogYesButton))
    , cmdEmergencyCard(kindButton(this, QStyle::SP_MessageBoxWarning))
    , cmdGroupCard(kindButton(this, QStyle::SP_FileDialogListView))
    , cmdRecordCard(kindButton(this, QStyle::SP_FileDialogDetailedView))
    , cmdBlackNameCard(kindButton(this, QStyle::SP_MessageBoxCritical))
    , cmdCheckOutCard(kindButton(this, QStyle::SP_BrowserStop))
    , cmdExit(new QPushButton(this))
    , grpCards(new QGroupBox(this))
    , imgKind(new QLabel(this))
    , lblHolder(new QLabel(this))
    , edtHolder(new QLineEdit(this))
    , lblBuildingName(new QLabel(this))
    , cmbBuildingName(new QComboBox(this))
    , lblFloorNo(new QLabel(this))
    , cmbFloorNo(new QComboBox(this))
    , lblExpiredDate(new QLabel(this))
    , DateTimePicker1(new QDateEdit(this))
    , lblTime(new QLabel(this))
    , lblTimeDash(new QLabel(QStringLiteral("-"), this))
    , DateTimePicker2(new QTimeEdit(this))
    , DateTimePicker3(new QTimeEdit(this))
    , lblMemo(new QLabel(this))
    , edtMemo(new QLineEdit(this))
    , cmdSearchCardNo(new QPushButton(this))
    , grpOptions(new QGroupBox(this))
    , chkCoverCardsBefore(new QCheckBox(this))
    , chkOpenPublicDoor(new QCheckBox(this))
    , chkAccessBolt(new QCheckBox(this))
    , cmdIssueCard(new QPushButton(this))
    , Timer1(new QTimer(this))
{
    resize(kClientWidth, kClientHeight);
    cmdExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    cmdIssueCard->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    cmdIssueCard->setMinimumHeight(kKindButtonHeight);
    cmdSearchCardNo->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    edtHolder->setMaxLength(50);
    edtMemo->setMaxLength(100);
    cmbBuildingName->setEditable(false);
    cmbFloorNo->setEditable(false);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDateRange(QDate(2009, 1, 1), QDate(2048, 12, 31));
    DateTimePicker2->setDisplayFormat(QStringLiteral("HH:mm"));
    DateTimePicker3->setDisplayFormat(QStringLiteral("HH:mm"));
    imgKind->setAlignment(Qt::AlignCenter);
    imgKind->setMinimumHeight(kPictureHeight);
    SetLook(imgKind, Look::Picture);

    auto *doors = new QVBoxLayout(grpKeysForOpenDoor);
    for (QPushButton *button : {cmdFloorCard, cmdBuildingCard, cmdMasterCard, cmdEmergencyCard, cmdGroupCard})
        doors->addWidget(button);
    auto *functions = new QVBoxLayout(grpFunctionCards);
    for (QPushButton *button : {cmdRecordCard, cmdBlackNameCard, cmdCheckOutCard})
        functions->addWidget(button);
    auto *left = new QVBoxLayout;
    left->addWidget(grpKeysForOpenDoor);
    left->addWidget(grpFunctionCards);
    left->addStretch(1);
    left->addWidget(cmdExit);

    // Building, floor, expiry and times share one grid so that their fields line up.
    auto *place = new QGridLayout;
    place->addWidget(lblBuildingName, 0, 0);
    place->addWidget(cmbBuildingName, 0, 1, 1, 3);
    place->addWidget(lblFloorNo, 1, 0);
    place->addWidget(cmbFloorNo, 1, 1, 1, 3);
    place->addWidget(lblExpiredDate, 2, 0);
    place->addWidget(DateTimePicker1, 2, 1, 1, 3);
    place->addWidget(lblTime, 3, 0);
    place->addWidget(DateTimePicker2, 3, 1);
    place->addWidget(lblTimeDash, 3, 2);
    place->addWidget(DateTimePicker3, 3, 3);
    place->setColumnStretch(1, 1);
    place->setColumnStretch(3, 1);
    auto *memo = new QHBoxLayout;
    memo->addWidget(edtMemo, 1);
    memo->addWidget(cmdSearchCardNo);
    auto *options = new QVBoxLayout(grpOptions);
    options->addWidget(chkCoverCardsBefore);
    options->addWidget(chkOpenPublicDoor);
    options->addWidget(chkAccessBolt);
    auto *cards = new QVBoxLayout(grpCards);
    cards->addWidget(imgKind);
    cards->addWidget(lblHolder);
    cards->addWidget(edtHolder);
    cards->addLayout(place);
    cards->addWidget(lblMemo);
    cards->addLayout(memo);
    cards->addWidget(grpOptions);
    cards->addStretch(1);
    cards->addWidget(cmdIssueCard);

    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(grpCards, 1);
    auto *StaBar1 = new QStatusBar(this);
    for (int width : {150, 60, 50}) {
        auto *panel = new QLabel(StaBar1);
        panel->setMinimumWidth(width);
        StaBar1->addWidget(panel, width == 50 ? 1 : 0);
        StaBarPanels << panel;
    }
    StaBar1->setSizeGripEnabled(false);
    auto *screen = new QVBoxLayout(this);
    screen->setContentsMargins(8, 8, 8, 0);
    screen->addLayout(body, 1);
    screen->addWidget(StaBar1);
    KeepEnterOffButtons(this);

    const struct {
        QPushButton *button;
        int kind;
    } kinds[] = {{cmdFloorCard, 13}, {cmdBuildingCard, 12}, {cmdMasterCard, 11}, {cmdEmergencyCard, 10},
                 {cmdGroupCard, 8},  {cmdRecordCard, 1},    {cmdBlackNameCard, 4}, {cmdCheckOutCard, 7}};
    for (const auto &kind : kinds) {
        SetTag(kind.button, StaffKindRight(kind.kind));
        connect(kind.button, &QPushButton::clicked, this,
                [this, button = kind.button, k = kind.kind] { chooseKind(k, button); });
    }
    SetTag(cmdIssueCard, kStaffIssueRight);

    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TfrmKeysForStaff::Timer1Timer);
    connect(cmbBuildingName, &QComboBox::activated, this, &TfrmKeysForStaff::cmbBuildingNameChange);
    connect(chkOpenPublicDoor, &QCheckBox::clicked, this, &TfrmKeysForStaff::chkOpenPublicDoorClick);
    connect(cmdIssueCard, &QPushButton::clicked, this, &TfrmKeysForStaff::cmdIssueCardClick);
    connect(cmdSearchCardNo, &QPushButton::clicked, this, &TfrmKeysForStaff::cmdSearchCardNoClick);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    edtMemo->installEventFilter(this);

    FormCreate();
}

void TfrmKeysForStaff::FormCreate()
{
    m_texts = ReadKeysForStaffTexts();
    const KeysForStaffTexts &t = m_texts;
    setWindowTitle(t.Title);
    grpKeysForOpenDoor->setTitle(t.KeysForOpenDoor);
    grpKeysForOpenDoor->setToolTip(t.KeysForOpenDoor_Hint);
    grpFunctionCards->setTitle(t.FunctionCard);
    grpFunctionCards->setToolTip(t.FunctionCard_Hint);
    SetButtonCaptions({
        {cmdFloorCard, t.FloorCard, t.FloorCard_Hint},
        {cmdBuildingCard, t.BuildingCard, t.BuildingCard_Hint},
        {cmdMasterCard, t.MasterCard, t.MasterCard_Hint},
        {cmdEmergencyCard, t.EmergencyCard, t.EmergencyCard_Hint},
        {cmdGroupCard, t.GroupCard, t.GroupCard_Hint},
        {cmdRecordCard, t.RecordCard, t.RecordCard_Hint},
        {cmdBlackNameCard, t.BlackNameCard, t.BlackNameCard_Hint},
        {cmdCheckOutCard, t.CheckOutCard, t.CheckOutCard_Hint},
        {cmdIssueCard, t.IssueCard, t.IssueCard_Hint},
    });
    cmdSearchCardNo->setText(t.Search);
    cmdSearchCardNo->setToolTip(t.Search_Hint);
    cmdExit->setText(t.Exit + QStringLiteral("[&X]"));
    cmdExit->setToolTip(t.Exit_Hint);
    lblHolder->setText(t.Holder);
    lblBuildingName->setText(t.BuildingName);
    lblFloorNo->setText(t.FloorNo);
    lblExpiredDate->setText(t.ExpiredDate);
    lblTime->setText(t.Time);
    chkOpenPublicDoor->setText(t.OpenPublicDoor);
    chkAccessBolt->setText(t.AccessBolt);
    chkOpenPublicDoor->hide();
    chkCoverCardsBefore->setEnabled(false);
    ApplyFontSettings(this);
}

void TfrmKeysForStaff::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmKeysForStaff::FormShow()
{
    QStringList names;
    LoadBuildings(names);
    cmbBuildingName->clear();
    cmbBuildingName->addItems(names);
    cmbBuildingName->setCurrentIndex(-1);
    chooseKind(kFloorCard, cmdFloorCard);
    ApplyRights(this);
}

void TfrmKeysForStaff::chooseKind(int kind, QPushButton *button)
{
    m_kind = kind;
    curCard.iType = kind;
    curCard.TypeName = button->text();
    Timer1->start();
}

void TfrmKeysForStaff::Timer1Timer()
{
    Timer1->stop();
    const StaffPanel panel = StaffPanelOf(m_kind, settings.TiShi);
    grpCards->setTitle(StaffKindCaption(m_texts, m_kind));
    imgKind->setPixmap(style()->standardIcon(pictureOf(m_kind)).pixmap(48, 48));
    lblMemo->setText(panel.memo == StaffMemo::GroupNo  ? m_texts.GroupNo
                     : panel.memo == StaffMemo::CardNo ? m_texts.LimitNo
                                                       : m_texts.Memo);
    if (panel.memo != StaffMemo::Memo)
        edtMemo->clear();
    cmdSearchCardNo->setVisible(panel.memo == StaffMemo::CardNo);
    for (QWidget *building : std::initializer_list<QWidget *>{lblBuildingName, cmbBuildingName})
        building->setVisible(panel.building);
    for (QWidget *floor : std::initializer_list<QWidget *>{lblFloorNo, cmbFloorNo})
        floor->setVisible(panel.floor);
    for (QWidget *date : std::initializer_list<QWidget *>{lblExpiredDate, DateTimePicker1, lblTime, DateTimePicker2,
                                                          lblTimeDash, DateTimePicker3})
        date->setVisible(panel.doorKind);
    chkAccessBolt->setVisible(panel.doorKind);
    grpOptions->setVisible(panel.options);
    chkCoverCardsBefore->setVisible(panel.cover);
    chkCoverCardsBefore->setChecked(false);
    chkCoverCardsBefore->setText(StaffCoverCaption(m_texts, m_kind));
    chkOpenPublicDoor->setChecked(panel.boltTicked);
    chkAccessBolt->setChecked(panel.boltTicked);
    DateTimePicker2->setTime(QTime(0, 0));
    DateTimePicker3->setTime(QTime(23, 59));
    if (panel.doorKind)
        DateTimePicker1->setDate(Clock().now().date().addDays(panel.expiryDays));
}

void TfrmKeysForStaff::cmbBuildingNameChange()
{
    const int selected = cmbBuildingName->currentIndex();
    const int bldNo = selected >= 0 && selected < aryBldNo.size() ? aryBldNo[selected] : 0;
    StaBarPanels[0]->setText(QString::number(bldNo));
    QStringList floors;
    LoadFloors(bldNo, floors);
    cmbFloorNo->clear();
    cmbFloorNo->addItems(floors);
    cmbFloorNo->setCurrentIndex(-1);
}

bool TfrmKeysForStaff::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtMemo && event->type() == QEvent::KeyPress)
        return !edtMemoKeyPress(static_cast<QKeyEvent *>(event)->text());
    return QDialog::eventFilter(watched, event);
}

// The group number is typed as up to three digits; true lets the key through.
bool TfrmKeysForStaff::edtMemoKeyPress(const QString &typed)
{
    if (m_kind != kGroupCard || typed.isEmpty())
        return true;
    if (typed == QStringLiteral("\b"))
        return true;
    if (typed.size() != 1 || typed.front() < u'0' || typed.front() > u'9')
        return false;
    return edtMemo->hasSelectedText() || edtMemo->text().size() < kMemoDigits;
}

void TfrmKeysForStaff::cmdSearchCardNoClick()
{
    // The reports screen's card list picks the card to bar; closed without a
    // pick, the field keeps what it holds.
    const QString cardId = PickCardFromReports(this);
    if (!cardId.isEmpty())
        edtMemo->setText(cardId);
}

void TfrmKeysForStaff::chkOpenPublicDoorClick()
{
    if (m_kind == 10 || m_kind == 11)
        chkOpenPublicDoor->setChecked(true);
}

void TfrmKeysForStaff::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F6) {
        chkCoverCardsBefore->setEnabled(!chkCoverCardsBefore->isEnabled());
        return;
    }
    QDialog::keyPressEvent(event);
}

StaffCardFields TfrmKeysForStaff::collectFields() const
{
    StaffCardFields fields;
    fields.kind = m_kind;
    fields.typeName = curCard.TypeName;
    fields.holder = edtHolder->text();
    fields.memo = edtMemo->text();
    fields.bldNo = 0;
    if (cmbBuildingName->isVisibleTo(this)) {
        const int selected = cmbBuildingName->currentIndex();
        fields.bldNo = selected >= 0 && selected < aryBldNo.size() ? aryBldNo[selected] : -1;
    }
    fields.flrNo = 0;
    if (cmbFloorNo->isVisibleTo(this))
        fields.flrNo = cmbFloorNo->currentText().isEmpty() ? -1 : cmbFloorNo->currentText().toInt();
    fields.expiry = DateTimePicker1->date();
    fields.start = DateTimePicker2->time();
    fields.end = DateTimePicker3->time();
    fields.publicDoor = chkOpenPublicDoor->isChecked();
    fields.accessBolt = chkAccessBolt->isChecked();
    fields.cover = chkCoverCardsBefore->isVisibleTo(this) && chkCoverCardsBefore->isChecked();
    fields.coverCaption = chkCoverCardsBefore->text();
    return fields;
}

void TfrmKeysForStaff::cmdIssueCardClick()
{
    if (!cmdFloorCard->isEnabled() && m_kind == kFloorCard)
        return;
    const IssueOutcome outcome = IssueStaffCard(collectFields());
    if (outcome == IssueOutcome::BadField) {
        edtMemo->setFocus();
        return;
    }
    if (outcome != IssueOutcome::Issued)
        return;
    StaBarPanels[0]->setText(curCard.TypeName);
    StaBarPanels[1]->setText(QStringLiteral("Dai:  %1").arg(curCard.Dai));
    StaBarPanels[2]->setText(BufCardText());
}
