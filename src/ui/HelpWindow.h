#pragma once

#include <QWidget>

class QTextBrowser;

// Corvanta's help viewer: one window, opened at a topic by its context number.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    static void showTopic(int context);
    // The open help window, if any (for tests).
    static HelpWindow* current();

    int topic() const { return m_topic; }
    QString topicTitle() const;

private:
    HelpWindow();
    void openTopic(int context);
    void belongTo(QWidget* modal);

    QTextBrowser* m_browser;
    int m_topic = 0;
};
