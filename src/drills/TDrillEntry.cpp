#include "drills/TDrillEntry.h"

#include "drills/DrillEditRules.h"
#include "drills/DrillNode.h"
#include "drills/DrillWindows.h"
#include "formats/WholeNumber.h"
#include "store/PlainText.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/FieldText.h"
#include "ui/Platform.h"
#include "ui/TypingLimit.h"
#include "ui/WindowModes.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

QPointer<TDrillEntry> entryDialog;

constexpr int HelpTopic = 112;
constexpr int NameLimit = 35;
constexpr int MinutesLimit = 3;
constexpr int EmphasisLimit = 30;
constexpr int FieldHeight = 21;

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, int top)
{
    return AddCommandButton(parent, name, text, {400, top, 75, 25});
}

void trimControls(QLineEdit* field)
{
    FillField(field, QString::fromStdString(TrimControls(field->text().toStdString())));
}

} // namespace

TDrillEntry::TDrillEntry(QWidget* parent) : QDialog(parent)
{
    entryDialog = this;
    setObjectName(QStringLiteral("TDrillEntry"));
    setWindowTitle(QStringLiteral("Category/Drill Entry"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(483, 174));
    move(67, 136);
    createControls();
    showTypeFields();
}

TDrillEntry::~TDrillEntry() = default;

TDrillEntry* TDrillEntry::instance()
{
    if (!entryDialog)
        CreatePendingDrillWindows();
    return entryDialog;
}

void TDrillEntry::createControls()
{
    m_catDrillRg = new QGroupBox(QStringLiteral("Type of Entry"), this);
    m_catDrillRg->setObjectName(QStringLiteral("CatDrillRg"));
    m_catDrillRg->setGeometry(8, 8, 297, 49);
    m_category = new QRadioButton(QStringLiteral("Category"), m_catDrillRg);
    m_category->setObjectName(QStringLiteral("CategoryRb"));
    m_category->move(8, 20);
    m_category->adjustSize();
    m_drill = new QRadioButton(QStringLiteral("Drill"), m_catDrillRg);
    m_drill->setObjectName(QStringLiteral("DrillRb"));
    m_drill->move(152, 20);
    m_drill->adjustSize();
    m_type = new QButtonGroup(this);
    m_type->addButton(m_category);
    m_type->addButton(m_drill);
    m_category->setChecked(true);

    m_drillName = addField("DrillName", QRect(72, 72, 249, FieldHeight), NameLimit);
    m_minutesEb = addField("MinutesEb", QRect(152, 104, 33, FieldHeight), MinutesLimit);
    m_emphasisEb = addField("EmphasisEb", QRect(104, 136, 217, FieldHeight), EmphasisLimit);
    addLabel("NameLbl", QStringLiteral("&Name:"), QPoint(8, 76), m_drillName);
    m_minutesLbl = addLabel("MinutesLbl", QStringLiteral("Intended Number of &Minutes:"),
                            QPoint(8, 106), m_minutesEb);
    m_emphasisLbl =
        addLabel("EmphasisLbl", QStringLiteral("Primary &Emphasis:"), QPoint(8, 140), m_emphasisEb);

    QPushButton* ok = addButton(this, "OkBtn", QStringLiteral("OK"), 16);
    ok->setDefault(true);
    QPushButton* cancel = addButton(this, "CancelBtn", QStringLiteral("Cancel"), 56);
    QPushButton* help = addButton(this, "HelpBtn", QStringLiteral("&Help"), 96);

    setTabOrder(m_drillName, m_minutesEb);
    setTabOrder(m_minutesEb, m_emphasisEb);
    setTabOrder(m_emphasisEb, m_category);
    setTabOrder(m_category, m_drill);
    setTabOrder(m_drill, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, help);

    connect(m_type, &QButtonGroup::buttonClicked, this, &TDrillEntry::CatDrillRgClick);
    connect(ok, &QPushButton::clicked, this, &TDrillEntry::OkBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TDrillEntry::HelpBtnClick);
}

QLabel* TDrillEntry::addLabel(const char* name, const QString& text, QPoint position,
                              QLineEdit* buddy)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->move(position);
    label->adjustSize();
    label->setBuddy(buddy);
    return label;
}

