#include "table/qt/sidewindowscale.h"

#include "table/qt/scaledlayout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QChildEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include <cmath>

namespace {

constexpr int kNoLimit = QWIDGETSIZE_MAX;

int grown(int length, double factor)
{
    if (length >= kNoLimit) return kNoLimit;
    return int(std::lround(length * factor));
}

QSize grown(const QSize& size, double factor)
{
    return {grown(size.width(), factor), grown(size.height(), factor)};
}

QFont grown(QFont font, double factor)
{
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * factor);
    else font.setPixelSize(grown(font.pixelSize(), factor));
    return font;
}

} // namespace

SideWindowScale::SideWindowScale(QWidget* table) : QObject(table), m_table(table)
{
    table->installEventFilter(this);
}

QFont SideWindowScale::fontAt(double factor)
{
    return grown(QApplication::font(), factor);
}

void SideWindowScale::add(QWidget* window)
{
    Window w;
    w.window = window;
    w.fixed = window->minimumSize() == window->maximumSize();
    if (w.fixed || window->testAttribute(Qt::WA_Resized)) w.size = window->size();
    captureWidget(w, window);
    m_windows.push_back(std::move(w));
    if (m_factor != 1.0) applyTo(m_windows.back());
}

void SideWindowScale::captureWidget(Window& window, QWidget* widget)
{
    Part part;
    part.widget = widget;
    part.font = widget->font();
    // A window of one size takes its contents' size anew.
    if (widget != window.window || !window.fixed) {
        if (!widget->minimumSize().isNull()) part.minimum = widget->minimumSize();
        if (widget->maximumSize() != QSize(kNoLimit, kNoLimit)) part.maximum = widget->maximumSize();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->icon().isNull())
        part.iconSize = button->iconSize();
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull())
        part.picture = label->pixmap().deviceIndependentSize().toSize();
    if (widget->styleSheet().contains(QStringLiteral("px"))) part.styleSheet = widget->styleSheet();
    window.parts.push_back(part);
    if (widget->layout()) captureLayout(window, widget->layout());
    for (QObject* child : widget->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) captureWidget(window, w);
}

void SideWindowScale::captureLayout(Window& window, QLayout* layout)
{
    Spacing spacing;
    spacing.layout = layout;
    spacing.margins = layout->contentsMargins();
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        spacing.horizontal = grid->horizontalSpacing();
        spacing.vertical = grid->verticalSpacing();
    } else {
        spacing.horizontal = layout->spacing();
    }
    window.layouts.push_back(spacing);
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QLayout* inner = item->layout()) captureLayout(window, inner);
        else if (QSpacerItem* spacer = item->spacerItem())
            window.spacers.push_back({spacer, layout, spacer->sizeHint(), spacer->sizePolicy()});
    }
}

void SideWindowScale::apply(double factor)
{
    if (factor == m_factor) return;
    m_factor = factor;
    for (Window& window : m_windows) applyTo(window);
    // Tooltips, shown for the table's parts, in the same text.
    QToolTip::setFont(fontAt(m_factor));
}

void SideWindowScale::applyTo(Window& window)
{
    if (!window.window) return;
    const double f = m_factor;
    const QScreen* screen = window.window->screen() ? window.window->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize(kNoLimit, kNoLimit);
    for (const Part& part : window.parts) {
        QWidget* w = part.widget;
        if (!w) continue;
        // Each part's own: a part drawn by a style sheet keeps the font it
        // was polished with, whatever its window's.
        w->setFont(grown(part.font, f));
        if (part.minimum) w->setMinimumSize(grown(*part.minimum, f).boundedTo(room));
        if (part.maximum) w->setMaximumSize(grown(*part.maximum, f));
        if (part.iconSize.isValid())
            static_cast<QAbstractButton*>(w)->setIconSize(grown(part.iconSize, f));
        if (part.picture.isValid()) {
            // A picture drawn larger, at its own proportions.
            static_cast<QLabel*>(w)->setScaledContents(true);
            w->setFixedSize(grown(part.picture, f));
        }
        if (!part.styleSheet.isEmpty())
            w->setStyleSheet(ScaledLayout::scaledStyleSheet(part.styleSheet, brixo::TableScale(f)));
    }
    for (const Spacing& spacing : window.layouts) {
        QLayout* layout = spacing.layout;
        if (!layout) continue;
        const QMargins& m = spacing.margins;
        layout->setContentsMargins(grown(m.left(), f), grown(m.top(), f), grown(m.right(), f), grown(m.bottom(), f));
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            grid->setHorizontalSpacing(grown(spacing.horizontal, f));
            grid->setVerticalSpacing(grown(spacing.vertical, f));
        } else if (spacing.horizontal >= 0) {
            layout->setSpacing(grown(spacing.horizontal, f));
        }
    }
    for (const Spacer& spacer : window.spacers) {
        if (!spacer.owner) continue;
        spacer.item->changeSize(grown(spacer.size.width(), f), grown(spacer.size.height(), f),
                                spacer.policy.horizontalPolicy(), spacer.policy.verticalPolicy());
        spacer.owner->invalidate();
    }

    // The window as large as its contents need, and no larger than the screen.
    QWidget* w = window.window;
    if (w->layout()) w->layout()->activate();
    const QSize size = w->sizeHint().expandedTo(grown(window.size, f)).boundedTo(room);
    if (window.fixed) w->setFixedSize(size);
    else if (window.size.isValid() || w->isVisible()) w->resize(size);
}

bool SideWindowScale::eventFilter(QObject* watched, QEvent* event)
{
    // A window the table opens that is none of the side windows (a message
    // box, a colour choice) takes the font as it is first shown.
    if (watched == m_table && event->type() == QEvent::ChildPolished && m_factor != 1.0) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child && child->isWindow() && !child->testAttribute(Qt::WA_SetFont)) {
            // Its parts are polished already and keep their fonts: each is grown.
            for (QWidget* part : child->findChildren<QWidget*>()) part->setFont(grown(part->font(), m_factor));
            child->setFont(fontAt(m_factor));
        }
    }
    return QObject::eventFilter(watched, event);
}
