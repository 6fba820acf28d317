#pragma once

#include <QByteArray>
#include <QString>

// Runs the command language of the reference program for the Windows
// profile functions against our profile store, printing one result line per
// script line in the same form, so a golden file made by the reference can
// be compared line by line.
class OracleScript
{
public:
    // `$T` at the start of a file field stands for `scratchFolder`.
    explicit OracleScript(QString scratchFolder);

    QByteArray run(const QByteArray& line) const;

    static QByteArray escaped(const QByteArray& bytes);
    static QByteArray unescaped(const QByteArray& field);

private:
    std::string fileOf(const QByteArray& field) const;

    QString m_scratch;
};
