#include "table/qt/boardview.h"

#include "table/tablemirror.h"
#include "resources/qt/tilepictures.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>

namespace {
int markIndex(int col, int row)
{
    return col * brixo::BoardGrid::kRows + row;
}
} // namespace

BoardView::BoardView(const brixo::TableMirror& mirror, const TilePictures& pictures, QWidget* parent)
    : QWidget(parent), m_mirror(mirror), m_pictures(pictures)
{
    setMouseTracking(true);
}

QRect BoardView::cellRect(int col, int row) const
{
    const brixo::ScaledRect r = m_scale.cellRect(col, row);
    return QRect(r.x, r.y, r.width, r.height);
}

void BoardView::setScale(const brixo::TableScale& scale)
{
    m_scale = scale;
    update();
}

bool BoardView::showsMark(int col, int row) const
{
    return brixo::BoardGrid::inside(col, row) && m_drawnMarks[markIndex(col, row)];
}

QString BoardView::problemAt(int col, int row) const
{
    for (const brixo::BoardProblem& problem : m_problems) {
        if (problem.row != row || col < problem.first || col > problem.last) continue;
        QString why = QString::fromStdString(problem.reason);
        if (!why.isEmpty()) why[0] = why[0].toUpper();
        return why + QLatin1Char('.');
    }
    return {};
}

bool BoardView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const placerules::PressCell cell = m_scale.cellOfPress(help->pos().x(), help->pos().y());
    const QString why = problemAt(cell.col, cell.row);
    if (why.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), why, this);
    return true;
}

void BoardView::sync()
{
    std::vector<brixo::BoardProblem> problems = brixo::boardproblems(m_mirror.board());
    if (problems != m_problems) {
        m_problems = std::move(problems);
        update();
    }
    const brixo::BoardGrid& board = m_mirror.board();
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) {
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row) {
            const bool mark = m_mirror.markShown(col, row);
            if (board.at(col, row) == m_drawn.at(col, row) && mark == m_drawnMarks[markIndex(col, row)]) continue;
            m_drawn.set(col, row, board.at(col, row));
            m_drawnMarks[markIndex(col, row)] = mark;
            update(cellRect(col, row));
        }
    }
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) {
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row) {
            const QRect cell = cellRect(col, row);
            if (!cell.intersects(event->rect())) continue;
            const int tile = m_drawn.at(col, row);
            if (tile != brixo::kNoTile) p.drawPixmap(cell, m_pictures.small(tile));
            if (m_drawnMarks[markIndex(col, row)]) p.drawPixmap(cell, m_pictures.small(TilePictures::kMark));
        }
    }
    if (m_problems.empty()) return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(235, 40, 40), qMax(2.0, 2 * m_scale.factor()), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(235, 40, 40, 40));
    for (const brixo::BoardProblem& problem : m_problems) {
        const QRect set = cellRect(problem.first, problem.row).united(cellRect(problem.last, problem.row));
        const qreal radius = 3 * m_scale.factor();
        p.drawRoundedRect(QRectF(set).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit pressed(event->button(), event->modifiers(), at.x(), at.y());
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit moved(at.x(), at.y());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    emit released(at.x(), at.y());
}
