#include "dialogs/helpform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

struct PageOf {
    const char* caption;
    const char* file;
};
constexpr PageOf kPageOf[Thelp::kPages + 1] = {
    {"", ""},
    {QT_TRANSLATE_NOOP("Thelp", "Overview"), ":/help/overview.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Connecting"), ":/help/connecting.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Game Play"), ":/help/gameplay.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Scoring"), ":/help/scoring.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Documentation"), ":/help/documentation.md"},
    {QT_TRANSLATE_NOOP("Thelp", "License"), ":/help/license.md"},
};

QString pageText(const char* file)
{
    QFile page(QString::fromLatin1(file));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

} // namespace

Thelp::Thelp(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("help"));
    captions::title(this, [] { return tr("Brixo - Help File"); });
    useTableBackground(this);
    resize(720, 520);

    auto* side = new QVBoxLayout;
    m_stack = new QStackedWidget(this);
    for (int tag = 1; tag <= kPages; ++tag) {
        pages[tag] = withCaption(new QPushButton(this), [tag] { return tr(kPageOf[tag].caption); });
        pages[tag]->setObjectName(QStringLiteral("button_page%1").arg(tag));
        pages[tag]->setProperty("tag", tag);
        pages[tag]->setMinimumWidth(120);
        connect(pages[tag], &QPushButton::clicked, this, [this, tag] { showPage(tag); });
        side->addWidget(pages[tag]);

        memo[tag] = new QTextBrowser(this);
        memo[tag]->setObjectName(QStringLiteral("memo%1").arg(tag));
        memo[tag]->setOpenExternalLinks(true);
        memo[tag]->setMarkdown(pageText(kPageOf[tag].file));
        m_stack->addWidget(memo[tag]);
    }
    side->addStretch();
    button_about = withCaption(new QPushButton(QString(), this), [] { return tr("About"); });
    button_about->setObjectName(QStringLiteral("button_about"));
    button_done = withCaption(new QPushButton(QString(), this), [] { return tr("Done"); });
    button_done->setObjectName(QStringLiteral("button_done"));
    side->addWidget(button_about);
    side->addWidget(button_done);
    connect(button_about, &QPushButton::clicked, this, &Thelp::aboutRequested);
    connect(button_done, &QPushButton::clicked, this, &QDialog::hide);

    label_caption = new QLabel(this);
    label_caption->setObjectName(QStringLiteral("label_caption"));
    QFont big = label_caption->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    label_caption->setFont(big);
    auto* right = new QVBoxLayout;
    right->addWidget(label_caption);
    right->addWidget(m_stack, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addLayout(right, 1);
    showPage(1);
}

void Thelp::showPage(int tag)
{
    if (tag < 1 || tag > kPages) return;
    m_page = tag;
    m_stack->setCurrentWidget(memo[tag]);
    label_caption->setText(QString::fromLatin1(kPageOf[tag].caption));
}
