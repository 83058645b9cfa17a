#include "dialogs/dialogstyle.h"

#include "resources/qt/artwork.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

void useTableBackground(QWidget* window)
{
    QPalette felt = window->palette();
    felt.setBrush(QPalette::Window, QBrush(artwork::cloth()));
    felt.setColor(QPalette::WindowText, QColor(0xf2, 0xf4, 0xf0));
    window->setPalette(felt);
    window->setAutoFillBackground(true);
    // The table's style sheet reaches its side windows too; their own words
    // are light on the cloth.
    // Buttons keep room around their words, and the boxes' size is named:
    // lengths grow with the window when the table is drawn larger.
    window->setStyleSheet(window->styleSheet() +
                          QStringLiteral("QLabel, QCheckBox, QGroupBox { color: #f2f4f0; }"
                                         "QPushButton { padding: 4px 14px; }"
                                         "QCheckBox::indicator { width: 13px; height: 13px; }"));
}

QLabel* wrappedText(const QString& text, QWidget* parent, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (name) label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}
