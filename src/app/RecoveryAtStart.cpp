#include "app/RecoveryAtStart.h"

#include "app/TMainForm.h"
#include "evaluations/TGameEvalDlg.h"
#include "evaluations/TScoutReportDlg.h"
#include "plans/TPlanDetailDlg.h"
#include "recovery/RecoveryCopy.h"
#include "recovery/RecoverySession.h"
#include "ui/DialogServices.h"
#include "ui/Platform.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <set>
#include <vector>

namespace {

enum Answer
{
    Recover,
    Discard
};

QString listed(const RecoveryCopy& copy)
{
    return copy.originalPath.empty() ? QStringLiteral("New Plan")
                                     : QString::fromStdString(copy.originalPath);
}

QString question(const std::vector<RecoveryCopy>& copies)
{
    const int count = static_cast<int>(copies.size());
    QString text = QStringLiteral("Corvanta was not closed properly. Recover %1 unsaved %2?\n")
                       .arg(count)
                       .arg(count == 1 ? QStringLiteral("document") : QStringLiteral("documents"));
    for (const RecoveryCopy& copy : copies)
        text += u'\n' + listed(copy);
    return text;
}

QString keptAsideMessage(const QStringList& files)
{
    return (files.size() == 1
                ? QStringLiteral("A recovery copy could not be read. It is kept as:\n")
                : QStringLiteral("Recovery copies could not be read. They are kept "
                                 "as:\n")) +
           files.join(u'\n');
}

// A window of each text kind shows one document: copies beyond the first of
// a kind stay for the next start.
bool open(TMainForm& form, const RecoveryCopy& copy, std::set<std::string>& textKindsShown)
{
    const QString path = QString::fromStdString(copy.originalPath);
    if (copy.kind == "pln") {
        form.OpenPlan(path);
        QMdiSubWindow* window = form.mdiArea()->activeSubWindow();
        if (auto* plan = window ? qobject_cast<TPlanDetailDlg*>(window->widget()) : nullptr)
            plan->recover(copy);
        return true;
    }
    if (!textKindsShown.insert(copy.kind).second)
        return false;
    TextDocumentDlg* window = nullptr;
    if (copy.kind == "gev") {
        form.OpenEvaluation(path);
        window = form.findChild<TGameEvalDlg*>();
    } else {
        form.OpenScoutingReport(path);
        window = form.findChild<TScoutReportDlg*>();
    }
    if (window)
        window->recover(copy);
    return true;
}

} // namespace

bool RecoveryToOffer()
{
    const RecoverySession* session = RecoverySession::current();
    return session && !session->leftBehind().empty();
}

bool OfferRecovery(TMainForm& form)
{
    if (!RecoveryToOffer())
        return false;
    RecoverySession* session = RecoverySession::current();
    std::vector<RecoveryCopy> copies;
    QStringList keptAside;
    for (const std::string& file : session->leftBehind()) {
        if (std::optional<RecoveryCopy> copy = RecoveryCopy::read(file))
            copies.push_back(std::move(*copy));
        else
            keptAside << QString::fromStdString(session->folder().keepAside(file));
    }
    bool opened = false;
    if (!copies.empty()) {
        const int answer = Platform::instance().askChoice(
            ApplicationTitle(), question(copies),
            {QStringLiteral("&Recover"), QStringLiteral("&Discard")}, Recover);
        std::set<std::string> textKindsShown;
        for (const RecoveryCopy& copy : copies) {
            if (answer == Recover)
                opened = open(form, copy, textKindsShown) || opened;
            else if (answer == Discard)
                session->remove(copy.file);
        }
    }
    if (!keptAside.isEmpty())
        Platform::instance().showMessage(ApplicationTitle(), keptAsideMessage(keptAside),
                                         Platform::Icon::Warning);
    return opened;
}

void ShowRecoveryState(TMainForm& form)
{
    RecoverySession* session = RecoverySession::current();
    if (!session)
        return;
    const auto say = [&form](const QString& text) { form.statusBar()->showMessage(text); };
    if (!session->isOn())
        say(session->offText());
    QObject::connect(session, &RecoverySession::turnedOff, &form, say);
}
