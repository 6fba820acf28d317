#pragma once

#include <QDialog>

// The About box: the program's icon, name and version, and OK.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    // Runs modally, centred on the screen; returns the result code.
    int run();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
};
