#include "table/qt/liveregion.h"

#include <QAccessible>
#include <QCoreApplication>

LiveRegion::LiveRegion(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcement"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    setAccessibleName(QCoreApplication::translate("TableAccessible", "Announcements"));
}

void LiveRegion::announce(const QString& words)
{
    m_words = words;
    if (accessibleName() != words) {
        setAccessibleName(words);
    } else {
        // The same words twice in a row are still two announcements.
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    if (isVisible()) {
        hide();
        show();
    }
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
