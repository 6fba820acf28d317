#pragma once

#include <QObject>
#include <memory>

class QPrinter;

// The one printer of the application: Print Setup changes it and every later
// printout uses it. Owned by the application object.
class AppPrinter : public QObject
{
    Q_OBJECT

public:
    static QPrinter& printer();

private:
    explicit AppPrinter(QObject* parent);
    ~AppPrinter() override;

    std::unique_ptr<QPrinter> m_printer;
};
