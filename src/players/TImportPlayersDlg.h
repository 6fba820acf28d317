#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace PlayersImport {
struct Preview;
}

// What an import will do, shown before anything changes: the names it adds,
// those the list holds already, and what it skips. OK adds the new names.
class TImportPlayersDlg : public QDialog
{
    Q_OBJECT

public:
    TImportPlayersDlg(const QString& path, const PlayersImport::Preview& preview,
                      QWidget* parent = nullptr);

    QListWidget* addedList() const { return m_added; }
    QListWidget* presentList() const { return m_present; }
    QLabel* notes() const { return m_notes; }
    QPushButton* okButton() const { return m_ok; }

private:
    QListWidget* m_added = nullptr;
    QListWidget* m_present = nullptr;
    QLabel* m_notes = nullptr;
    QPushButton* m_ok = nullptr;
};
