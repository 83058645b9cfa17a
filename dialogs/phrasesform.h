// The phrase buttons' editor: ten lines of at most 50 characters, one per
// button; "Done" hands them to the table, which shows and stores them.
#pragma once

#include <QDialog>
#include <QStringList>

#include <array>

class QLineEdit;

class Tphrases : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPhrases = 10;

    explicit Tphrases(QWidget* parent = nullptr);

    // The edits show these phrases.
    void setPhrases(const QStringList& phrases);
    QStringList phrases() const;

    void pressdone();

    std::array<QLineEdit*, kPhrases + 1> phrase{}; // phrase[1] .. phrase[10]

signals:
    void phrasesDone(const QStringList& phrases);
};
