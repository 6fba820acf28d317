#include "practicerun/TPracticeRunWindow.h"

#include "practicerun/ActivityProgress.h"
#include "practicerun/FittedText.h"
#include "practicerun/RunEndPage.h"
#include "practicerun/RunTexts.h"
#include "ui/DialogServices.h"
#include "ui/UserSettings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace std::chrono_literals;
using State = PracticeRun::State;

namespace {

const QString GeometryKey = QStringLiteral("PracticeRun/Geometry");
const QString WarningKey = QStringLiteral("PracticeRun/WarnBeforeEnd");
constexpr int FlashMs = 1200;
constexpr QSize DefaultSize{1024, 680};
constexpr int MinimumControlPixels = 14;

const QColor Background(0x15, 0x19, 0x1d);
const QColor Track(0x2b, 0x31, 0x37);
const QColor Bright(0xf4, 0xf4, 0xf4);
const QColor Dim(0x8a, 0x96, 0xa3);
const QColor LastMinute(0xff, 0xb0, 0x20);
const QColor Going(0x3f, 0xb9, 0x50);

const QString CopyNote =
    QStringLiteral("The run has its own copy of the plan: changes to the plan from now on do not "
                   "reach it.");

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QPalette runPalette(QPalette palette)
{
    for (const auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, Background);
    palette.setColor(QPalette::Base, Track);
    palette.setColor(QPalette::AlternateBase, Track);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Bright);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Dim);
    return palette;
}

// %1: the size of the text in pixels.
const char* const ButtonStyle =
    "QToolButton { color: #f4f4f4; background: #2b3137; border: 1px solid #46505a;"
    " border-radius: 4px; padding: 6px 14px; font-size: %1px; }"
    "QToolButton:checked { background: #4b5763; }"
    "QToolButton:disabled { color: #5c6670; }";

} // namespace

TPracticeRunWindow* TPracticeRunWindow::open(const QObject* plan, const QString& caption,
                                             const PlanRows& rows, int startRow, RunPlanLink link)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* running = qobject_cast<TPracticeRunWindow*>(window);
        if (running && running->m_plan == plan && running->isVisible() &&
            running->m_run.state() != State::Over) {
            running->raise();
            running->activateWindow();
            return running;
        }
    }
    std::vector<RunActivity> schedule = BuildRunSchedule(rows, startRow);
    if (schedule.empty()) {
        Platform::instance().showMessage(
            ApplicationTitle(),
            QStringLiteral("There is nothing to run: no activity of %1 has any minutes.")
                .arg(caption),
            Platform::Icon::Information);
        return nullptr;
    }
    auto* window =
        new TPracticeRunWindow(plan, caption, rows, std::move(schedule), std::move(link));
    window->show();
    return window;
}

TPracticeRunWindow::TPracticeRunWindow(const QObject* plan, const QString& caption,
                                       const PlanRows& rows, std::vector<RunActivity> schedule,
                                       RunPlanLink link)
    : QWidget(nullptr, Qt::Window), m_plan(plan), m_caption(caption), m_rowsAtStart(rows),
      m_link(std::move(link)), m_run(std::move(schedule))
{
    setObjectName(QStringLiteral("TPracticeRunWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Practice Run - ") + caption);
    setPalette(runPalette(palette()));
    setAutoFillBackground(true);
    setFont(QFont(QStringLiteral("Arial"), 12));

    m_tick = new QTimer(this);
    m_tick->setSingleShot(true);
    m_tick->setTimerType(Qt::PreciseTimer);
    connect(m_tick, &QTimer::timeout, this, &TPracticeRunWindow::updateNow);
    m_flashEnd = new QTimer(this);
    m_flashEnd->setSingleShot(true);
    m_flashEnd->setInterval(FlashMs);
    connect(m_flashEnd, &QTimer::timeout, this, [this] {
        m_name->setFlashing(false);
        m_timeLeft->setFlashing(false);
    });

    createActions();
    m_endPage = new RunEndPage;
    m_endPage->setPalette(palette());
    connect(m_endPage->putButton(), &QPushButton::clicked, this, &TPracticeRunWindow::CmPutMinutes);
    connect(m_endPage->closeButton(), &QPushButton::clicked, this, &QWidget::close);
    m_pages = new QStackedWidget;
    m_pages->addWidget(createLivePage());
    m_pages->addWidget(m_endPage);
    m_status = new QLabel(CopyNote);
    m_status->setObjectName(QStringLiteral("StatusLine"));
    m_status->setFont(QFont(QStringLiteral("Arial"), 10));
    m_status->setToolTip(CopyNote);
    QPalette statusColors = m_status->palette();
    statusColors.setColor(QPalette::WindowText, Dim);
    m_status->setPalette(statusColors);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(0);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_status);
    m_status->setContentsMargins(12, 0, 12, 0);

    restoreGeometryAndWarning();
    showRun();
}

