// Lets one instance of the program run per user and display: a second start asks the
// first to come to the front and ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <functional>

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& programName);

    // Asks a running instance to come forward; true when one answered.
    bool activateRunningInstance();
    // Listens for later starts, calling `raise` for each.
    void listen(std::function<void()> raise);

private:
    QString m_serverName;
    QLocalServer m_server;
};
