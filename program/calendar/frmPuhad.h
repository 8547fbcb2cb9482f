// The holidays window: the notable days of the month the calendar window
// shows, up to eight rows of day and name, red rows for days off and a small
// flag before the flag days. Filled once when it opens; the user reads it and
// closes it.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

class frmPuhad : public QDialog {
    Q_OBJECT
public:
    // Reads CalendarMonth and CalendarYear; calendarWindow is its owner and
    // the window it is placed over.
    explicit frmPuhad(QWidget *calendarWindow);

private:
    void buildLayout();
    void placeOver(const QWidget *calendarWindow);
    void fillRows();

    std::array<QLabel *, 8> m_dayLabels{};
    std::array<QLabel *, 8> m_nameLabels{};
    std::array<QLabel *, 7> m_flagCells{};
    QLabel *m_imgLipp = nullptr;
    QPushButton *m_cmdOlgu = nullptr;
};
