#include "dialogs/updown.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(int low, int high, int step, int initial, QWidget* parent)
    : QWidget(parent), m_range{low, high, step, initial}, m_position(low), m_edit(new QLineEdit(this)),
      m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_edit->setAlignment(Qt::AlignRight);
    m_edit->setFixedWidth(56);
    // Digits only, no more than the largest value has.
    const int digits = int(QString::number(high).size());
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), m_edit));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(18, 12);
        b->setFocusPolicy(Qt::NoFocus);
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
    // An arrow steps from what was typed.
    connect(m_up, &QToolButton::clicked, this, [this] {
        takeTyped();
        stepUp();
    });
    connect(m_down, &QToolButton::clicked, this, [this] {
        takeTyped();
        stepDown();
    });
    connect(m_edit, &QLineEdit::editingFinished, this, &UpDown::takeTyped);
    m_edit->installEventFilter(this);
    setPosition(initial);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        takeTyped();
        m_edit->selectAll();
        return true;
    case Qt::Key_Up:
        takeTyped();
        stepUp();
        return true;
    case Qt::Key_Down:
        takeTyped();
        stepDown();
        return true;
    default:
        return false;
    }
}

void UpDown::setPosition(int value)
{
    m_position = m_range.snap(value);
    m_edit->setText(QString::number(m_position));
}

void UpDown::takeTyped()
{
    bool ok = false;
    const int typed = m_edit->text().toInt(&ok);
    setPosition(ok ? typed : m_position);
}
