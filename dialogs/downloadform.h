// The window a solo start shows first: play alone against the computer at
// once (the default), or play with others, which opens the window that
// hosts, finds and joins games. The companion lobby program is offered
// only when it is installed on this machine; nothing is ever downloaded or
// installed from here. "Show this at start" is the player's to switch off.
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;

class Tdownload : public QDialog {
    Q_OBJECT
public:
    // Starts a program with arguments; false when it could not be started.
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;

    explicit Tdownload(QWidget* parent = nullptr);

    // How other programs are started (tests put a recorder here).
    void setStarter(Starter starter) { m_starter = std::move(starter); }
    // The lobby program, when one is installed; empty when not. Its panel
    // shows only then.
    void setLobbyProgram(const QString& program);
    void setShowAtStart(bool show);
    bool showAtStart() const;

    void soloClick();
    void othersClick();
    void lobbyClick();

signals:
    void playWithOthers();
    void showAtStartChanged(bool show);
    // The program is to end: the lobby took over.
    void exitRequested();

private:
    QString m_lobbyProgram;
    Starter m_starter;
    QGroupBox* m_lobbyPanel;
    QCheckBox* m_showAtStart;
};
