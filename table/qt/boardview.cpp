#include "table/qt/boardview.h"

#include "table/tablemirror.h"
#include "resources/qt/tilepictures.h"
#include "table/qt/keyframe.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>

BoardView::BoardView(const TilePictures& pictures, QWidget* parent) : QWidget(parent), m_pictures(pictures)
{
    setMouseTracking(true);
}

QRect BoardView::cellRect(brixo::BoardCell cell) const
{
    const brixo::ScaledRect r = m_scale.cellRect(cell);
    return QRect(r.x, r.y, r.width, r.height);
}

void BoardView::setScale(const brixo::TableScale& scale)
{
    m_scale = scale;
    update();
}

const brixo::BoardProblem* BoardView::problemOver(brixo::BoardCell cell) const
{
    for (const brixo::BoardProblem& problem : m_problems)
        if (problem.row == cell.row && cell.col >= problem.first && cell.col <= problem.last) return &problem;
    return nullptr;
}

QString BoardView::problemAt(brixo::BoardCell cell) const
{
    const brixo::BoardProblem* problem = problemOver(cell);
    if (!problem) return {};
    QString why = QString::fromStdString(problem->reason);
    if (!why.isEmpty()) why[0] = why[0].toUpper();
    return why + QLatin1Char('.');
}

QRect BoardView::outlineRect(const brixo::BoardProblem& problem) const
{
    return cellRect({problem.first, problem.row}).united(cellRect({problem.last, problem.row}));
}

// The outline's words at a point, shown for as long as the pointer stays
// on that outline; nothing where there is none.
void BoardView::showProblemTip(const QPoint& at)
{
    const brixo::BoardProblem* problem = problemOver(m_scale.cellOfPress(at.x(), at.y()));
    if (!problem) {
        QToolTip::hideText();
        return;
    }
    const QString why = problemAt({problem->first, problem->row});
    QToolTip::showText(mapToGlobal(at), why, this, outlineRect(*problem));
}

bool BoardView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    showProblemTip(static_cast<QHelpEvent*>(event)->pos());
    return true;
}

void BoardView::sync(const brixo::TableMirror& mirror)
{
    std::vector<brixo::BoardProblem> problems = brixo::boardproblems(mirror.board());
    if (problems != m_problems) {
        m_problems = std::move(problems);
        update();
        // A tip open over the board goes with its outline, or tells the new one.
        if (QToolTip::isVisible() && underMouse()) showProblemTip(mapFromGlobal(QCursor::pos()));
    }
    const brixo::BoardGrid& board = mirror.board();
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) {
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row) {
            const brixo::BoardCell cell{col, row};
            const bool mark = mirror.markShown(cell);
            if (board.at(cell) == m_drawn.at(cell) && mark == m_drawnMarks[cell.index()]) continue;
            m_drawn.set(cell, board.at(cell));
            m_drawnMarks[cell.index()] = mark;
            update(cellRect(cell));
        }
    }
}

void BoardView::setKeyCell(std::optional<brixo::BoardCell> cell)
{
    if (cell == m_keyCell) return;
    const int margin = keyframe::margin(m_scale.factor());
    if (m_keyCell) update(cellRect(*m_keyCell).adjusted(-margin, -margin, margin, margin));
    m_keyCell = cell;
    if (m_keyCell) update(cellRect(*m_keyCell).adjusted(-margin, -margin, margin, margin));
    emit keyCellChanged();
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int col = 0; col < brixo::BoardGrid::kColumns; ++col) {
        for (int row = 0; row < brixo::BoardGrid::kRows; ++row) {
            const brixo::BoardCell at{col, row};
            const QRect cell = cellRect(at);
            if (!cell.intersects(event->rect())) continue;
            const brixo::Tile tile = m_drawn.at(at);
            if (tile.real()) p.drawPixmap(cell, m_pictures.small(tile.code()));
            if (m_drawnMarks[at.index()]) p.drawPixmap(cell, m_pictures.small(TilePictures::kMark));
        }
    }
    if (!m_problems.empty()) paintProblems(p);
    // Over everything, so that no outline hides it.
    if (m_keyCell) keyframe::paint(p, cellRect(*m_keyCell), m_scale.factor(), keyframe::Around);
}

void BoardView::paintProblems(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(235, 40, 40), qMax(2.0, 2 * m_scale.factor()), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(235, 40, 40, 40));
    for (const brixo::BoardProblem& problem : m_problems) {
        const QRect set = outlineRect(problem);
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
