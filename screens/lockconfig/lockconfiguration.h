#pragma once

#include "core/records.h"
#include "screens/lockconfig/lockcardissue.h"
#include "screens/lockconfig/lockcardtexts.h"

#include <QDialog>
#include <QList>
#include <QPoint>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Lock configuration: the cards an installer sets a door lock up with: the
// system card with the lock options, the room-number card, the clock card and
// the group-number card with its operation from a pop-up menu. The panel is
// rebuilt for the chosen kind on the next tick of Timer1; Timer2 keeps the
// clock card's time running.
class TfrmLockConfiguration : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLockConfiguration(QWidget *parent = nullptr);

    QGroupBox *grpNormalConfiguration;
    QGroupBox *grpExtraConfiguration;
    QPushButton *cmdResetCard;
    QPushButton *cmdRoomNoSetting;
    QPushButton *cmdClockSetting;
    QPushButton *cmdGroupNoSetting;
    QPushButton *cmdExit;
    QGroupBox *grpCards;
    QLabel *imgKind;
    QLabel *Label1;
    QLineEdit *edtHolder;
    QLabel *Label2;
    QLineEdit *Edit1;
    QPushButton *cmdSearchRoomNo;
    QLabel *Label3;
    QCheckBox *chkCover;
    QPushButton *cmdIssueCard;
    QGroupBox *grpGuide;
    QPlainTextEdit *Memo1;
    QMenu *PopupMenu1;
    QList<QAction *> groupOperations; // in the order of the group operations
    QList<QLabel *> StaBarPanels;
    QTimer *Timer1;
    QTimer *Timer2;

    void cmdIssueCardClick();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void chooseKind(int kind, const QString &typeName);
    void cmdGroupNoSettingClick();
    void groupOperationClick(int groupOp);
    void Timer1Timer();
    void Timer2Timer();
    void cmdSearchRoomNoClick();
    bool Edit1KeyPress(const QString &typed);

    LockConfigurationTexts m_texts;
    int m_kind = kSystemCard;
    int m_groupOp = ClearOneGroup;
    TRoomInfo m_room;       // the room picked since the kind was chosen
    QPoint m_lastMouse;     // the last mouse position over the group-number button
};
