#pragma once

#include <QDialog>

class DrillNode;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
struct DrillRecord;

// The modal dialog through which a category or a drill is entered or changed.
// It opens in proposal mode while a plan's drill proposal is set, in edit mode
// for a node to edit, and in add mode otherwise; it only collects and checks
// the fields, which the caller reads after OK.
class TDrillEntry : public QDialog
{
    Q_OBJECT

public:
    explicit TDrillEntry(QWidget* parent = nullptr);
    ~TDrillEntry() override;

    // The one entry dialog of the program, or null before it exists.
    static TDrillEntry* instance();

    // Runs the dialog modally for `nodeToEdit` (add or proposal mode when
    // null) and returns its result; the node is forgotten afterwards.
    int run(const DrillNode* nodeToEdit = nullptr);

    // A drill a plan offers to add: kept with its flag until a caller clears
    // the flag, and put into the fields at once.
    void setDrillProposal(const QString& name, const QString& minutes, const QString& emphasis);
    void clearDrillProposal();
    bool hasDrillProposal() const { return m_proposed; }

    // The fields as OK left them, trimmed.
    bool isDrill() const;
    QString name() const;
    QString minutes() const;
    QString emphasis() const;
    // Name, minutes as a number and emphasis; valid after OK with type Drill.
    DrillRecord drillRecord() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    QLabel* addLabel(const char* name, const QString& text, QPoint position, QLineEdit* buddy);
    QLineEdit* addField(const char* name, const QRect& geometry, int typedLimit);

    void FormShow();
    void CatDrillRgClick();
    void OkBtnClick();
    void HelpBtnClick();
    void setDrillType(bool drill);
    void showTypeFields();

    QGroupBox* m_catDrillRg = nullptr;
    QButtonGroup* m_type = nullptr;
    QRadioButton* m_category = nullptr;
    QRadioButton* m_drill = nullptr;
    QLineEdit* m_drillName = nullptr;
    QLabel* m_minutesLbl = nullptr;
    QLineEdit* m_minutesEb = nullptr;
    QLabel* m_emphasisLbl = nullptr;
    QLineEdit* m_emphasisEb = nullptr;

    const DrillNode* m_nodeToEdit = nullptr;
    bool m_proposed = false;
    QString m_proposedName;
    QString m_proposedMinutes;
    QString m_proposedEmphasis;
};
