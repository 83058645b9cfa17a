// The table's side windows and message boxes at the table's size: when the
// table is drawn larger, their text, the lengths of their layouts and style
// sheets, the fixed sizes of their parts, their pictures and icons grow by
// the same factor, and each window takes the size its grown contents need.
// The 100 % values are taken once, when a window is added; windows the
// table opens later (message boxes, colour choices) take the factor's font
// as they are first shown. (The menus grow by the table's style sheet.)
#pragma once

#include <QObject>
#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QSize>
#include <QSizePolicy>
#include <QString>

#include <optional>
#include <vector>

class QLayout;
class QSpacerItem;
class QWidget;

class SideWindowScale : public QObject {
public:
    // Watches for the windows `table` opens.
    explicit SideWindowScale(QWidget* table);

    // A side window, built and not yet shown.
    void add(QWidget* window);
    // Draws every side window, the tooltips, and the windows the table
    // opens from now on, at the factor.
    void apply(double factor);
    double factor() const { return m_factor; }

    // The application's font at a factor.
    static QFont fontAt(double factor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Part {
        QPointer<QWidget> widget;
        QFont font;
        std::optional<QSize> minimum; // set by the window's code
        std::optional<QSize> maximum;
        QSize iconSize; // valid for a button with an icon
        QSize picture;  // valid for a label showing a picture
        QString styleSheet; // its own, when it has lengths in it
    };
    struct Spacing {
        QPointer<QLayout> layout;
        QMargins margins;
        int horizontal = -1;
        int vertical = -1;
    };
    struct Spacer {
        QSpacerItem* item;
        QPointer<QLayout> owner;
        QSize size;
        QSizePolicy policy;
    };
    struct Window {
        QPointer<QWidget> window;
        std::vector<Part> parts;
        std::vector<Spacing> layouts;
        std::vector<Spacer> spacers;
        QSize size;        // as built, when the window was given one
        bool fixed = false; // it keeps one size, its contents' own
    };

    void captureWidget(Window& window, QWidget* widget);
    void captureLayout(Window& window, QLayout* layout);
    void applyTo(Window& window);

    QWidget* m_table;
    std::vector<Window> m_windows;
    double m_factor = 1.0;
};
