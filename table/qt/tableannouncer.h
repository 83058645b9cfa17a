// Speaks what happens at the table: after each update of the mirror it
// asks the narrator what to announce and hands the words, as one
// announcement, to the window's live region.
#pragma once

#include "table/tablenarrator.h"

#include <QObject>
#include <QString>

class LiveRegion;
class QWidget;
namespace brixo {
class TableMirror;
struct TableUpdate;
}

class TableAnnouncer : public QObject {
    Q_OBJECT
public:
    // Announces through a live region on the table window.
    explicit TableAnnouncer(QWidget* table);

    void follow(const brixo::TableMirror& mirror, const brixo::TableUpdate& update);
    const brixo::TableNarrator& narrator() const { return m_narrator; }

protected:
    // Notes a press of the player in the window, so that the update it
    // causes is known to answer a press.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_table;
    LiveRegion* m_region;
    brixo::TableNarrator m_narrator;
    // The mirror followed: a new game's mirror starts a new narrator.
    const brixo::TableMirror* m_following = nullptr;
    bool m_pressed = false;
};
