#pragma once

#include <QStringList>
#include <QWidget>

// The narrow label left of a team list: one mark per row of the list (the
// place numbers and "S" for the extra place), each on the row it names.
class RowMarks : public QWidget
{
    Q_OBJECT

public:
    RowMarks(QStringList marks, int rowHeight, int top, QWidget* parent);

    QStringList marks() const { return m_marks; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_marks;
    int m_rowHeight;
    int m_top;
};
