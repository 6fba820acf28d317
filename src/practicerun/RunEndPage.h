#pragma once

#include <QWidget>

class FittedText;
class PracticeRun;
class QLabel;
class QPushButton;
class QTableWidget;

// What the practice run shows once it is over: the real start and end, a
// table of every activity's planned minutes against the time counted, with
// skips and pauses, and the command that puts the counted minutes in the plan.
class RunEndPage : public QWidget
{
public:
    explicit RunEndPage(QWidget* parent = nullptr);

    void showRun(const PracticeRun& run);
    QPushButton* putButton() const { return m_put; }
    QPushButton* closeButton() const { return m_close; }
    QTableWidget* table() const { return m_table; }
    void setNote(const QString& text);
    // The size of the summary, the table and the buttons.
    void setTextPixels(int pixels);

private:
    FittedText* m_title;
    QLabel* m_summary;
    QTableWidget* m_table;
    QLabel* m_note;
    QPushButton* m_put;
    QPushButton* m_close;
    int m_pixels = 16;
};
