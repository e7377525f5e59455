#include "screens/logon/logon.h"

#include "cards/encodergreeting.h"
#include "core/clock.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "core/texts.h"
#include "store/database.h"
#include "store/rooms.h"
#include "ui/enterkey.h"
#include "ui/fonts.h"
#include "ui/looks.h"
#include "ui/skin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 706;
constexpr int kClientHeight = 482;
constexpr int kClosingWaitMs = 500;

} // namespace

TfrmLogon::TfrmLogon(QWidget *parent)
    : QWidget(parent)
    , Image1(new QLabel(this))
    , Label1(new QLabel(this))
    , edtGongHao(new QComboBox(this))
    , Label2(new QLabel(this))
    , edtMiMa(new QLineEdit(this))
    , cmdModiMiMa(new QToolButton(this))
    , Label3(new QLabel(this))
    , cmdEntry(new QPushButton(this))
    , cmdExit(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmLogon"));
    resize(kClientWidth, kClientHeight);
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(Image1);
    SetLook(Image1, Look::Picture);

    SetLook(Label3, Look::Welcome);
    Label3->setAlignment(Qt::AlignCenter);
    QFont welcome = Label3->font();
    welcome.setPointSize(24);
    welcome.setBold(true);
    Label3->setFont(welcome);

    // The entry fields lie on a plain panel in the middle of the picture.
    auto *panel = new QFrame(Image1);
    SetLook(panel, Look::Panel);
    auto *fields = new QGridLayout(panel);
    fields->setContentsMargins(24, 20, 24, 20);
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(14);
    for (QLabel *caption : {Label1, Label2})
        SetLook(caption, Look::FieldCaption);
    edtGongHao->setEditable(true);
    edtGongHao->setInsertPolicy(QComboBox::NoInsert);
    edtGongHao->setMinimumWidth(200);
    edtMiMa->setEchoMode(QLineEdit::Password);
    cmdModiMiMa->setText(QStringLiteral("…"));
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(edtGongHao, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(edtMiMa, 1, 1);
    fields->addWidget(cmdModiMiMa, 1, 2);
    auto *commands = new QHBoxLayout;
    commands->setSpacing(20);
    commands->addStretch(1);
    commands->addWidget(cmdEntry);
    commands->addWidget(cmdExit);
    commands->addStretch(1);
    fields->addLayout(commands, 2, 0, 1, 3);
    for (QPushButton *button : {cmdEntry, cmdExit})
        button->setMinimumWidth(110);

    auto *picture = new QVBoxLayout(Image1);
    picture->setContentsMargins(24, 24, 24, 24);
    picture->addStretch(2);
    picture->addWidget(Label3);
    picture->addStretch(2);
    picture->addWidget(panel, 0, Qt::AlignHCenter);
    picture->addStretch(3);

    // Enter in the password box enters through its own handler below.
    KeepEnterOffButtons(this);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdEntry, &QPushButton::clicked, this, &TfrmLogon::cmdEntryClick);
    connect(cmdModiMiMa, &QToolButton::clicked, this, &TfrmLogon::cmdModiMiMaClick);
    connect(edtGongHao, &QComboBox::editTextChanged, edtMiMa, &QLineEdit::clear);
    connect(edtGongHao->lineEdit(), &QLineEdit::returnPressed, this, &TfrmLogon::edtGongHaoReturn);
    connect(edtMiMa, &QLineEdit::returnPressed, this, &TfrmLogon::cmdEntryClick);
    edtGongHao->lineEdit()->installEventFilter(this);
    edtMiMa->installEventFilter(this);

    readTexts();
    EncoderMode = -1;
}

void TfrmLogon::readTexts()
{
    const InterfaceTexts logon = InterfaceTexts::section("LOGON");
    setWindowTitle(logon("Title", "Logon") + QStringLiteral("   ")
                   + QLocale::languageToString(QLocale::system().language()));
    Label1->setText(logon("Code", "Code"));
    Label2->setText(logon("Password", "Password"));
    edtMiMa->setToolTip(logon("MiMa_Hint", "Press F1 For Help"));
    cmdModiMiMa->setToolTip(logon("ModiMiMa_Hint", "Modify Your Password"));
    Label3->setText(logon("Welcome", "Welcome to use Zumerak"));
    cmdEntry->setText(logon("Entry", "OK"));
    cmdExit->setText(logon("Exit", "Exit") + QStringLiteral(" [&X]"));
    cmdExit->setShortcut(QKeySequence(Qt::Key_Escape));
    m_texts = ReadLogonTexts();

    LoadSharedTexts();
    ApplyFontSettings(this);
    ApplySkin();
}

void TfrmLogon::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmLogon::FormShow()
{
    fDirectCardErase = false;
    edtGongHao->clear();
    edtGongHao->addItems(OperatorCodesForLogon());
    edtGongHao->setCurrentIndex(-1);
    edtGongHao->clearEditText();
    edtMiMa->clear();
    edtGongHao->setFocus();
    OpenEncoderAtLogon();
}

bool TfrmLogon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtMiMa && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        ShowPasswordHelp(m_texts);
        return true;
    }
    if (watched == edtGongHao->lineEdit() && event->type() == QEvent::FocusOut)
        edtGongHaoExit();
    return QWidget::eventFilter(watched, event);
}

void TfrmLogon::edtGongHaoExit()
{
    curOperator.GongHao = edtGongHao->currentText().trimmed();
}

void TfrmLogon::edtGongHaoReturn()
{
    if (!edtGongHao->currentText().isEmpty())
        edtMiMa->setFocus();
}

void TfrmLogon::cmdEntryClick()
{
    // A click or Enter may come before the code box has reported its leaving.
    edtGongHaoExit();
    if (!CheckLogon(curOperator.GongHao, edtMiMa->text(), m_texts))
        return;
    LoadAryRoom();
    hide();
    if (m_mainMenu)
        m_mainMenu->show();
}

void TfrmLogon::cmdModiMiMaClick()
{
    edtGongHaoExit();
    ModifyPassword(curOperator.GongHao, m_texts);
}

void TfrmLogon::closeEvent(QCloseEvent *event)
{
    CloseDatabase();
    Clock().wait(kClosingWaitMs);
    event->accept();
    qApp->quit();
}
