#include "table/qt/tableaccessible.h"

#include "table/qt/boardview.h"
#include "table/qt/cardimage.h"
#include "table/qt/liveregion.h"
#include "table/spokenwords.h"
#include "table/tablemirror.h"
#include "table/tablenarrator.h"

#include <QAccessible>
#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <optional>

using brixo::BoardCell;
using brixo::BoardGrid;

namespace {

// The cells a player uses: columns 1 to 22, rows 1 to 12.
constexpr int kCellColumns = BoardGrid::kLastLayColumn - BoardGrid::kFirstLayColumn + 1;
constexpr int kCellRows = BoardGrid::kLastLayRow - BoardGrid::kFirstLayRow + 1;

QString spokenText(const std::string& s)
{
    return QString::fromStdString(s);
}

// Names only what changed, so a screen reader hears of real changes alone.
void setName(QWidget* widget, const QString& name)
{
    if (widget && widget->accessibleName() != name) widget->setAccessibleName(name);
}
void setDescription(QWidget* widget, const QString& description)
{
    if (widget && widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
}

class BoardAccessible;

// One cell of the board: not an object of its own, so its interface is
// made when first asked for and kept with the board's.
class BoardCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCellAccessible(BoardAccessible* table, BoardCell cell) : m_table(table), m_cell(cell) {}

    BoardCell cell() const { return m_cell; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_cell.col - BoardGrid::kFirstLayColumn; }
    int rowIndex() const override { return m_cell.row - BoardGrid::kFirstLayRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    BoardAccessible* m_table;
    BoardCell m_cell;
};

// The board: a table of cells, row after row.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_cells)) QAccessible::deleteAccessibleInterface(id);
    }

    BoardView* board() const { return static_cast<BoardView*>(widget()); }
    static int indexOf(BoardCell cell)
    {
        return (cell.row - BoardGrid::kFirstLayRow) * kCellColumns + (cell.col - BoardGrid::kFirstLayColumn);
    }
    static BoardCell cellOf(int index)
    {
        return {BoardGrid::kFirstLayColumn + index % kCellColumns, BoardGrid::kFirstLayRow + index / kCellColumns};
    }
    static bool used(BoardCell cell)
    {
        return cell.col >= BoardGrid::kFirstLayColumn && cell.col <= BoardGrid::kLastLayColumn &&
               cell.row >= BoardGrid::kFirstLayRow && cell.row <= BoardGrid::kLastLayRow;
    }
    QAccessibleInterface* cellInterface(BoardCell cell) const
    {
        if (!used(cell)) return nullptr;
        const int index = indexOf(cell);
        auto found = m_cells.constFind(index);
        if (found != m_cells.constEnd()) return QAccessible::accessibleInterface(*found);
        auto* made = new BoardCellAccessible(const_cast<BoardAccessible*>(this), cell);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(made));
        return made;
    }
    std::optional<BoardCell> focusedCell() const { return m_focus; }
    void setFocusedCell(BoardCell cell) { m_focus = cell; }

    int childCount() const override { return kCellColumns * kCellRows; }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? cellInterface(cellOf(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->role() != QAccessible::Cell || child->parent() != this) return -1;
        return indexOf(static_cast<const BoardCellAccessible*>(child)->cell());
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = board()->mapFromGlobal(QPoint(x, y));
        for (int index = 0; index < childCount(); ++index)
            if (board()->cellRect(cellOf(index)).contains(at)) return child(index);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override { return m_focus ? cellInterface(*m_focus) : nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QCoreApplication::translate("TableAccessible", "board");
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= kCellRows || column < 0 || column >= kCellColumns) return nullptr;
        return cellInterface({BoardGrid::kFirstLayColumn + column, BoardGrid::kFirstLayRow + row});
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return QCoreApplication::translate("TableAccessible", "column %1").arg(column + BoardGrid::kFirstLayColumn);
    }
    QString rowDescription(int row) const override
    {
        return QCoreApplication::translate("TableAccessible", "row %1").arg(row + BoardGrid::kFirstLayRow);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kCellColumns; }
    int rowCount() const override { return kCellRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable QHash<int, QAccessible::Id> m_cells;
    std::optional<BoardCell> m_focus;
};

