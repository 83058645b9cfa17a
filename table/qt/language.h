// The player's language: the ones the table speaks, the one chosen, and
// the translations that make the windows (and Qt's own buttons and
// dialogs) speak it. The plain table's words go through the same
// translations (table/wording.h).
#pragma once

#include <QList>
#include <QString>

namespace language {

struct Choice {
    QString code; // empty: the system's language
    QString name; // in the language itself; empty for the system's choice
};

// System first, then English, Deutsch, Français, Español, Nederlands.
const QList<Choice>& choices();

// Speaks the language of the code ("de", "en", ...; empty or unknown: the
// system's). Every window is told, and says its captions again.
void apply(const QString& code);
// The code last applied; empty while the system's language is followed.
QString chosen();
// The language spoken now, "en" when nothing is translated.
QString spoken();

} // namespace language
