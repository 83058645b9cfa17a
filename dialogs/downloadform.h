// The offer to fetch the Quorvin Lobby, the program that finds games with
// other players: it downloads the lobby's installer by HTTP into the
// game's folder and starts it, or hands over to a lobby already installed,
// or lets the player go on alone.
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QFile;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;

class Tdownload : public QDialog {
    Q_OBJECT
public:
    // Starts a program with arguments; false when it could not be started.
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;

    static QUrl defaultAddress();

    explicit Tdownload(QWidget* parent = nullptr);
    ~Tdownload() override;

    void setAddress(const QUrl& address) { m_address = address; }
    QUrl address() const { return m_address; }
    // Where the installer is saved.
    void setFolder(const QString& folder) { m_folder = folder; }
    // How other programs are started (tests put a recorder here).
    void setStarter(Starter starter) { m_starter = std::move(starter); }
    // The lobby program, when one is installed; empty when not.
    void setLobbyProgram(const QString& program) { m_lobbyProgram = program; }

    void getbuttonClick();
    void abortbuttonClick();
    void soloClick();
    void othersClick();
    bool downloading() const { return m_reply != nullptr; }

    QPushButton* getbutton;
    QPushButton* abortbutton;
    QPushButton* button_solo;
    QPushButton* button_others;
    QLabel* label_status1; // what happens: "Loading", "Installing", ...
    QLabel* label_status2; // the file: "Downloading: ..."
    QLabel* label_status3; // the bytes received

signals:
    // The program is to end: the installer or the lobby took over.
    void exitRequested();

private:
    void headersArrived();
    void dataArrived();
    void transferFinished();
    void showMessage(const QString& text);

    QUrl m_address;
    QString m_folder;
    QString m_lobbyProgram;
    Starter m_starter;
    QNetworkAccessManager* m_network;
    QNetworkReply* m_reply = nullptr;
    QFile* m_file = nullptr;
    qint64 m_received = 0;
    bool m_aborted = false;
    bool m_documentBegun = false;
};
