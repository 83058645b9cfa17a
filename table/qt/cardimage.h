// One tile of the player's rack: a picture named "card" + its rack slot,
// 40 x 60 at 100 % when the rack holds few tiles, raised while selected. Its tag is the
// rack slot; its tooltip names the tile. A tile a hint names to lay wears a
// gold frame; a tile just drawn, a blue band along its foot; the tile the
// keyboard stands on, the key frame.
#pragma once

#include <QLabel>

class CardImage : public QLabel {
    Q_OBJECT
public:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 60;
    static constexpr int kRestingTop = 8;
    static constexpr int kRaisedTop = 4;

    CardImage(int slot, int tile, QWidget* parent);

    int tag() const { return m_slot; }
    int tile() const { return m_tile; }
    void setMarked(bool marked);
    bool marked() const { return m_marked; }
    // The tile came with this table's last draw.
    void setJustDrawn(bool drawn);
    // The keyboard stands on this tile: it wears the key frame.
    void setKeyFocused(bool focused);
    bool keyFocused() const { return m_keyFocused; }

    static QString nameFor(int slot) { return QStringLiteral("card") + QString::number(slot); }

signals:
    void pressed(CardImage* card, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // The pointer moved with the left button held since a press on this
    // tile, and where the button came up: in global coordinates.
    void dragged(const QPoint& global);
    void released(const QPoint& global);

protected:
    // The tooltip follows the player's language.
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_slot;
    int m_tile;
    bool m_marked = false;
    bool m_justDrawn = false;
    bool m_keyFocused = false;
};
