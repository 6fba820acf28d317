#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

class QLocalSocket;

// One running program per data folder, so that two never write the same
// files. A start whose data folder is in use hands its documents to the
// program using it, which opens them and comes to the front, and ends;
// programs on different data folders run side by side. They meet on a local
// socket named from the user and the data folder; a socket left by a program
// that crashed is removed and the start goes on as the first.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start
    {
        First,      // this program now serves the data folder
        HandedOver, // the running one took the documents: this start ends
        NoAnswer    // one runs but does not answer
    };

    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);

    // `documents` are full paths.
    Start start(const QStringList& documents);

    // In $XDG_RUNTIME_DIR when there is one, else where Qt puts local sockets.
    static QString socketName(const QString& dataFolder);

signals:
    // Another start handed these documents over; none: it only asked for
    // the program to come to the front.
    void documentsArrived(const QStringList& paths);

private:
    static bool handOver(QLocalSocket& socket, const QStringList& documents);
    void answer(QLocalSocket* socket);

    QString m_name;
    QLocalServer m_server;
};
