// The game-start dialog: the host chooses the play-to score, the seconds
// per turn, the tiles dealt at the start, the time penalty and the team
// game, and starts the game.
#pragma once

#include "net/catalogue.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class UpDown;

class Tgamestart : public QDialog {
    Q_OBJECT
public:
    explicit Tgamestart(QWidget* parent = nullptr);

    // The name the start message carries: the host's player name.
    void setPlayerName(const QString& name) { m_playerName = name; }

    // The options as the dialog shows them.
    brixo::msg::StartGame options() const;

    void button_startClick();

    UpDown* UpDown1;
    UpDown* UpDown2;
    UpDown* UpDown3;
    QLineEdit* edit_playtoscore;
    QLineEdit* edit_creationtime;
    QLineEdit* edit_tiles;
    QCheckBox* checkbox_tp;
    QCheckBox* checkbox_tg;
    QPushButton* button_start;

signals:
    // The whole "CMD_startgame" frame, for the table to send.
    void startRequested(const std::string& frame);

private:
    QString m_playerName;
};
