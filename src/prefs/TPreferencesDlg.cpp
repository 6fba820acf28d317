#include "prefs/TPreferencesDlg.h"

#include "settings/GeneralSettings.h"
#include "store/ProfileStore.h"
#include "ui/CommandButton.h"
#include "ui/DialogServices.h"
#include "ui/FieldText.h"
#include "ui/Platform.h"
#include "ui/SaveFailure.h"
#include "ui/TypingLimit.h"
#include "ui/WindowModes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QStyleFactory>

namespace {

constexpr int HelpTopic = 117;

QString prefsPath()
{
    return QString::fromStdString(ProfileFilePath(GeneralSettings::File, true));
}

QColor toQColor(int stored)
{
    const GeneralSettings::Rgb rgb = GeneralSettings::colorFromStored(stored);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

int toStored(const QColor& color)
{
    return GeneralSettings::storedFromColor({color.red(), color.green(), color.blue()});
}

} // namespace

TPreferencesDlg::TPreferencesDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPreferencesDlg"));
    setWindowTitle(QStringLiteral("Preferences"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetDialogFrame(*this, QSize(329, 223));
    createControls();
}

TPreferencesDlg::~TPreferencesDlg() = default;

QGroupBox* TPreferencesDlg::addGroup(const char* name, const QString& title, const QRect& place)
{
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name));
    // The caption on the etched frame, the controls below it, as placed.
    if (!m_groupStyle) {
        m_groupStyle = QStyleFactory::create(QStringLiteral("Windows"));
        if (m_groupStyle)
            m_groupStyle->setParent(this);
    }
    if (m_groupStyle)
        group->setStyle(m_groupStyle);
    group->setGeometry(place);
    return group;
}

QCheckBox* TPreferencesDlg::addCheckBox(QGroupBox* group, const char* name, const QString& text,
                                        const QRect& place)
{
    auto* box = new QCheckBox(text, group);
    box->setObjectName(QString::fromLatin1(name));
    // Never narrower than its text, which this platform draws wider.
    box->setGeometry(QRect(place.topLeft(), place.size().expandedTo(box->sizeHint())));
    return box;
}

QPushButton* TPreferencesDlg::addButton(QWidget* parent, const char* name, const QString& text,
                                        const QRect& place, void (TPreferencesDlg::*handler)())
{
    return AddCommandButton(this, parent, name, text, place, handler);
}

void TPreferencesDlg::createControls()
{
    QGroupBox* startup = addGroup("StartupGrp", QStringLiteral("Startup"), {8, 8, 213, 41});
    m_autoNewPlan = addCheckBox(startup, "AutoNewPlan",
                                QStringLiteral("Display &New Plan on Startup"), {8, 16, 189, 17});
    QGroupBox* plan =
        addGroup("PracticePlanGrp", QStringLiteral("Practice Plan"), {8, 60, 213, 61});
    m_displayDefEmphasis =
        addCheckBox(plan, "DisplayDefEmphasis", QStringLiteral("Display &Defensive Emphasis"),
                    {8, 16, 157, 17});
    m_displayOffEmphasis =
        addCheckBox(plan, "DisplayOffEmphasis", QStringLiteral("Display &Offensive Emphasis"),
                    {8, 36, 153, 17});

    QGroupBox* team = addGroup("TeamGrp", QStringLiteral("Team"), {8, 132, 301, 77});
    m_teamName = new QLineEdit(team);
    m_teamName->setObjectName(QStringLiteral("TeamName"));
    m_teamName->setGeometry(72, 16, 221, 22);
    // What is shown is what the file gives back.
    new TypingLimit(m_teamName, Preferences::MaxTeamNameLength);
    auto* label = new QLabel(QStringLiteral("&Team Name"), team);
    label->setObjectName(QStringLiteral("TeamNameLbl"));
    label->move(8, 20);
    label->adjustSize();
    label->setBuddy(m_teamName);
    QPushButton* color = addButton(team, "BGColorBtn", QStringLiteral("&BG Color"),
                                   {131, 42, 75, 25}, &TPreferencesDlg::CmBGColorClicked);
    QPushButton* font = addButton(team, "FontBtn", QStringLiteral("&Font"), {218, 42, 75, 25},
                                  &TPreferencesDlg::CmFontClicked);

    QPushButton* ok =
        addButton(this, "OkBtn", QStringLiteral("OK"), {234, 8, 75, 25}, &TPreferencesDlg::CmOk);
    ok->setDefault(true);
    QPushButton* cancel = addButton(this, "CancelBtn", QStringLiteral("Cancel"), {234, 40, 75, 25},
                                    &TPreferencesDlg::reject);
    QPushButton* help = addButton(this, "HelpBtn", QStringLiteral("Help"), {234, 72, 75, 25},
                                  &TPreferencesDlg::CmHelp);

    const QList<QWidget*> tabOrder{m_autoNewPlan,
                                   m_displayDefEmphasis,
                                   m_displayOffEmphasis,
                                   m_teamName,
                                   color,
                                   font,
                                   ok,
                                   cancel,
                                   help};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

int TPreferencesDlg::run()
{
    const QSize screen = Platform::instance().screenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    return Platform::instance().runModal(*this);
}

void TPreferencesDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        OnShow();
}

