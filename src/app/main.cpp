#include "app/AppIcon.h"
#include "app/CommandLine.h"
#include "app/CorvantaApplication.h"
#include "app/DataFolderChoice.h"
#include "app/DocumentOpener.h"
#include "app/StartupProbe.h"
#include "app/TMainForm.h"
#include "ui/DialogServices.h"

#include <QStandardPaths>
#include <exception>

int main(int argc, char** argv)
{
    CorvantaApplication::setIdentity();
    if (AsksForHelpOrVersion(argc, argv)) {
        const QCoreApplication withoutDisplay(argc, argv);
        DocumentsOnCommandLine(QCoreApplication::arguments()); // prints and ends the program
    }
    CorvantaApplication app(argc, argv); // takes Qt's own options off the command line
    const QStringList documents = DocumentsOnCommandLine(CorvantaApplication::arguments());
    try {
        const QString dataDirError =
            InitDataFolder(CorvantaApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        if (!dataDirError.isEmpty())
            ShowError(dataDirError);

        TMainForm mainForm;
        CorvantaApplication::setWindowIcon(LoadApplicationIcon());
        // The frame is measured with what its first showing adds, the new plan.
        if (qEnvironmentVariableIsSet(StartupProbe::EnvironmentSwitch))
            QObject::connect(&mainForm, &TMainForm::firstShowDone, &mainForm,
                             [&mainForm] { StartupProbe::watch(mainForm); });

        ShowWithDocuments(mainForm, documents);
        return CorvantaApplication::exec();
    } catch (const std::exception& error) {
        CorvantaApplication::showException(QString::fromUtf8(error.what()));
        return 1;
    }
}
