// The Online page of Play with Others: rooms on a lobby on the internet,
// where friends who share no network meet. The player names the lobby,
// sees its public rooms, opens a room of their own (listed or private) or
// enters a friend's by its code. The page only asks; the table goes.
#pragma once

#include "net/lobbymessages.h"

#include <QWidget>

#include <vector>

class LobbyBrowser;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class OnlinePage : public QWidget {
    Q_OBJECT
public:
    explicit OnlinePage(QWidget* parent = nullptr);

    void setLobby(const QString& address);
    QString lobby() const;
    // Says why the last request came to nothing.
    void showProblem(const QString& text);
    QLabel* problemLabel() const { return m_problem; }

    // The buttons' work, for the keys and the tests.
    void refreshClick();
    void createClick();
    void joinCodeClick();
    void joinListedClick();

signals:
    // `lobby`: "host" or "host:port", checked.
    void createRequested(const QString& lobby, const QString& title, bool isPublic);
    void joinRequested(const QString& lobby, const QString& code);

private:
    // The lobby typed, or empty (and the reason shown) when it is none.
    QString checkedLobby();
    void showRooms(const std::vector<brixo::msg::RoomEntry>& rooms);
    void explainLobby();

    LobbyBrowser* m_browser;
    QLabel* m_lobbyText;
    QLineEdit* m_lobby;
    QTreeWidget* m_rooms;
    QPushButton* m_refresh;
    QPushButton* m_joinListed;
    QLineEdit* m_title;
    QCheckBox* m_public;
    QLineEdit* m_code;
    QLabel* m_problem;
};
