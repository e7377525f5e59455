#pragma once

#include "screens/rooms/roomstexts.h"
#include "store/rooms.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;

// Buildings and rooms: where the hotel defines its buildings, rooms and lock
// numbers. Opened with isSearchLockNo set it is the room picker ("Search Lock
// No."): the command panel is hidden, the rooms come from the room registry,
// and the room last selected is left in curRoom for the caller.
class TfrmRoomsDefination : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRoomsDefination(QWidget *parent = nullptr);

    QLabel *Label1;
    QTableWidget *GridBlds;
    QLabel *Label2;
    QTableWidget *GridRooms;
    QGroupBox *GroupBox1;
    QPushButton *cmdAddBld;
    QPushButton *cmdDelBld;
    QPushButton *cmdModiBld;
    QPushButton *cmdAddRoom;
    QPushButton *cmdDelRoom;
    QPushButton *cmdModiRoom;
    QPushButton *SpeedButton1;
    QPushButton *cmdExit;
    QStatusBar *StaBar1;
    QLabel *StaBarPanel0;
    QLabel *StaBarPanel1;

    void RefreshGridBlds();
    void RefreshGridRooms();
    void GetCurRoomInfoFromGridRooms();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void GridBldsClick();
    void GridBldsKeyDown(int key);
    void GridRoomsClick();
    void GridRoomsDblClick();
    void GridRoomsKeyDown(int key);
    void cmdAddBldClick();
    void cmdDelBldClick();
    void cmdModiBldClick();
    void cmdAddRoomClick();
    void cmdDelRoomClick();
    void cmdModiRoomClick();
    void SpeedButton1Click();
    void showDiagnostics();

    bool hasBuilding() const;
    // A building is selected; otherwise the command with this caption says
    // there is none (or, when the buildings could not be read, reads them again).
    bool buildingSelected(const QString &caption);
    void selectRoomRow(int row);
    // A listed room is selected; only then is there a current key.
    bool hasRoomRow() const;
    // The stored key of the selected room.
    const RoomKey &currentKey() const;

    RoomsDefinationTexts m_texts;
    // The rooms as listed, one per grid row: the selected room is taken from
    // here, never parsed back out of the cells.
    QList<RoomRow> m_rooms;
    bool m_buildingsRead = true;
    bool m_picker = false;
};
