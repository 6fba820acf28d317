#pragma once

#include "recovery/ChangedElsewhere.h"
#include "settings/PreferenceValues.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QStyle;

// The preferences: start-up, the plan's emphasis fields and the team banner's
// name, colours and font. Loads prefs.db each time it is shown and writes it
// only on OK; the team name field previews the banner.
class TPreferencesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPreferencesDlg(QWidget* parent = nullptr);
    ~TPreferencesDlg() override;

    // Runs modally, centred on the screen; returns the result code.
    int run();

    // The working values as the dialog holds them now.
    PreferenceValues values() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    QGroupBox* addGroup(const char* name, const QString& title, const QRect& place);
    QCheckBox* addCheckBox(QGroupBox* group, const char* name, const QString& text,
                           const QRect& place);
    QPushButton* addButton(QWidget* parent, const char* name, const QString& text,
                           const QRect& place, void (TPreferencesDlg::*handler)());

    void OnShow();
    void ShowPreview();
    void CmOk();
    void CmFontClicked();
    void CmBGColorClicked();
    void CmHelp();

    QCheckBox* m_autoNewPlan = nullptr;
    QCheckBox* m_displayDefEmphasis = nullptr;
    QCheckBox* m_displayOffEmphasis = nullptr;
    QLineEdit* m_teamName = nullptr;
    QStyle* m_groupStyle = nullptr;

    int m_teamColorFG = 0;
    int m_teamColorBG = 0;
    QString m_teamFontName;
    int m_teamFontStyle = 0;
    ChangedElsewhere m_readState;
};