TPracticeRunWindow::~TPracticeRunWindow()
{
    holdScreen(false);
}

QAction* TPracticeRunWindow::addCommand(const char* name, const QString& label, const QString& tip,
                                        const QList<QKeySequence>& keys,
                                        void (TPracticeRunWindow::*handler)())
{
    auto* action = new QAction(label, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(tip);
    action->setShortcuts(keys);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    addAction(action);
    return action;
}

void TPracticeRunWindow::createActions()
{
    m_previousAction = addCommand("actionPrevious", QStringLiteral("Previous"),
                                  QStringLiteral("The activity before (Left, Page Up)"),
                                  {Qt::Key_Left, Qt::Key_PageUp}, &TPracticeRunWindow::CmPrevious);
    m_startPause = addCommand("actionStartPause", QStringLiteral("Start"),
                              QStringLiteral("Start or pause the practice (Space)"),
                              {Qt::Key_Space}, &TPracticeRunWindow::CmStartPause);
    m_nextAction = addCommand("actionNext", QStringLiteral("Next Activity"),
                              QStringLiteral("The next activity (Right, Page Down)"),
                              {Qt::Key_Right, Qt::Key_PageDown}, &TPracticeRunWindow::CmNext);
    m_oneLess = addCommand("actionOneLess", QStringLiteral("\u22121 Min"),
                           QStringLiteral("One minute less on this activity (Down)"),
                           {Qt::Key_Down}, &TPracticeRunWindow::CmOneLess);
    m_oneMore = addCommand("actionOneMore", QStringLiteral("+1 Min"),
                           QStringLiteral("One minute more on this activity (Up)"), {Qt::Key_Up},
                           &TPracticeRunWindow::CmOneMore);
    m_mute = addCommand("actionMute", QStringLiteral("Mute"),
                        QStringLiteral("No chime and no warning sound (M)"), {Qt::Key_M}, nullptr);
    m_mute->setCheckable(true);
    m_warning = addCommand("actionWarning", QStringLiteral("Warn at 1:00"),
                           QStringLiteral("A short sound one minute before the end of each "
                                          "activity of 3 minutes or more"),
                           {}, &TPracticeRunWindow::CmWarningToggled);
    m_warning->setCheckable(true);
    m_fullScreen = addCommand("actionFullScreen", QStringLiteral("Full Screen"),
                              QStringLiteral("Full screen (F11); Escape leaves it"), {Qt::Key_F11},
                              &TPracticeRunWindow::CmFullScreen);
    m_fullScreen->setCheckable(true);
    addCommand("actionEscape", QString(), QString(), {Qt::Key_Escape},
               &TPracticeRunWindow::CmEscape);
}

QWidget* TPracticeRunWindow::createLivePage()
{
    m_clock = new FittedText("ClockText", Qt::AlignLeft | Qt::AlignVCenter);
    m_standing = new FittedText("StandingText", Qt::AlignRight | Qt::AlignVCenter);
    m_name = new FittedText("ActivityName", Qt::AlignCenter, true);
    m_emphasis = new FittedText("EmphasisText", Qt::AlignCenter);
    m_notes = new FittedText("NotesText", Qt::AlignCenter);
    m_timeLeft = new FittedText("TimeLeft", Qt::AlignCenter, true);
    m_timeLeft->keepCharacterPictures();
    m_progress = new ActivityProgress;
    m_span = new FittedText("SpanText", Qt::AlignCenter);
    m_next = new FittedText("NextText", Qt::AlignCenter);
    for (FittedText* line : {m_clock, m_standing, m_emphasis, m_notes, m_span, m_next})
        line->setColor(Dim);
    for (FittedText* line : {m_clock, m_standing})
        line->setLineShare(0.7);

    auto* top = new QHBoxLayout;
    top->addWidget(m_clock, 1);
    top->addWidget(m_standing, 1);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 12, 24, 8);
    layout->setSpacing(4);
    // Shares of the height, the time left the largest.
    layout->addLayout(top, 2);
    layout->addWidget(m_name, 5);
    layout->addWidget(m_emphasis, 2);
    layout->addWidget(m_notes, 1);
    layout->addWidget(m_timeLeft, 10);
    layout->addWidget(m_progress, 1);
    layout->addWidget(m_span, 2);
    layout->addWidget(m_next, 2);
    layout->addSpacing(8);
    m_buttons = createButtons();
    layout->addWidget(m_buttons);
    return page;
}

