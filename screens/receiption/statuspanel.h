#pragma once

#include "screens/receiption/roomstatus.h"
#include "screens/receiption/roomstatustexts.h"

#include <QFrame>
#include <QList>

class QGroupBox;
class QKeyEvent;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The front desk's status-setting panel: the rooms of the current building in
// a grid, where the operator marks rooms and then presses one of the seven
// status buttons. The marks live in the grid only.
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget *parent = nullptr);

    QTableWidget *GridRoomStatus;
    QPushButton *BitBtnVC;
    QPushButton *BitBtnOH;
    QPushButton *BitBtnTO;
    QPushButton *BitBtnVD;
    QPushButton *BitBtnOO;
    QPushButton *BitBtnOC_WalkIn;
    QPushButton *BitBtnOC_Team;
    QPushButton *cmdCloseModiRoomStatus;
    QGroupBox *GroupBox1;
    QPlainTextEdit *Memo1;

    // Sets the panel up for the operation captioned menuCaption, which also
    // captions the maintenance memo's input box: the grid filled afresh, the
    // served room marked when the walk-in panel was open before.
    void Open(const QString &menuCaption);
    void cmdCloseModiRoomStatusClick();
    // The rooms of the current building into the grid, with or without the
    // marks they had.
    void FillStatusGrid(bool clearMarks);

    const QList<StatusRow> &rows() const { return m_rows; }

signals:
    // A text for one of the front desk's status panels.
    void status(int panel, const QString &text);
    // The panel closed: the board takes over again.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void GridRoomStatusClick();
    bool GridRoomStatusKeyDown(const QKeyEvent *event);
    void toggleMark(int row);
    void BitBtnOOClick();
    void applyStatus(RoomStatus status, const QString &memo);
    void showRows();
    // Every column wide enough for its design width and its title.
    void fitColumns();

    RoomStatusTexts m_texts;
    QString m_menuCaption;
    QList<StatusRow> m_rows;
};
