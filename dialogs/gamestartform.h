// The game-start dialog: the host chooses the play-to score, the seconds
// per turn, the tiles dealt at the start, the time penalty and the team
// game, and starts the game.
#pragma once

#include "model/gameoptions.h"

#include <QDialog>


class QCheckBox;
class QLineEdit;
class QPushButton;
class UpDown;

class Tgamestart : public QDialog {
    Q_OBJECT
public:
    explicit Tgamestart(QWidget* parent = nullptr);

    // The options as the dialog shows them, and showing others (each
    // within the dialog's range).
    brixo::GameOptions options() const;
    void setOptions(const brixo::GameOptions& options);

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
    // The host asks for a game with these options.
    void startRequested(const brixo::GameOptions& options);
};