QWidget* TPracticeRunWindow::createButtons()
{
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addButton = [layout](QAction* action) {
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setObjectName(action->objectName() + QStringLiteral("Button"));
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(44);
        layout->addWidget(button);
    };
    for (QAction* action : {m_previousAction, m_startPause, m_nextAction})
        addButton(action);
    layout->addSpacing(16);
    for (QAction* action : {m_oneLess, m_oneMore})
        addButton(action);
    layout->addStretch(1);
    for (QAction* action : {m_mute, m_warning, m_fullScreen})
        addButton(action);
    return bar;
}

void TPracticeRunWindow::restoreGeometryAndWarning()
{
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    m_warning->setChecked(settings->value(WarningKey, true).toBool());
    if (restoreGeometry(settings->value(GeometryKey).toByteArray()))
        return;
    const QSize screen = Platform::instance().screenSize();
    const QSize size = DefaultSize.boundedTo(screen * 0.9);
    resize(size);
    move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
}

void TPracticeRunWindow::updateNow()
{
    react(m_run.update());
}

bool TPracticeRunWindow::isTicking() const
{
    return m_tick->isActive();
}

void TPracticeRunWindow::CmStartPause()
{
    react(m_run.startOrPause());
}

void TPracticeRunWindow::CmNext()
{
    react(m_run.next());
}

void TPracticeRunWindow::CmPrevious()
{
    react(m_run.previous());
}

void TPracticeRunWindow::CmOneMore()
{
    react(m_run.addMinutes(1));
}

void TPracticeRunWindow::CmOneLess()
{
    react(m_run.addMinutes(-1));
}

void TPracticeRunWindow::CmFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void TPracticeRunWindow::CmEscape()
{
    if (isFullScreen())
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    else
        close();
}

void TPracticeRunWindow::CmWarningToggled()
{
    OpenUserSettings()->setValue(WarningKey, m_warning->isChecked());
}

void TPracticeRunWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_fullScreen->setChecked(isFullScreen());
}

// The controls and the table grow with the window, for a tablet or a
// projector across the gym.
void TPracticeRunWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_buttons->setStyleSheet(
        QString::fromLatin1(ButtonStyle).arg(std::max(MinimumControlPixels, height() / 48)));
    m_endPage->setTextPixels(std::max(MinimumControlPixels, height() / 40));
}

void TPracticeRunWindow::react(PracticeRun::Event event)
{
    switch (event) {
    case PracticeRun::Event::None:
        break;
    case PracticeRun::Event::Warning:
        if (m_warning->isChecked())
            sound(Platform::Sound::Warning);
        flash(m_timeLeft);
        break;
    case PracticeRun::Event::Change:
        sound(Platform::Sound::Chime);
        flash(m_name);
        break;
    case PracticeRun::Event::Over:
        sound(Platform::Sound::Chime);
        break;
    }
    showRun();
}

void TPracticeRunWindow::showRun()
{
    const State state = m_run.state();
    holdScreen(state == State::Running);
    updateCommands();
    if (state != State::Running) {
        m_flashEnd->stop();
        m_name->setFlashing(false);
        m_timeLeft->setFlashing(false);
    }
    if (state == State::Over) {
        m_tick->stop();
        if (m_pages->currentWidget() != m_endPage) {
            m_endPage->showRun(m_run);
            m_pages->setCurrentWidget(m_endPage);
        }
        return;
    }
    showActivity();
    // Nothing wakes the program while the run stands still.
    if (const std::optional<PracticeRun::Duration> wait = m_run.untilNextSecond())
        m_tick->start(int(wait->count()) + 1);
    else
        m_tick->stop();
}

