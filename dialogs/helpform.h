// The help window: the game's manual in six pages, one shown at a time,
// chosen with the buttons on its side, in the player's language where the
// manual has been translated into it.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

class Thelp : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPages = 6;

    explicit Thelp(QWidget* parent = nullptr);

    // Shows page 1..6 ("Overview" .. "License") with its caption.
    void showPage(int tag);
    int page() const { return m_page; }

    std::array<QTextBrowser*, kPages + 1> memo{};     // memo[1] .. memo[6]
    std::array<QPushButton*, kPages + 1> pages{};     // the page buttons
    QLabel* label_caption;
    QPushButton* button_about;
    QPushButton* button_done;

signals:
    void aboutRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void loadPages();

    QStackedWidget* m_stack;
    QString m_language; // the language the pages were loaded in
    int m_page = 1;
};
