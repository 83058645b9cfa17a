#include "table/qt/tableannouncer.h"

#include "table/qt/liveregion.h"
#include "table/tablemirror.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

TableAnnouncer::TableAnnouncer(QWidget* table) : QObject(table), m_table(table), m_region(new LiveRegion(table))
{
    m_region->show();
    qApp->installEventFilter(this);
}

bool TableAnnouncer::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::KeyPress) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_table)
        m_pressed = true;
    return false;
}

void TableAnnouncer::follow(const brixo::TableMirror& mirror, const brixo::TableUpdate& update)
{
    if (m_following != &mirror) {
        m_narrator = {};
        m_following = &mirror;
    }
    const std::vector<std::string> said = m_narrator.follow(mirror, update, std::exchange(m_pressed, false));
    if (said.empty()) return;
    QStringList words;
    for (const std::string& s : said) words << QString::fromStdString(s);
    m_region->announce(words.join(QLatin1Char(' ')));
}
