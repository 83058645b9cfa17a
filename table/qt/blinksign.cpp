#include "table/qt/blinksign.h"

#include <QTimer>

BlinkSign::BlinkSign(const QPixmap& quiet, const QPixmap& lit, QWidget* parent)
    : QLabel(parent), m_frames{quiet, lit}, m_timer(new QTimer(this))
{
    m_timer->setInterval(300);
    connect(m_timer, &QTimer::timeout, this, [this] { showFrame(1 - m_frame); });
    showFrame(0);
}

void BlinkSign::play()
{
    if (!m_timer->isActive()) m_timer->start();
}

void BlinkSign::stop()
{
    m_timer->stop();
    showFrame(0);
}

void BlinkSign::showFrame(int frame)
{
    m_frame = frame;
    setPixmap(m_frames[frame]);
}
