// The tally window: the owner's games and wins, the players being tallied
// with the counts of the one selected, and the players at the table, any
// of whom can be followed with a tick. It shows the tally, which it loads
// at start and writes back whenever it changes; the rules are the tally's.
#pragma once

#include "store/tally.h"
#include "store/tallyfile.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class Ttallylist : public QDialog {
    Q_OBJECT
public:
    // The names at the table's other seats, as the table shows them: the
    // players in the current game.
    using PlayersAtTable = std::function<std::vector<std::string>()>;
    // The tally is read from the game's data folder.
    explicit Ttallylist(PlayersAtTable playersAtTable, QWidget* parent = nullptr);
    ~Ttallylist() override;

    // Yes/No questions are asked through this (a message box by default).
    using Question = std::function<bool(const QString& text)>;
    void setQuestion(Question ask) { m_ask = std::move(ask); }

    // "View Tally": the players at the table, then the window.
    void ViewTally1Click();
    // Records a finished game: the winner's name, or "addtomine".
    void addgame(const std::string& result);
    // Fills checklist from the table's other seats, ticking followed names.
    void loadchecklist();
    void button_resetClick();

    // What went wrong reading the tally at start; empty when nothing did.
    QString loadProblem() const { return m_loadProblem; }

    brixo::Tally stringgrid_scores;
    std::array<QLabel*, 5> mylabel{}; // mylabel_1 .. mylabel_4
    std::array<QLabel*, 9> label{};   // label_1 .. label_8
    QLabel* label_hisname;
    QLabel* label_hisnametop;
    QListWidget* listbox_tally;
    QListWidget* checklist;
    QPushButton* button_reset;
    QPushButton* button_done;

private:
    void loadtally();
    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClickCheck(QListWidgetItem* item);
    void showPlayer(int row);
    void showOwner();
    void tallyChanged();

    PlayersAtTable m_playersAtTable;
    brixo::TallyFile m_file;
    bool m_unsaved = false;
    bool m_filling = false; // lists being filled: their ticks are not clicks
    Question m_ask;
    QString m_loadProblem;
};
