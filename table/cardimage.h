// One tile of the player's rack: a 40 x 60 picture named "card" + its rack
// slot, resting at top 8 or raised to top 4 while selected. Its tag is the
// rack slot; its tooltip names the tile. A tile a hint names to lay wears a
// gold frame.
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

    static QString nameFor(int slot) { return QStringLiteral("card") + QString::number(slot); }

signals:
    void pressed(CardImage* card, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_slot;
    int m_tile;
    bool m_marked = false;
};
