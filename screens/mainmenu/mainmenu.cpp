#include "screens/mainmenu/mainmenu.h"

#include "cards/encodergreeting.h"
#include "core/operatorport.h"
#include "core/settings.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "core/texts.h"
#include "ui/buttonrights.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/looks.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 639;
constexpr int kClientHeight = 521;
constexpr int kRecommendedWidth = 1024;
constexpr int kRecommendedHeight = 768;
constexpr int kHelpTextCount = 13;
constexpr int kPictureHeight = 240;
constexpr int kGlyphSize = 24;
constexpr int kButtonHeight = 50;

// The HELP texts of Interface.txt, read afresh at each F1; a missing key is an
// empty text.
QString helpNote()
{
    const InterfaceTexts help = InterfaceTexts::section("HELP");
    QString note;
    for (int i = 1; i <= kHelpTextCount; ++i) {
        note += i == 1 ? QStringLiteral("\n") : QStringLiteral("\n\n");
        note += help.text(QStringLiteral("SoundMsg%1").arg(i), QString());
    }
    return note;
}

} // namespace

TfrmMain::TfrmMain(QWidget *logonScreen, QWidget *parent)
    : QWidget(parent)
    , Image1(new QLabel(this))
    , Label1(new QLabel(this))
    , Label2(new QLabel(this))
    , Label3(new QLabel(this))
    , Label4(new QLabel(this))
    , Label5(new QLabel(this))
    , Label6(new QLabel(this))
    , cmdReceiption(new QPushButton(this))
    , cmdRoomsDefination(new QPushButton(this))
    , cmdLocksConfiguration(new QPushButton(this))
    , cmdKeysForStaff(new QPushButton(this))
    , cmdSystemMaintenance(new QPushButton(this))
    , cmdReports(new QPushButton(this))
    , cmdExit(new QPushButton(this))
    , cmdAbout(new QPushButton(this))
    , m_logon(logonScreen)
{
    setObjectName(QStringLiteral("frmMain"));
    resize(kClientWidth, kClientHeight);
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);

    // The picture fills the upper part and carries the hotel, the version and
    // the operator.
    SetLook(Image1, Look::Picture);
    Image1->setMinimumHeight(kPictureHeight);
    frame->addWidget(Image1, 1);
    SetLook(Label1, Look::PictureText);
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = Label1->font();
    title.setPointSize(22);
    title.setBold(true);
    Label1->setFont(title);
    for (QLabel *label : {Label2, Label3, Label4, Label5})
        SetLook(label, Look::PictureText);
    SetLook(Label6, Look::Notice);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->hide();
    auto *facts = new QGridLayout;
    facts->setHorizontalSpacing(12);
    facts->addWidget(Label2, 0, 0);
    facts->addWidget(Label4, 0, 1);
    facts->addWidget(Label3, 1, 0);
    facts->addWidget(Label5, 1, 1);
    facts->setColumnStretch(1, 1);
    auto *picture = new QVBoxLayout(Image1);
    picture->setContentsMargins(40, 30, 40, 10);
    picture->addWidget(Label1);
    picture->addStretch(1);
    picture->addLayout(facts);
    picture->addStretch(1);
    picture->addWidget(Label6);

    // Two columns of buttons of one size below the picture.
    const QList<QPushButton *> grid = {cmdReceiption,        cmdRoomsDefination, cmdLocksConfiguration,
                                       cmdKeysForStaff,      cmdSystemMaintenance, cmdReports,
                                       cmdExit,              cmdAbout};
    auto *buttons = new QGridLayout;
    buttons->setContentsMargins(40, 15, 40, 15);
    buttons->setHorizontalSpacing(20);
    buttons->setVerticalSpacing(10);
    for (int i = 0; i < grid.size(); ++i) {
        grid[i]->setIconSize(QSize(kGlyphSize, kGlyphSize));
        grid[i]->setMinimumHeight(kButtonHeight);
        grid[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        buttons->addWidget(grid[i], i / 2, i % 2);
        grid[i]->installEventFilter(this);
    }
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(1, 1);
    frame->addLayout(buttons);
    KeepEnterOffButtons(this);

    const QStyle *look = style();
    cmdReceiption->setIcon(look->standardIcon(QStyle::SP_DirHomeIcon));
    cmdRoomsDefination->setIcon(look->standardIcon(QStyle::SP_DirIcon));
    cmdLocksConfiguration->setIcon(look->standardIcon(QStyle::SP_DriveHDIcon));
    cmdKeysForStaff->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdSystemMaintenance->setIcon(look->standardIcon(QStyle::SP_ComputerIcon));
    cmdReports->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
    cmdExit->setIcon(look->standardIcon(QStyle::SP_DialogCancelButton));
    cmdAbout->setIcon(look->standardIcon(QStyle::SP_MessageBoxInformation));

    SetTag(cmdReceiption, 1);
    SetTag(cmdRoomsDefination, 2);
    SetTag(cmdLocksConfiguration, 3);
    SetTag(cmdKeysForStaff, 4);
    SetTag(cmdSystemMaintenance, 5);
    SetTag(cmdReports, 6);

    connect(cmdReceiption, &QPushButton::clicked, this, &TfrmMain::cmdReceiptionClick);
    connect(cmdRoomsDefination, &QPushButton::clicked, this,
            [this] { openWorkScreen(WorkArea::RoomsDefination, QStringLiteral("RoomsDefination")); });
    connect(cmdLocksConfiguration, &QPushButton::clicked, this,
            [this] { openWorkScreen(WorkArea::LocksConfiguration, QStringLiteral("LocksConfiguration")); });
    connect(cmdKeysForStaff, &QPushButton::clicked, this,
            [this] { openWorkScreen(WorkArea::KeysForStaff, QStringLiteral("KeysForStaff")); });
    connect(cmdSystemMaintenance, &QPushButton::clicked, this,
            [this] { openWorkScreen(WorkArea::SystemMaintenance, QStringLiteral("SystemMaintenance")); });
    connect(cmdReports, &QPushButton::clicked, this,
            [this] { openWorkScreen(WorkArea::Reports, QStringLiteral("Reports")); });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdAbout, &QPushButton::clicked, this, &TfrmMain::cmdAboutClick);

    FormCreate();
}