void TPracticeRunWindow::showActivity()
{
    const State state = m_run.state();
    const RunActivity& activity = m_run.schedule()[m_run.current()];
    m_name->setText(text(ActivityName(activity)));
    m_emphasis->setText(text(activity.emphasis));
    m_notes->setText(text(NotesText(activity)));
    m_span->setText(text(activity.timeSpan));
    m_next->setText(text(NextText(m_run)));
    m_standing->setText(text(StandingText(m_run)));

    const PracticeRun::Duration left = m_run.left();
    m_timeLeft->setText(text(CountdownText(left)));
    const bool lastMinute = state != State::Ready && left <= 1min;
    const QColor color = state != State::Running ? Dim : lastMinute ? LastMinute : Bright;
    m_timeLeft->setColor(color);
    m_progress->setProgress((m_run.length() - left).count(), m_run.length().count());
    m_progress->setColor(state != State::Running ? Dim : lastMinute ? LastMinute : Going);

    const QString now =
        text(ClockText(std::chrono::floor<PracticeRun::Duration>(Clock::instance().wallNow())));
    m_clock->setText(state == State::Ready    ? QStringLiteral("Ready: Space starts the practice")
                     : state == State::Paused ? QStringLiteral("Paused at ") + now
                                              : QStringLiteral("Now ") + now);
    m_clock->setColor(state == State::Running ? Dim : LastMinute);
}

void TPracticeRunWindow::updateCommands()
{
    const State state = m_run.state();
    const bool over = state == State::Over;
    m_startPause->setText(state == State::Ready     ? QStringLiteral("Start")
                          : state == State::Running ? QStringLiteral("Pause")
                                                    : QStringLiteral("Resume"));
    m_startPause->setEnabled(!over);
    m_previousAction->setEnabled(!over && m_run.current() > 0);
    m_nextAction->setText(m_run.isLast() ? QStringLiteral("End Practice")
                                         : QStringLiteral("Next Activity"));
    m_nextAction->setEnabled(!over && !(m_run.isLast() && state == State::Ready));
    m_oneMore->setEnabled(!over);
    m_oneLess->setEnabled(!over && m_run.left() > 0ms);
}

void TPracticeRunWindow::sound(Platform::Sound sound)
{
    if (m_mute->isChecked() || Platform::instance().playSound(sound) || m_saidNoSound)
        return;
    m_saidNoSound = true;
    m_status->setText(m_status->text() +
                      QStringLiteral("  There is no sound output: changes show on the screen "
                                     "only."));
}

void TPracticeRunWindow::flash(FittedText* line)
{
    line->setFlashing(true);
    m_flashEnd->start();
}

void TPracticeRunWindow::holdScreen(bool on)
{
    if (on == m_holdingScreen)
        return;
    m_holdingScreen = on;
    Platform::instance().inhibitScreenSaver(on);
}

void TPracticeRunWindow::closeEvent(QCloseEvent* event)
{
    if (m_run.isUnderWay() &&
        !AskConfirm(QStringLiteral("Stop the practice run?  Its times are not kept."))) {
        event->ignore();
        return;
    }
    m_tick->stop();
    holdScreen(false);
    OpenUserSettings()->setValue(GeometryKey, saveGeometry());
    event->accept();
}

namespace {

bool sameRows(const PlanRows& now, const PlanRows& before)
{
    return std::equal(now.begin(), now.end(), before.begin(), [](const auto& a, const auto& b) {
        return a.minutes == b.minutes && a.activity == b.activity && a.emphasis == b.emphasis;
    });
}

} // namespace

void TPracticeRunWindow::CmPutMinutes()
{
    const std::optional<PlanRows> rows = m_link.rows ? m_link.rows() : std::nullopt;
    if (!rows) {
        Platform::instance().showMessage(
            ApplicationTitle(),
            QStringLiteral("The plan %1 has been closed, so the actual minutes cannot be put "
                           "in it.")
                .arg(m_caption),
            Platform::Icon::Information);
        return;
    }
    if (!sameRows(*rows, m_rowsAtStart) &&
        !AskConfirm(QStringLiteral("%1 has changed since the practice started.  Put the actual "
                                   "minutes in its rows all the same?")
                        .arg(m_caption)))
        return;
    m_link.putMinutes(ActualMinutes(m_run));
    m_endPage->putButton()->setEnabled(false);
    m_endPage->setNote(QStringLiteral("The actual minutes are in the plan: save it to keep them."));
}
