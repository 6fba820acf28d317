#pragma once

#include <QColor>
#include <QWidget>

// How much of the current activity has gone: a bar that fills from the left.
class ActivityProgress : public QWidget
{
public:
    explicit ActivityProgress(QWidget* parent = nullptr);

    // `done` of `whole`, in any unit; a whole of 0 shows an empty bar.
    void setProgress(qint64 done, qint64 whole);
    double fraction() const { return m_fraction; }
    void setColor(const QColor& color);

    QSize sizeHint() const override { return {80, 8}; }
    QSize minimumSizeHint() const override { return {16, 4}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_fraction = 0;
    QColor m_color;
};