void TPreferencesDlg::OnShow()
{
    m_readState.remember(prefsPath());
    const PreferenceValues stored = Preferences::Read();
    m_autoNewPlan->setChecked(stored.autoNewPlan);
    m_displayDefEmphasis->setChecked(stored.showDefEmphasis);
    m_displayOffEmphasis->setChecked(stored.showOffEmphasis);
    m_teamColorFG = stored.teamColorFG;
    m_teamColorBG = stored.teamColorBG;
    m_teamFontName = QString::fromStdString(stored.teamFontName);
    m_teamFontStyle = stored.teamFontStyle;
    FillField(m_teamName, QString::fromStdString(stored.teamName));
    ShowPreview();
}

void TPreferencesDlg::ShowPreview()
{
    QPalette palette = m_teamName->palette();
    palette.setColor(QPalette::Base, toQColor(m_teamColorBG));
    palette.setColor(QPalette::Text, toQColor(m_teamColorFG));
    m_teamName->setPalette(palette);

    QFont font = m_teamName->font();
    if (!m_teamFontName.isEmpty())
        font.setFamily(m_teamFontName);
    font.setBold(m_teamFontStyle & GeneralSettings::StyleBold);
    font.setItalic(m_teamFontStyle & GeneralSettings::StyleItalic);
    m_teamName->setFont(font);
}

PreferenceValues TPreferencesDlg::values() const
{
    PreferenceValues values;
    values.autoNewPlan = m_autoNewPlan->isChecked();
    values.showDefEmphasis = m_displayDefEmphasis->isChecked();
    values.showOffEmphasis = m_displayOffEmphasis->isChecked();
    values.teamName = m_teamName->text().toStdString();
    values.teamColorFG = m_teamColorFG;
    values.teamColorBG = m_teamColorBG;
    values.teamFontName = m_teamFontName.toStdString();
    values.teamFontStyle = m_teamFontStyle;
    return values;
}

void TPreferencesDlg::CmOk()
{
    if (!m_readState.mayReplace(prefsPath()))
        return;
    if (!Preferences::Write(values())) {
        ShowNotWritten(prefsPath(), QStringLiteral("The preferences were not saved."));
        return;
    }
    accept();
}

void TPreferencesDlg::CmFontClicked()
{
    Platform::FontChoice preset;
    preset.font = QFont(m_teamFontName);
    preset.font.setBold(m_teamFontStyle & GeneralSettings::StyleBold);
    preset.font.setItalic(m_teamFontStyle & GeneralSettings::StyleItalic);
    preset.color = toQColor(m_teamColorFG);

    // OK or Cancel, the dialog's font is taken; its size and other effects are not.
    const Platform::FontChoice shown = Platform::instance().chooseFont(preset, this);
    m_teamFontName = shown.font.family();
    m_teamColorFG = toStored(shown.color);
    m_teamFontStyle = Preferences::FontStyle(shown.font.bold(), shown.font.italic());
    ShowPreview();
}

void TPreferencesDlg::CmBGColorClicked()
{
    if (const std::optional<QColor> chosen =
            Platform::instance().chooseColor(toQColor(m_teamColorBG), this))
        m_teamColorBG = toStored(*chosen);
    ShowPreview();
}

void TPreferencesDlg::CmHelp()
{
    ShowHelpTopic(HelpTopic);
}
