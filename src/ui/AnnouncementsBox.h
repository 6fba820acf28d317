#pragma once

#include <QPlainTextEdit>

#include <string>
#include <vector>

// The announcements: a box that wraps long text at its width. Every line as
// displayed, wrapped pieces included, is one announcement line of the plan.
class AnnouncementsBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AnnouncementsBox(QWidget* parent);

    // The displayed lines; an empty last line is not counted, so an empty box
    // has none.
    std::vector<std::string> lines() const;
    void setLines(const std::vector<std::string>& lines);
};
