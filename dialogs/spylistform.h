// The spectator list: one entry per watching connection, "slot: name".
// The host can remove the entry under the pointer from the game.
#pragma once

#include <QDialog>

class QAction;
class QListWidget;
class QMenu;

class Tspylist : public QDialog {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr);

    // Shows these entries, in order, as plain text.
    void setEntries(const QStringList& entries);
    QStringList entries() const;

    // Only the host may remove spectators.
    void setRemoveOffered(bool offered);

    // "Remove From Game" on the entry at this row (-1: no entry under the
    // pointer, nothing happens).
    void removeFromGame(int row);

    QListWidget* listbox_spys;
    QAction* RemoveFromGame1;

signals:
    // The number of the entry to remove, for the table's kicking.
    void kickRequested(int slot);

private:
    QMenu* m_menu;
};