bool BoardCellAccessible::isValid() const
{
    return m_table->isValid();
}

QWindow* BoardCellAccessible::window() const
{
    return m_table->window();
}

QAccessibleInterface* BoardCellAccessible::parent() const
{
    return m_table;
}

QAccessibleInterface* BoardCellAccessible::table() const
{
    return m_table;
}

QString BoardCellAccessible::text(QAccessible::Text t) const
{
    const BoardView* board = m_table->board();
    if (t == QAccessible::Name) return spokenText(brixo::spokenwords::cell(m_cell, brixo::Tile(board->shownTile(m_cell))));
    if (t != QAccessible::Description) return {};
    QStringList about;
    if (board->showsMark(m_cell)) about << QCoreApplication::translate("TableAccessible", "laid in the last turn");
    const QString problem = board->problemAt(m_cell);
    if (!problem.isEmpty()) about << QCoreApplication::translate("TableAccessible", "set not valid: %1").arg(problem);
    return about.join(QStringLiteral(", "));
}

QRect BoardCellAccessible::rect() const
{
    const BoardView* board = m_table->board();
    const QRect cell = board->cellRect(m_cell);
    return QRect(board->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State BoardCellAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.focused = m_table->focusedCell() == m_cell;
    state.invisible = !m_table->board()->isVisible();
    return state;
}

// A rack tile reads as an item of the rack's list.
class CardAccessible : public QAccessibleWidget {
public:
    explicit CardAccessible(QWidget* card) : QAccessibleWidget(card, QAccessible::ListItem) {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        return state;
    }
};

QAccessibleInterface* tableInterfaces(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("BoardView")) return new BoardAccessible(static_cast<BoardView*>(widget));
    if (className == QLatin1String("CardImage")) return new CardAccessible(widget);
    if (className == QLatin1String("LiveRegion")) return new QAccessibleWidget(widget, QAccessible::Notification);
    if (object->objectName() == QLatin1String("panel_cards")) return new QAccessibleWidget(widget, QAccessible::List);
    return nullptr;
}

BoardAccessible* boardInterface(BoardView* board)
{
    return board ? dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board)) : nullptr;
}

} // namespace

void installTableAccessibility()
{
    static bool installed = false;
    if (std::exchange(installed, true)) return;
    QAccessible::installFactory(tableInterfaces);
}

