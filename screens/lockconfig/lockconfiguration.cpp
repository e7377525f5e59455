#include "screens/lockconfig/lockconfiguration.h"

#include "core/clock.h"
#include "core/settings.h"
#include "core/state.h"
#include "screens/rooms/roomsdefination.h"
#include "ui/buttoncaptions.h"
#include "ui/buttonrights.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/looks.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kGroupDigits = 3;
constexpr int kPictureHeight = 56;
constexpr int kKindButtonHeight = 40;
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 500;

QPushButton *kindButton(QWidget *parent, QStyle::StandardPixmap icon)
{
    auto *button = new QPushButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setMinimumHeight(kKindButtonHeight);
    return button;
}

QStyle::StandardPixmap pictureOf(int kind)
{
    switch (kind) {
    case kRoomNoCard: return QStyle::SP_DirHomeIcon;
    case kClockCard: return QStyle::SP_BrowserReload;
    case kGroupNoCard: return QStyle::SP_FileDialogListView;
    default: return QStyle::SP_ComputerIcon;
    }
}

QString clockText()
{
    return Clock().now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

TfrmLockConfiguration::TfrmLockConfiguration(QWidget *parent)
    : QDialog(parent)
    , grpNormalConfiguration(new QGroupBox(this))
    , grpExtraConfiguration(new QGroupBox(this))
    , cmdResetCard(kindButton(this, QStyle::SP_ComputerIcon))
    , cmdRoomNoSetting(kindButton(this, QStyle::SP_DirHomeIcon))
    , cmdClockSetting(kindButton(this, QStyle::SP_BrowserReload))
    , cmdGroupNoSetting(kindButton(this, QStyle::SP_FileDialogListView))
    , cmdExit(new QPushButton(this))
    , grpCards(new QGroupBox(this))
    , imgKind(new QLabel(this))
    , Label1(new QLabel(this))
    , edtHolder(new QLineEdit(this))
    , Label2(new QLabel(this))
    , Edit1(new QLineEdit(this))
    , cmdSearchRoomNo(new QPushButton(this))
    , Label3(new QLabel(this))
    , chkCover(new QCheckBox(this))
    , cmdIssueCard(new QPushButton(this))
    , grpGuide(new QGroupBox(this))
    , Memo1(new QPlainTextEdit(this))
    , PopupMenu1(new QMenu(this))
    , Timer1(new QTimer(this))
    , Timer2(new QTimer(this))
{
    resize(kClientWidth, kClientHeight);
    cmdExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    cmdIssueCard->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    cmdIssueCard->setMinimumHeight(kKindButtonHeight);
    cmdSearchRoomNo->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    edtHolder->setMaxLength(50);
    Edit1->setMaxLength(100);
    Memo1->setReadOnly(true);
    // The installer may tick the cover box wherever it shows: raising the
    // counter is the only way to retire a lost system or setting card, and
    // the box shows only while the locks honour the counter (or after F5).
    imgKind->setAlignment(Qt::AlignCenter);
    imgKind->setMinimumHeight(kPictureHeight);
    SetLook(imgKind, Look::Picture);
    SetLook(Label3, Look::FieldCaption);
    cmdGroupNoSetting->setMouseTracking(true);
    cmdGroupNoSetting->installEventFilter(this);
    Edit1->installEventFilter(this);

    auto *operations = new QActionGroup(this);
    for (int op = ClearOneGroup; op <= SetAllGroups; ++op) {
        QAction *action = PopupMenu1->addAction(GroupOpName(op));
        action->setCheckable(true);
        operations->addAction(action);
        groupOperations << action;
        connect(action, &QAction::triggered, this, [this, op] { groupOperationClick(op); });
    }

    auto *normal = new QVBoxLayout(grpNormalConfiguration);
    normal->addWidget(cmdResetCard);
    auto *extra = new QVBoxLayout(grpExtraConfiguration);
    for (QPushButton *button : {cmdRoomNoSetting, cmdClockSetting, cmdGroupNoSetting})
        extra->addWidget(button);
    auto *left = new QVBoxLayout;
    left->addWidget(grpNormalConfiguration);
    left->addWidget(grpExtraConfiguration);
    left->addStretch(1);
    left->addWidget(cmdExit);

    auto *field = new QHBoxLayout;
    field->addWidget(Edit1, 1);
    field->addWidget(cmdSearchRoomNo);
    auto *cards = new QVBoxLayout(grpCards);
    cards->addWidget(imgKind);
    cards->addWidget(Label1);
    cards->addWidget(edtHolder);
    cards->addWidget(Label3);
    cards->addWidget(Label2);
    cards->addLayout(field);
    cards->addWidget(chkCover);
    cards->addStretch(1);
    cards->addWidget(cmdIssueCard);
    auto *guide = new QVBoxLayout(grpGuide);
    guide->addWidget(Memo1);
    auto *right = new QVBoxLayout;
    right->addWidget(grpCards, 3);
    right->addWidget(grpGuide, 1);

    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
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

    SetTag(cmdResetCard, LockKindRight(kSystemCard));
    SetTag(cmdRoomNoSetting, LockKindRight(kRoomNoCard));
    SetTag(cmdClockSetting, LockKindRight(kClockCard));
    SetTag(cmdGroupNoSetting, LockKindRight(kGroupNoCard));
    SetTag(cmdIssueCard, kLockIssueRight);

    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    Timer2->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmLockConfiguration::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TfrmLockConfiguration::Timer2Timer);
    connect(cmdResetCard, &QPushButton::clicked, this, [this] { chooseKind(kSystemCard, cmdResetCard->text()); });
    connect(cmdRoomNoSetting, &QPushButton::clicked, this,
            [this] { chooseKind(kRoomNoCard, cmdRoomNoSetting->text()); });
    connect(cmdClockSetting, &QPushButton::clicked, this, [this] { chooseKind(kClockCard, cmdClockSetting->text()); });
    connect(cmdGroupNoSetting, &QPushButton::clicked, this, &TfrmLockConfiguration::cmdGroupNoSettingClick);
    connect(cmdSearchRoomNo, &QPushButton::clicked, this, &TfrmLockConfiguration::cmdSearchRoomNoClick);
    connect(cmdIssueCard, &QPushButton::clicked, this, &TfrmLockConfiguration::cmdIssueCardClick);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TfrmLockConfiguration::FormCreate()
{
    m_texts = ReadLockConfigurationTexts();
    const LockConfigurationTexts &t = m_texts;
    setWindowTitle(t.Title);
    grpNormalConfiguration->setTitle(t.NormalConfiguration);
    grpNormalConfiguration->setToolTip(t.NormalConfiguration_Hint);
    grpExtraConfiguration->setTitle(t.ExtraConfiguration);
    grpExtraConfiguration->setToolTip(t.ExtraConfiguration_Hint);
    grpGuide->setTitle(t.Guide);
    Memo1->setPlainText(t.Memo);
    SetButtonCaptions({
        {cmdResetCard, t.ResetCard, t.ResetCard_Hint},
        {cmdRoomNoSetting, t.RoomNoCard, t.RoomNoCard_Hint},
        {cmdClockSetting, t.TimeCard, t.TimeCard_Hint},
        {cmdGroupNoSetting, t.GroupNoCard, t.GroupNoCard_Hint},
        {cmdSearchRoomNo, t.Search, t.Search_Hint},
        {cmdIssueCard, t.IssueCard, t.IssueCard_Hint},
    });
    cmdExit->setText(t.Exit + QStringLiteral("[&X]"));
    cmdExit->setToolTip(t.Exit_Hint);
    Label1->setText(t.Holder);
    ApplyFontSettings(this);
}

void TfrmLockConfiguration::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLockConfiguration::FormShow()
{
    chooseKind(kSystemCard, cmdResetCard->text());
    ApplyRights(this);
}

void TfrmLockConfiguration::done(int result)
{
    Timer1->stop();
    Timer2->stop();
    QDialog::done(result);
}

void TfrmLockConfiguration::chooseKind(int kind, const QString &typeName)
{
    m_kind = kind;
    curCard.iType = kind;
    curCard.TypeName = typeName;
    Timer1->start();
}

// The operations open as a menu just right of where the mouse last was over the button.
void TfrmLockConfiguration::cmdGroupNoSettingClick()
{
    PopupMenu1->popup(cmdGroupNoSetting->mapToGlobal(m_lastMouse + QPoint(10, 0)));
}

void TfrmLockConfiguration::groupOperationClick(int groupOp)
{
    m_groupOp = groupOp;
    curCard.GroupOp = groupOp;
    groupOperations[groupOp]->setChecked(true);
    Label3->setText(GroupOpName(groupOp));
    chooseKind(kGroupNoCard, GroupOpName(groupOp));
}

void TfrmLockConfiguration::Timer1Timer()
{
    Timer1->stop();
    Timer2->stop();
    const LockPanel panel = LockPanelOf(m_kind, m_groupOp, settings.TiShi);
    m_room = TRoomInfo();
    Edit1->clear();
    Edit1->setEnabled(panel.typing);
    Edit1->setVisible(panel.field);
    Label2->setVisible(panel.field);
    cmdSearchRoomNo->setVisible(panel.search);
    Label3->setVisible(panel.operation);
    chkCover->setVisible(panel.cover);
    chkCover->setChecked(false);
    chkCover->setText(LockCoverCaption(m_texts, m_kind));
    grpCards->setTitle(LockKindCaption(m_texts, m_kind));
    imgKind->setPixmap(style()->standardIcon(pictureOf(m_kind)).pixmap(48, 48));
    switch (m_kind) {
    case kRoomNoCard:
        Label2->setText(m_texts.BldRoomNo);
        break;
    case kClockCard:
        Label2->setText(m_texts.CurrentTime);
        Edit1->setText(clockText());
        Timer2->start();
        break;
    case kGroupNoCard:
        Label2->setText(m_texts.GroupRange);
        break;
    default:
        Label2->setText(m_texts.CommonMemo);
        break;
    }
}

void TfrmLockConfiguration::Timer2Timer()
{
    if (m_kind == kClockCard)
        Edit1->setText(clockText());
}

void TfrmLockConfiguration::cmdSearchRoomNoClick()
{
    isSearchLockNo = true;
    {
        // The buildings and rooms screen as a picker leaves its room in curRoom.
        TfrmRoomsDefination picker(this);
        picker.exec();
    }
    isSearchLockNo = false;
    // A building without rooms leaves no room to set a lock to.
    m_room = curRoom.LockNo.isEmpty() ? TRoomInfo() : curRoom;
    Edit1->setText(m_room.BldRoomNo);
}

bool TfrmLockConfiguration::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cmdGroupNoSetting && event->type() == QEvent::MouseMove)
        m_lastMouse = static_cast<QMouseEvent *>(event)->position().toPoint();
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return !Edit1KeyPress(static_cast<QKeyEvent *>(event)->text());
    return QDialog::eventFilter(watched, event);
}

