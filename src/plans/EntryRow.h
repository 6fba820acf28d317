#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QWheelEvent;
struct PlanEntry;

// The in-place entry row ("EntryPanel") that floats over the schedule row
// being edited. Its fields sit on the schedule's columns; DummyEdit lies
// outside the row, so Tab from Emphasis lands on it unseen.
class EntryRow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Height = 21;
    static constexpr int ActivityLimit = 35;
    static constexpr int EmphasisLimit = 30;

    explicit EntryRow(QWidget* parent);

    QLineEdit* time() const { return m_time; }
    QLineEdit* minutes() const { return m_minutes; }
    QComboBox* activity() const { return m_activity; }
    QLineEdit* emphasis() const { return m_emphasis; }
    QLineEdit* dummy() const { return m_dummy; }

    QString activityText() const;
    void setActivityText(const QString& text);

    // Fills the fields from `entry`; minutes of 0 show blank unless `showZero`.
    void load(const PlanEntry& entry, bool showZero);
    void blank();

signals:
    // The wheel turned over the row; it scrolls the schedule beneath.
    void wheelTurned(QWheelEvent* event);
    // The coach changed the activity text (typing, pasting), limit applied.
    void activityEdited(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QLineEdit* addEdit(const char* name, int left, int width);

    QLineEdit* m_time = nullptr;
    QLineEdit* m_minutes = nullptr;
    QComboBox* m_activity = nullptr;
    QLineEdit* m_emphasis = nullptr;
    QLineEdit* m_dummy = nullptr;
};