QLineEdit* TDrillEntry::addField(const char* name, const QRect& geometry, int typedLimit)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    new TypingLimit(field, typedLimit);
    return field;
}

int TDrillEntry::run(const DrillNode* nodeToEdit)
{
    m_nodeToEdit = nodeToEdit;
    const int result = Platform::instance().runModal(*this);
    m_nodeToEdit = nullptr;
    return result;
}

void TDrillEntry::setDrillProposal(const QString& name, const QString& minutes,
                                   const QString& emphasis)
{
    m_proposed = true;
    m_proposedName = name;
    m_proposedMinutes = minutes;
    m_proposedEmphasis = emphasis;
    FillField(m_drillName, name);
    FillField(m_minutesEb, minutes);
    FillField(m_emphasisEb, emphasis);
}

void TDrillEntry::clearDrillProposal()
{
    m_proposed = false;
}

bool TDrillEntry::isDrill() const
{
    return m_type->checkedButton()->text() == QLatin1String("Drill");
}

QString TDrillEntry::name() const
{
    return m_drillName->text();
}

QString TDrillEntry::minutes() const
{
    return m_minutesEb->text();
}

QString TDrillEntry::emphasis() const
{
    return m_emphasisEb->text();
}

DrillRecord TDrillEntry::drillRecord() const
{
    return {name().toStdString(), ParseWholeNumber(minutes().toStdString()).value_or(0),
            emphasis().toStdString()};
}

void TDrillEntry::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TDrillEntry::FormShow()
{
    if (m_proposed) {
        m_catDrillRg->show();
        setDrillType(true);
        FillField(m_drillName, m_proposedName);
        FillField(m_minutesEb, m_proposedMinutes);
        FillField(m_emphasisEb, m_proposedEmphasis);
    } else if (m_nodeToEdit) {
        m_catDrillRg->hide();
        setDrillType(m_nodeToEdit->isDrill());
        FillField(m_drillName, QString::fromStdString(m_nodeToEdit->label()));
        if (const DrillRecord* record = m_nodeToEdit->record()) {
            FillField(m_minutesEb, QString::number(record->minutes));
            FillField(m_emphasisEb, QString::fromStdString(record->emphasis));
        }
    } else {
        m_catDrillRg->show();
        m_drillName->setText(QString());
        m_minutesEb->setText(QStringLiteral("0"));
        m_emphasisEb->setText(QString());
    }
    showTypeFields();
    m_drillName->setFocus();
}

void TDrillEntry::setDrillType(bool drill)
{
    (drill ? m_drill : m_category)->setChecked(true);
}

void TDrillEntry::showTypeFields()
{
    const bool drill = isDrill();
    for (QWidget* widget :
         {static_cast<QWidget*>(m_minutesLbl), static_cast<QWidget*>(m_minutesEb),
          static_cast<QWidget*>(m_emphasisLbl), static_cast<QWidget*>(m_emphasisEb)})
        widget->setVisible(drill);
}

void TDrillEntry::CatDrillRgClick()
{
    showTypeFields();
    m_drillName->setFocus();
}

void TDrillEntry::OkBtnClick()
{
    // The names are stored, so they take the form the file gives back.
    trimControls(m_minutesEb);
    TakeStoredText(m_drillName);
    TakeStoredText(m_emphasisEb);
    if (isDrill()) {
        const std::string refusal = MinutesRefusal(minutes().toStdString());
        if (!refusal.empty()) {
            ShowError(QString::fromStdString(refusal));
            return;
        }
    }
    accept();
}

void TDrillEntry::HelpBtnClick()
{
    ShowHelpTopic(HelpTopic);
}

void TDrillEntry::done(int result)
{
    m_nodeToEdit = nullptr;
    QDialog::done(result);
}
