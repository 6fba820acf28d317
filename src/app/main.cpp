#include "app/AppIcon.h"
#include "app/CommandLine.h"
#include "app/CorvantaApplication.h"
#include "app/DataFolderChoice.h"
#include "app/DocumentOpener.h"
#include "app/RecoveryAtStart.h"
#include "app/SingleInstance.h"
#include "app/StartupProbe.h"
#include "app/TMainForm.h"
#include "app/TestProbe.h"
#include "recovery/DocumentVersionSetting.h"
#include "recovery/RecoverySession.h"
#include "store/PreviousVersions.h"
#include "store/ProfileStore.h"
#include "ui/DialogServices.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <exception>

namespace {

// Full paths, so that the program they may be handed to finds them.
QStringList fullPaths(QStringList paths)
{
    for (QString& path : paths)
        path = QFileInfo(path).absoluteFilePath();
    return paths;
}

} // namespace

int main(int argc, char** argv)
{
    CorvantaApplication::setIdentity();
    if (AsksForHelpOrVersion(argc, argv)) {
        const QCoreApplication withoutDisplay(argc, argv);
        DocumentsOnCommandLine(QCoreApplication::arguments()); // prints and ends the program
    }
    CorvantaApplication app(argc, argv); // takes Qt's own options off the command line
    const QStringList documents =
        fullPaths(DocumentsOnCommandLine(CorvantaApplication::arguments()));
    try {
        const QString dataDirError =
            InitDataFolder(CorvantaApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        const QString dataFolder = QString::fromStdString(DataDir());
        SingleInstance instance(dataFolder);
        switch (instance.start(documents)) {
        case SingleInstance::Start::HandedOver:
            return 0;
        case SingleInstance::Start::NoAnswer:
            ShowError(QStringLiteral("Corvanta is already running with the data folder ") +
                      dataFolder + QStringLiteral(", but it does not answer."));
            return 1;
        case SingleInstance::Start::First:
            break;
        }
        if (!dataDirError.isEmpty())
            ShowError(dataDirError);
        PreviousVersions::setDailyBackups(true);
        DocumentVersionSetting::apply();
        RecoverySession recovery(RecoverySession::folderFor(dataFolder));

        TMainForm mainForm;
        CorvantaApplication::setWindowIcon(LoadApplicationIcon());
        ShowRecoveryState(mainForm);
        QObject::connect(
            &instance, &SingleInstance::documentsArrived, &mainForm,
            [&mainForm](const QStringList& paths) { OpenHandedOver(mainForm, paths); });
        // The frame is measured with what its first showing adds, the new plan.
        if (qEnvironmentVariableIsSet(StartupProbe::EnvironmentSwitch))
            QObject::connect(&mainForm, &TMainForm::firstShowDone, &mainForm,
                             [&mainForm] { StartupProbe::watch(mainForm); });
        if (qEnvironmentVariableIsSet(TestProbe::EnvironmentSwitch))
            TestProbe::attach(mainForm, instance);

        ShowWithDocuments(mainForm, documents);
        return CorvantaApplication::exec();
    } catch (const std::exception& error) {
        CorvantaApplication::showException(QString::fromUtf8(error.what()));
        return 1;
    }
}
