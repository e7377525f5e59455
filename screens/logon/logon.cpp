#include "screens/logon/logon.h"

#include "cards/encodergreeting.h"
#include "core/clock.h"
#include "core/sharedtexts.h"
#include "core/state.h"
#include "core/texts.h"
#include "store/database.h"
#include "store/rooms.h"
#include "ui/fonts.h"
#include "ui/skin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>

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
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette cream = palette();
    cream.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xE1));
    setPalette(cream);
    Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
    Image1->setStyleSheet(QStringLiteral(
        "background: qradialgradient(cx:0.5, cy:0.3, radius:0.9, stop:0 #FFF8E1, stop:1 #C9A66B);"));

    Label3->setGeometry(0, 60, kClientWidth, 60);
    Label3->setAlignment(Qt::AlignCenter);
    QFont welcome = Label3->font();
    welcome.setPointSize(24);
    welcome.setBold(true);
    Label3->setFont(welcome);
    Label3->setStyleSheet(QStringLiteral("color: #E0B000;"));

    Label1->setGeometry(200, 200, 100, 26);
    Label1->setStyleSheet(QStringLiteral("color: red;"));
    edtGongHao->setGeometry(310, 200, 200, 26);
    edtGongHao->setEditable(true);
    edtGongHao->setInsertPolicy(QComboBox::NoInsert);

    Label2->setGeometry(200, 250, 100, 26);
    Label2->setStyleSheet(QStringLiteral("color: red;"));
    edtMiMa->setGeometry(310, 250, 200, 26);
    edtMiMa->setEchoMode(QLineEdit::Password);
    cmdModiMiMa->setGeometry(516, 250, 26, 26);
    cmdModiMiMa->setText(QStringLiteral("…"));

    cmdEntry->setGeometry(230, 340, 110, 34);
    cmdEntry->setDefault(true);
    cmdExit->setGeometry(370, 340, 110, 34);
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
