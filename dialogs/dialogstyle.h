// The side windows wear the table's cloth, with light text on it, and
// share the few parts they are built of.
#pragma once

class QLabel;
class QPushButton;
class QString;
class QWidget;

void useTableBackground(QWidget* window);

// Words that wrap at the window's width, shown as plain text (names and
// addresses from the network among them).
QLabel* wrappedText(const QString& text, QWidget* parent, const char* name = nullptr);
// A button with its name for the tests and the styles.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption);
