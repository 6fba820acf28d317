#pragma once

#include "ui/Platform.h"

// The platform as users get it: Qt's dialogs, the system locale and clock.
// The per-user settings are the store of organisation and application
// "Corvanta", or the INI file named by CORVANTA_SETTINGS when that is set
// (tests and benchmarks use it to leave the coach's own settings alone).
class QtPlatform : public Platform
{
public:
    bool askYesNo(const QString& caption, const QString& text) override;
    int askChoice(const QString& caption, const QString& text, const QStringList& buttons,
                  int defaultButton) override;
    void showMessage(const QString& caption, const QString& text, Icon icon) override;

    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;

    bool runPrintDialog(QPrinter& printer, QWidget* parent) override;
    bool runPrinterSetup(QPrinter& printer, QWidget* parent) override;
    void runPrintPreview(QPrinter& printer, const QString& caption,
                         const std::function<void(QPrinter&)>& paint, QWidget* parent) override;
    FontChoice chooseFont(const FontChoice& initial, QWidget* parent) override;
    std::optional<QColor> chooseColor(const QColor& initial, QWidget* parent) override;

    int runModal(QDialog& dialog) override;

    void showHelp(int context) override;
    void beep() override;
    bool playSound(Sound sound) override;
    void inhibitScreenSaver(bool on) override;

    bool isFirstRun() override;
    void clearFirstRun() override;
    QStringList recentDocuments(const QString& list) override;
    void setRecentDocuments(const QString& list, const QStringList& paths) override;

    QSize screenSize() override;
    QDate today() override;
    LocaleFormats localeFormats() override;
};
