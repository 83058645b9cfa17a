#include "table/qt/scaledlayout.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QRegularExpression>

#include <cmath>

void ScaledLayout::capture(QWidget* root)
{
    m_parts.clear();
    captureTree(root);
}

void ScaledLayout::captureTree(QWidget* widget)
{
    Part part{widget, widget->geometry(), {}};
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) part.iconSize = button->iconSize();
    // A picture grows with its label.
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull())
        label->setScaledContents(true);
    m_parts.push_back(part);
    if (qobject_cast<QAbstractScrollArea*>(widget)) return;
    for (QObject* child : widget->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) captureTree(w);
}

void ScaledLayout::apply(const brixo::TableScale& scale)
{
    for (const Part& part : m_parts) {
        if (!part.widget) continue;
        const brixo::ScaledRect r = scale.rect(part.place.x(), part.place.y(), part.place.width(), part.place.height());
        part.widget->setGeometry(r.x, r.y, r.width, r.height);
        if (part.iconSize.isValid())
            if (auto* button = qobject_cast<QAbstractButton*>(part.widget.data()))
                button->setIconSize(QSize(scale.px(part.iconSize.width()), scale.px(part.iconSize.height())));
    }
}

QString ScaledLayout::scaledStyleSheet(const QString& styleSheet, const brixo::TableScale& scale)
{
    static const QRegularExpression length(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    QString out;
    qsizetype done = 0;
    for (auto it = length.globalMatch(styleSheet); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += styleSheet.mid(done, m.capturedStart() - done);
        const double base = m.captured(1).toDouble();
        // A hairline stays at least a pixel wide.
        const long scaled = std::max(base > 0 ? 1L : 0L, std::lround(base * scale.factor()));
        out += QString::number(scaled) + QStringLiteral("px");
        done = m.capturedEnd();
    }
    out += styleSheet.mid(done);
    return out;
}