void notifyBoardCellFocus(BoardView* board, BoardCell cell)
{
    BoardAccessible* table = boardInterface(board);
    if (!table || !BoardAccessible::used(cell)) return;
    table->setFocusedCell(cell);
    QAccessibleEvent focus(table->cellInterface(cell), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void notifyCardFocus(CardImage* card)
{
    if (!card) return;
    QAccessibleEvent focus(card, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

TableAccessibility::TableAccessibility(QWidget* table)
    : QObject(table), m_table(table), m_board(table->findChild<BoardView*>(QStringLiteral("board")))
{
    installTableAccessibility();
    nameParts();
    table->installEventFilter(this);
}

QWidget* TableAccessibility::part(const QString& name)
{
    QPointer<QWidget>& found = m_parts[name];
    if (!found) found = m_table->findChild<QWidget*>(name);
    return found;
}

bool TableAccessibility::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::LanguageChange) nameParts();
    return false;
}

// The parts whose names do not change with the game. Pictures and symbol
// buttons are named for what they show; parts with a tooltip and no words
// of their own take the tooltip's.
void TableAccessibility::nameParts()
{
    const auto name = [this](const char* part, const QString& words) {
        setName(m_table->findChild<QWidget*>(QLatin1String(part)), words);
    };
    name("central", QCoreApplication::translate("TableAccessible", "Brixo table"));
    name("panel_board", QCoreApplication::translate("TableAccessible", "table"));
    name("boardimage", QCoreApplication::translate("TableAccessible", "board background"));
    name("board", QCoreApplication::translate("TableAccessible", "board"));
    name("rack_wood", QCoreApplication::translate("TableAccessible", "rack background"));
    name("panel_seats", QCoreApplication::translate("TableAccessible", "players"));
    name("image_Turn", QCoreApplication::translate("TableAccessible", "turn marker"));
    name("panel_info", QCoreApplication::translate("TableAccessible", "game"));
    name("timer_track", QCoreApplication::translate("TableAccessible", "time bar"));
    name("image_timer", QCoreApplication::translate("TableAccessible", "time left"));
    name("button_sound", QCoreApplication::translate("TableAccessible", "sounds"));
    name("panel_controls", QCoreApplication::translate("TableAccessible", "turn"));
    name("panel_clock", QCoreApplication::translate("TableAccessible", "clock"));
    name("button_bynumber", QCoreApplication::translate("TableAccessible", "sort by numbers"));
    name("button_bysuit", QCoreApplication::translate("TableAccessible", "sort by suits"));
    name("image_cover", QCoreApplication::translate("TableAccessible", "game paused"));
    name("image_pause", QCoreApplication::translate("TableAccessible", "game paused"));
    name("mainchat", QCoreApplication::translate("TableAccessible", "chat"));
    name("mychat", QCoreApplication::translate("TableAccessible", "chat line"));
    name("panel_winner", QCoreApplication::translate("TableAccessible", "winner"));
    name("panel_penalty", QCoreApplication::translate("TableAccessible", "penalty question"));
    name("panel_laydown", QCoreApplication::translate("TableAccessible", "first lay down"));
    name("panel_round", QCoreApplication::translate("TableAccessible", "round over"));
    name("round_lines", QCoreApplication::translate("TableAccessible", "round result"));
    name("panel_log", QCoreApplication::translate("TableAccessible", "game log"));
    name("memo_log", QCoreApplication::translate("TableAccessible", "game log"));
    name("button_x", QCoreApplication::translate("TableAccessible", "close the game log"));
    for (QWidget* seatRow : m_table->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^seat_row\\d$"))))
        setName(seatRow, QCoreApplication::translate("TableAccessible", "seat %1").arg(seatRow->objectName().right(1)));
    if (auto* window = qobject_cast<QMainWindow*>(m_table))
        setName(window->menuBar(), QCoreApplication::translate("TableAccessible", "menu bar"));
    // The inner parts of a text area, named after it.
    for (QAbstractScrollArea* area : m_table->findChildren<QAbstractScrollArea*>()) {
        const QString whose = area->accessibleName();
        setName(area->viewport(), whose);
        for (QScrollBar* bar : area->findChildren<QScrollBar*>()) {
            setName(bar, bar->orientation() == Qt::Vertical
                             ? QCoreApplication::translate("TableAccessible", "%1, vertical scroll bar").arg(whose)
                             : QCoreApplication::translate("TableAccessible", "%1, horizontal scroll bar").arg(whose));
            setName(bar->parentWidget(), bar->accessibleName());
        }
    }
    for (const QPointer<QWidget>& part : std::as_const(m_namedByTooltip))
        if (part) setName(part, part->toolTip());
    for (QWidget* part : m_table->findChildren<QWidget*>()) {
        const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(part);
        if (!iface || !iface->text(QAccessible::Name).isEmpty() || part->toolTip().isEmpty()) continue;
        // A label that shows words now and then keeps them as its name.
        const auto* label = qobject_cast<QLabel*>(part);
        if (label && label->pixmap().isNull()) continue;
        setName(part, part->toolTip());
        m_namedByTooltip << part;
    }
}

namespace {

// A label that shows nothing at the moment still says what it is for.
void nameIfBlank(QLabel* label, const QString& placeholder)
{
    if (label) setName(label, label->text().isEmpty() ? placeholder : QString());
}

} // namespace

void TableAccessibility::sync(const brixo::TableMirror& mirror, const brixo::TableNarrator& narrator)
{
    using namespace brixo;
    const auto part = [this](const QString& name) { return this->part(name); };
    const auto label = [this](const QString& name) { return qobject_cast<QLabel*>(this->part(name)); };

    for (const Seat seat : Seat::all()) {
        const QString n = QString::number(seat.number());
        const QString who = mirror.seat(seat).occupant == Occupant::Empty
                                ? QCoreApplication::translate("TableAccessible", "seat %1").arg(n)
                                : spokenText(mirror.seatName(seat));
        setName(part(QStringLiteral("label_playername") + n), spokenText(spokenwords::seat(mirror, seat, narrator.leftBy(seat))));
        setName(part(QStringLiteral("label_score") + n),
                QCoreApplication::translate("TableAccessible", "score of %1: %2").arg(who, spokenText(mirror.scoreText(seat))));
        const std::string last = mirror.lastPointsText(seat);
        setName(part(QStringLiteral("label_bonus") + n),
                last.empty() ? QCoreApplication::translate("TableAccessible", "no last points for %1").arg(who)
                             : QCoreApplication::translate("TableAccessible", "last points of %1: %2").arg(who, spokenText(last)));
        const std::string tiles = mirror.tilesText(seat);
        setName(part(QStringLiteral("label_cards") + n),
                tiles.empty() ? QCoreApplication::translate("TableAccessible", "tiles of %1: not known yet").arg(who)
                              : QCoreApplication::translate("TableAccessible", "tiles of %1: %2").arg(who, spokenText(tiles)));
    }
    setName(part(QStringLiteral("label_timer")), spokenText(spokenwords::clock(mirror)));
    setName(part(QStringLiteral("label_tilesleft")), spokenText(spokenwords::pool(mirror.tilesLeft())));
    nameIfBlank(label(QStringLiteral("label_status")), QCoreApplication::translate("TableAccessible", "status"));
    nameIfBlank(label(QStringLiteral("label_played")), QCoreApplication::translate("TableAccessible", "last move"));
    const Hand& hand = mirror.hand();
    setName(part(QStringLiteral("draggingimage")),
            hand.empty() ? QCoreApplication::translate("TableAccessible", "nothing in your hand")
                         : QCoreApplication::translate("TableAccessible", "in your hand: %1")
                               .arg(spokenText(spokenwords::tile(hand.tile))));

    // The rack and its tiles, with what sets a tile apart.
    int count = 0;
    const std::vector<RackSlot>& hinted = mirror.hintSlots();
    const std::vector<RackSlot>& drawn = mirror.justDrawn();
    for (CardImage* card : m_table->findChildren<CardImage*>()) {
        const RackSlot slot(card->tag());
        const Tile tile = mirror.rack().at(slot);
        if (!tile.real()) continue;
        ++count;
        setName(card, spokenText(spokenwords::tile(tile)));
        QStringList about;
        if (hand.holdsSlot(slot)) about << QCoreApplication::translate("TableAccessible", "in your hand");
        if (std::find(hinted.begin(), hinted.end(), slot) != hinted.end())
            about << QCoreApplication::translate("TableAccessible", "part of the hint");
        if (std::find(drawn.begin(), drawn.end(), slot) != drawn.end())
            about << QCoreApplication::translate("TableAccessible", "just drawn");
        setDescription(card, about.join(QStringLiteral(", ")));
    }
    setName(part(QStringLiteral("panel_cards")),
            count == 1 ? QCoreApplication::translate("TableAccessible", "your rack, 1 tile")
                       : QCoreApplication::translate("TableAccessible", "your rack, %1 tiles").arg(count));

    // The phrase buttons show only their numbers; their phrases are their tooltips.
    for (QPushButton* button : m_table->findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^b_phrase\\d+$"))))
        setName(button, QCoreApplication::translate("TableAccessible", "phrase %1: %2").arg(button->text(), button->toolTip()));
    syncBoard(mirror);
}

// Each cell whose tile or mark changed tells it by a name change.
void TableAccessibility::syncBoard(const brixo::TableMirror& mirror)
{
    BoardAccessible* table = boardInterface(m_board);
    if (!table) return;
    for (int index = 0; index < table->childCount(); ++index) {
        const BoardCell cell = BoardAccessible::cellOf(index);
        const brixo::Tile tile = mirror.board().at(cell);
        const bool mark = mirror.markShown(cell);
        if (tile == m_toldBoard.at(cell) && mark == m_toldMarks[cell.index()]) continue;
        m_toldBoard.set(cell, tile);
        m_toldMarks[cell.index()] = mark;
        QAccessibleEvent changed(table->cellInterface(cell), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
