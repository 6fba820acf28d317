#include "app/AppIcon.h"
#include "app/CorvantaApplication.h"
#include "app/TMainForm.h"
#include "store/ProfileStore.h"
#include "ui/DialogServices.h"

#include <exception>

int main(int argc, char** argv)
{
    CorvantaApplication app(argc, argv);
    try {
        const std::string dataDirError =
            InitDataDir(CorvantaApplication::applicationDirPath().toStdString());
        if (!dataDirError.empty())
            ShowError(QString::fromStdString(dataDirError));

        TMainForm mainForm;
        CorvantaApplication::setWindowIcon(LoadApplicationIcon());

        mainForm.showMaximized();
        return CorvantaApplication::exec();
    } catch (const std::exception& error) {
        CorvantaApplication::showException(QString::fromUtf8(error.what()));
        return 1;
    }
}