void TfrmMain::FormCreate()
{
    const InterfaceTexts main = InterfaceTexts::section("MAIN");
    setWindowTitle(main("Title", "Zumerak Management System"));
    Label2->setText(main("Version", "Version") + u':');
    Label3->setText(main("Operator", "Operator") + u':');
    Label6->setText(main("Screen", "The recommended screen resolution is 1024 x 768 pixels."));
    cmdReceiption->setText(main("Receiption", "Receiption"));
    cmdReceiption->setToolTip(main("Receiption_Hint", "Guest Management"));
    cmdRoomsDefination->setText(main("RoomsDefination", "Building Management"));
    cmdRoomsDefination->setToolTip(main("RoomsDefination_Hint", "Manage building and guestroom information"));
    cmdLocksConfiguration->setText(main("LocksConfiguration", "Door Lock Configuration"));
    cmdLocksConfiguration->setToolTip(main("LocksConfiguration_Hint", "Set up door lock system"));
    cmdKeysForStaff->setText(main("KeysForStaff", "Card Key for Staffs"));
    cmdKeysForStaff->setToolTip(main("KeysForStaff_Hint", "Issue cards for staff"));
    cmdSystemMaintenance->setText(main("SystemMaintenance", "System Parameter Management"));
    cmdSystemMaintenance->setToolTip(main("SystemMaintenance_Hint",
                                          "Set default check-out time/Create User Name, and etc."));
    cmdReports->setText(main("Reports", "Report"));
    cmdReports->setToolTip(main("Reports_Hint", "Report & Record"));
    cmdExit->setText(main("Exit", "Exit") + QStringLiteral("[&X]"));
    cmdExit->setToolTip(main("Exit_Hint", "Return to Logon"));
    cmdExit->setShortcut(QKeySequence(Qt::Key_Escape));
    cmdAbout->setToolTip(main("About_Hint", "About..."));
    ApplyFontSettings(this);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
    sizeButtonsAlike();
}

// The buttons are all of one size, that of the widest caption, which is known
// only once the About caption is set.
void TfrmMain::sizeButtonsAlike()
{
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    int width = 0;
    for (QPushButton *button : buttons) {
        button->setMinimumWidth(0);
        width = qMax(width, button->sizeHint().width());
    }
    for (QPushButton *button : buttons)
        button->setMinimumWidth(width);
}

void TfrmMain::FormShow()
{
    Label4->setText(settings.VersionText);
    Label5->setText(curOperator.Name);
    Label1->setText(settings.HotelName);
    cmdAbout->setText(settings.CompanyName);
    prevMenu = QStringLiteral("Logon");
    ApplyRights(this);
    warnAboutSmallScreen();
}

void TfrmMain::warnAboutSmallScreen()
{
    const QSize size = screen()->size();
    if (size.width() >= kRecommendedWidth && size.height() >= kRecommendedHeight)
        return;
    Label6->show();
    ShowWarning(QStringLiteral("Screen: %1 x %2").arg(size.width()).arg(size.height()), Label6->text());
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (m_logon)
        m_logon->show();
    event->accept();
}

void TfrmMain::keyPressEvent(QKeyEvent *event)
{
    if (!FormKeyDown(event->key()))
        QWidget::keyPressEvent(event);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool TfrmMain::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_F1:
        ShowInfo(QStringLiteral("Note"), helpNote());
        return true;
    case Qt::Key_F2:
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("Help.txt"))));
        return true;
    default:
        return false;
    }
}

void TfrmMain::cmdReceiptionClick()
{
    if (hasDuplicateRooms) {
        ShowError(QStringLiteral("E0023"), Common.ErrRepeatBldRoomNo);
        return;
    }
    openWorkScreen(WorkArea::Receiption, QString());
}

void TfrmMain::openWorkScreen(WorkArea area, const QString &menu)
{
    if (!HasWorkScreen(area))
        return;
    hide();
    if (!menu.isEmpty())
        curMenu = menu;
    if (area == WorkArea::RoomsDefination)
        isSearchLockNo = false;
    if (area == WorkArea::Reports)
        isSearchCardNo = false;
    if (const std::unique_ptr<QDialog> screen = MakeWorkScreen(area, nullptr))
        screen->exec();
    show();
}

void TfrmMain::cmdAboutClick()
{
    ShowInfo(QStringLiteral("System Info"), EncoderAboutText());
}
