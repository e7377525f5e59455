#pragma once

#include "screens/receiption/cardinformation.h"
#include "screens/receiption/desktexts.h"
#include "screens/receiption/receiptiontexts.h"
#include "screens/receiption/roomboard.h"

#include <QDateTime>
#include <QDialog>
#include <QList>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QFrame;
class GuestPanel;
class StatusPanel;
class QLabel;
class QAction;
class QMenu;
class QPushButton;
class QScrollBar;
class QStackedWidget;
class QStatusBar;
class QTimer;
class QHBoxLayout;
class QVBoxLayout;
class QToolButton;

// The front desk: the room board of one building, its status chart, and the
// buttons of the guest operations. The 100 room buttons and the 10 floor
// labels are made once and shown, hidden and re-captioned for every building
// and scroll position.
class TfrmReceiption : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReceiption(QWidget *parent = nullptr);

    QLabel *lblBldNo;
    QComboBox *cmbBuildingName;
    QToolButton *BitBtn2;
    QCheckBox *CheckBox2;
    QPushButton *cmdModiRoomStatus;
    QPushButton *cmdDispChart;
    QPushButton *cmdExit;
    QStackedWidget *boardArea;
    QFrame *Panel1;
    QList<QLabel *> floorLabels;
    QList<QToolButton *> roomButtons;
    QScrollBar *ScrlBar1;
    QPushButton *Button1;
    QPushButton *Button2;
    QChartView *Chart1;
    GuestPanel *Panel4;
    StatusPanel *Panel3;
    QToolButton *cmdWalkIn;
    QToolButton *cmdTeamIn;
    QToolButton *cmdReservation;
    QToolButton *cmdChange;
    QToolButton *cmdPostponed;
    QToolButton *cmdCheckOutByCard;
    QToolButton *cmdCardInfo;
    QToolButton *cmdCardErase;
    QMenu *PopupMenu1;
    QAction *GroupCheckIn;
    QAction *GroupView;
    QMenu *PopupMenu2;
    QAction *Reservation;
    QAction *ReservationCheckIn;
    QStatusBar *StaBar1;
    QList<QLabel *> StaBarPanels;
    QTimer *Timer1;
    QTimer *Timer2;
    QTimer *Timer3;

    // The board of the building selected in cmbBuildingName.
    void cmbBuildingNameCloseUp();
    // Recounts the current building: the counters, the rooms panel, the chart.
    int CountBoardRooms();
    void FillStatusChart();
    void PaintRoomBoard();

    const BoardCounters &counters() const { return m_counters; }
    int boardRows() const { return m_boardRows; }
    // The chart's title as shown, one line per word.
    QStringList chartTitleLines() const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void fitOperationButtons();
    void fitTopRow();
    void FormShow();
    void BitBtn1Click(QToolButton *button);
    void BitBtn2Click();
    void cmdWalkInClick();
    // Opens the guest panel for the operation mode, or closes it when that
    // operation is open already; false when it closed.
    bool openPanelFor(const QString &mode);
    // Room change, extension and check-out with card start from the guest
    // card on the encoder.
    void openForGuestCard(const QString &mode, const QString &caption);
    void cmdChangeClick();
    void cmdPostponedClick();
    void cmdCheckOutByCardClick();
    void cmdCardEraseClick();
    void cmdCardInfoClick(bool typedCardID);
    void typedCardInfo();
    void popupAt(QMenu *menu, QWidget *button);
    void openGroupOperation(const QString &mode, QAction *item);
    void GuestPanelClosed();
    // The guest panel picked a room of another building: the board follows.
    void selectChosenBuilding();
    void cmdDispChartClick();
    void cmdModiRoomStatusClick();
    void Button1Click();
    void Button2Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void showDiagnostics();
    void startRefreshWhenNeeded();
    // The scroll bar for the rows counted, shown only when they are more than
    // the board holds; the position stays where it can.
    void fitScrollBar();
    // After the rooms changed: counters, chart, rooms panel, scroll bar, board.
    void recountAndRepaint();

    ReceiptionTexts m_texts;
    DeskTexts m_deskTexts;
    CardInfoTexts m_cardInfoTexts;
    BoardCounters m_counters;
    int m_boardRows = 0;
    QChart *m_chart;
    QVBoxLayout *m_floorColumn;
    QHBoxLayout *m_top;
    QHBoxLayout *m_frameButtons;
    QVBoxLayout *m_screenLayout;
    bool m_shownOnce = false;
    // When the minute timer last looked at the clock.
    QDateTime m_lastMinuteTick;
};