// The group number is typed as up to three digits; true lets the key through.
bool TfrmLockConfiguration::Edit1KeyPress(const QString &typed)
{
    if (m_kind != kGroupNoCard || typed.isEmpty() || typed == QStringLiteral("\b"))
        return true;
    if (typed.size() != 1 || typed.front() < u'0' || typed.front() > u'9')
        return false;
    return Edit1->hasSelectedText() || Edit1->text().size() < kGroupDigits;
}

void TfrmLockConfiguration::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F1:
        chooseKind(kSystemCard, cmdResetCard->text());
        return;
    case Qt::Key_F5:
        chkCover->setVisible(chkCover->isHidden());
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TfrmLockConfiguration::cmdIssueCardClick()
{
    if (!cmdResetCard->isEnabled() && m_kind == kSystemCard)
        return;
    LockCardFields fields;
    fields.kind = m_kind;
    fields.groupOp = m_groupOp;
    fields.typeName = curCard.TypeName;
    fields.holder = edtHolder->text();
    fields.field = Edit1->text();
    fields.room = m_room;
    fields.cover = chkCover->isVisibleTo(this) && chkCover->isChecked();
    fields.coverCaption = chkCover->text();
    const IssueOutcome outcome = IssueLockCard(fields, m_texts.msgSelectRoom);
    if (outcome == IssueOutcome::BadField) {
        Edit1->setFocus();
        return;
    }
    if (outcome != IssueOutcome::Issued)
        return;
    StaBarPanels[0]->setText(curCard.TypeName);
    StaBarPanels[1]->setText(QStringLiteral("Dai:  %1").arg(curCard.Dai));
    StaBarPanels[2]->setText(BufCardText());
}
