// Asks an online lobby which public rooms it holds: connects, asks once,
// reports the rooms (or why it could not) and hangs up.
#pragma once

#include "net/lobbymessages.h"

#include <QObject>
#include <QString>

#include <vector>

class QTimer;
class TSock;

class LobbyBrowser : public QObject {
    Q_OBJECT
public:
    explicit LobbyBrowser(QObject* parent = nullptr);

    // A new question replaces one still waiting for its answer.
    void listRooms(const QString& host, quint16 port);
    bool busy() const { return m_sock != nullptr; }

    // How long the lobby has to answer.
    static constexpr int kAnswerWait = 8000;
    // The most rooms read from one answer.
    static constexpr std::size_t kMostRooms = 1000;

signals:
    void roomsListed(const std::vector<brixo::msg::RoomEntry>& rooms);
    void failed(const QString& why);

private:
    void heard(const std::string& line);
    void finish();

    TSock* m_sock = nullptr;
    QTimer* m_timeout;
    std::vector<brixo::msg::RoomEntry> m_rooms;
    QString m_host;
};
