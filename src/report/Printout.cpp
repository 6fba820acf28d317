#include "report/Printout.h"

#include "formats/DocumentPath.h"
#include "report/AppPrinter.h"
#include "settings/GeneralSettings.h"
#include "ui/DialogServices.h"
#include "ui/Platform.h"
#include "ui/SaveFailure.h"

#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

// The countries whose paper is Letter rather than A4.
constexpr QLocale::Territory LetterTerritories[] = {
    QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,      QLocale::Chile,
    QLocale::Colombia,     QLocale::Venezuela, QLocale::Philippines, QLocale::CostaRica,
    QLocale::Guatemala,    QLocale::Nicaragua, QLocale::Panama,      QLocale::ElSalvador,
    QLocale::PuertoRico,   QLocale::Belize,
};

// Written beside `path` and put in its place only once complete.
bool writePdf(const QString& path, const Printout& printout)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(printout.name);
        writer.setCreator(ApplicationTitle());
        writer.setPageSize(
            ExportPageSize(QPrinterInfo::defaultPrinter().defaultPageSize(), QLocale::system()));
        if (!PrintJob::draw(writer, printout.parts))
            return false;
    }
    return file.commit();
}

// Print All when no set has a player.
void sayNothingToPrint()
{
    Platform::instance().showMessage(ApplicationTitle(),
                                     QStringLiteral("There is nothing to print."),
                                     Platform::Icon::Information);
}

} // namespace

QString PlansFolder()
{
    return QString::fromStdString(GeneralSettings::readText("Path"));
}

QPageSize ExportPageSize(const QPageSize& printerDefault, const QLocale& locale)
{
    if (printerDefault.isValid())
        return printerDefault;
    const bool letter =
        locale.measurementSystem() == QLocale::ImperialUSSystem ||
        std::ranges::find(LetterTerritories, locale.territory()) != std::end(LetterTerritories);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

bool PrintPrintout(const Printout& printout, QWidget* parent, const PrintJob::Step& beforeStart)
{
    const PrintJob::Part& part = printout.parts.front();
    return PrintJob::runWithDialog(parent, part.info, part.rows, beforeStart);
}

void PreviewPrintout(const Printout& printout, QWidget* parent)
{
    if (printout.parts.empty()) {
        sayNothingToPrint();
        return;
    }
    Platform::instance().runPrintPreview(
        AppPrinter::printer(), QStringLiteral("Print Preview - ") + printout.name,
        [&printout](QPrinter& printer) { PrintJob::draw(printer, printout.parts); }, parent);
}

bool ExportPrintout(const Printout& printout)
{
    if (printout.parts.empty()) {
        sayNothingToPrint();
        return false;
    }
    Platform::FileRequest request;
    request.title = QStringLiteral("Export as PDF");
    request.filter = QStringLiteral("PDF Files (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.initialFolder = printout.folder;
    request.fileName = printout.folder + printout.name + QStringLiteral(".pdf");
    const std::optional<QString> chosen = Platform::instance().saveFileName(request);
    if (!chosen)
        return false;
    const QString path = QString::fromStdString(WithDefaultExtension(chosen->toStdString(), "pdf"));
    if (writePdf(path, printout))
        return true;
    ShowNotWritten(path);
    return false;
}
