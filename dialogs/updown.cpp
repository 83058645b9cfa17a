#include "dialogs/updown.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UpDown::UpDown(int low, int high, int step, int initial, QWidget* parent)
    : QWidget(parent), m_low(low), m_high(high), m_step(step), m_position(low),
      m_edit(new QLineEdit(this)), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_edit->setReadOnly(true);
    m_edit->setAlignment(Qt::AlignRight);
    m_edit->setFixedWidth(56);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(18, 12);
    }
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* row = new QHBoxLayout(this);
    row->setSpacing(1);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_edit);
    row->addLayout(arrows);
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
    setPosition(initial);
}

void UpDown::setPosition(int value)
{
    m_position = std::clamp(value, m_low, m_high);
    m_edit->setText(QString::number(m_position));
}
