#pragma once

#include "plans/TPlanDetailDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QString>
#include <memory>

// Drives one plan window the way the coach does: clicks, typing and Tab, on a
// shown and active window so that every focus move reaches the window.
class PlanWindowDriver
{
public:
    explicit PlanWindowDriver(const QString& path = QString());
    ~PlanWindowDriver();

    TPlanDetailDlg* window() const { return m_window.get(); }

    template <typename T = QWidget> T* control(const char* name) const
    {
        return m_window->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }
    QComboBox* activity() const { return control<QComboBox>("Activity"); }
    QListWidget* list() const { return control<QListWidget>("ActivityList"); }
    QWidget* entryPanel() const { return control("EntryPanel"); }

    // A mouse click into a control, as the coach moves the focus there.
    void click(QWidget* widget);
    void clickRow(int row);
    // Replaces a field's text by typing, leaving the focus in it; "\n" is Return.
    void retype(QWidget* field, const QString& text);
    void tab();
    void pressEnter();
    // Types a row's minutes, activity and emphasis into the open entry row,
    // ending with Tab out of Emphasis, which opens the next row.
    void typeRow(const QString& minutes, const QString& activity, const QString& emphasis);
    bool close();

private:
    std::unique_ptr<TPlanDetailDlg> m_window;
};

// The library the plan tests use: a category "Defense" holding "Shell Drill"
// (10 minutes, "Help side") and "Pass Deny" (0 minutes, no emphasis), then the
// drill "Passing Lines" (15 minutes, "Crisp passes") at the top level.
void WriteTestDrillLibrary();
