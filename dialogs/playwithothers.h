// "Play with Others": where a player hosts a game on this network, finds
// the games others host here, joins one by its address, or meets friends
// in a room on an online lobby. Each way is a page of its own. The window only
// asks: the table hosts, joins and leaves, and tells the window what it
// hosts.
#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class GameListener;
class OnlinePage;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QVBoxLayout;

class PlayWithOthers : public QDialog {
    Q_OBJECT
public:
    enum class Page { Host, Games, Address, Online };

    explicit PlayWithOthers(QWidget* parent = nullptr);

    // The name the player plays under; the window keeps what is typed.
    void setPlayerName(const QString& name);
    QString playerName() const;
    // The addresses joined by hand, the latest first.
    void setRecentHosts(const QStringList& hosts);
    // The table hosts a network game others reach at these endpoints
    // ("address:port"); none: it hosts none.
    void setHosting(const QStringList& endpoints);
    void showPage(Page page);
    // The online lobby's address ("host" or "host:port"), empty for none.
    void setLobby(const QString& address);
    // Why the last room came to nothing, on the Online page.
    void showOnlineProblem(const QString& text);
    OnlinePage* onlinePage() const { return m_online; }

    // The buttons' work, for the keys and the tests.
    void hostClick();
    void stopHostingClick();
    void joinFoundClick();
    void joinAddressClick();

signals:
    void hostRequested(const QString& playerName);
    void stopHostingRequested();
    // A game to join at this address ("host" or "host:port"); `typed`:
    // the player typed it, and it is worth remembering.
    void joinRequested(const QString& playerName, const QString& address, bool typed);
    // A room on an online lobby: a new one, or a friend's by its code.
    void createRoomRequested(const QString& playerName, const QString& lobby, const QString& title, bool isPublic);
    void joinRoomRequested(const QString& playerName, const QString& lobby, const QString& code);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static QString hostWords(bool hosting);
    QWidget* buildHostPage();
    QWidget* buildGamesPage();
    QWidget* buildAddressPage();
    // Listens for announced games only while their page is on show.
    void listenWhileShown();
    void showGames();
    // A name is needed to host or join; false (and the reason shown) without.
    bool haveName(QLabel* reasonLabel);

    QLineEdit* m_name;
    QTabWidget* m_pages;
    // host
    QPushButton* m_host;
    QPushButton* m_stopHosting;
    QLabel* m_hostText;
    QVBoxLayout* m_endpoints;
    QLabel* m_hostProblem;
    // games on this network
    GameListener* m_listener;
    QTreeWidget* m_games;
    QPushButton* m_joinFound;
    QLabel* m_gamesStatus;
    // join by address
    QComboBox* m_address;
    QPushButton* m_joinAddress;
    QLabel* m_addressProblem;
    OnlinePage* m_online;
};
