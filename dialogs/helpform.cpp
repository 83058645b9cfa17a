#include "dialogs/helpform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QEvent>
#include <QVBoxLayout>

namespace {

struct PageOf {
    const char* caption;
    const char* file;
};
constexpr PageOf kPageOf[Thelp::kPages + 1] = {
    {"", ""},
    {QT_TRANSLATE_NOOP("Thelp", "Overview"), "overview.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Connecting"), "connecting.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Game Play"), "gameplay.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Scoring"), "scoring.md"},
    {QT_TRANSLATE_NOOP("Thelp", "Documentation"), "documentation.md"},
    {QT_TRANSLATE_NOOP("Thelp", "License"), "license.md"},
};

// The page in the given language (":/help/de/scoring.md") where the manual
// has been translated into it, else the English one.
QString pageText(const char* file, const QString& language)
{
    QFile page(QStringLiteral(":/help/%1/%2").arg(language, QLatin1String(file)));
    if (!page.exists()) page.setFileName(QStringLiteral(":/help/") + QLatin1String(file));
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
        m_stack->addWidget(memo[tag]);
    }
    side->addStretch();
    button_about = withCaption(new QPushButton(QString(), this), [] { return tr("About"); });
    button_about->setObjectName(QStringLiteral("button_about"));
    button_done = withCaption(new QPushButton(QString(), this), [] { return tr("Done"); });
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setDefault(true);
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
    loadPages();
    showPage(1);
}

// The player may pick another language while the program runs, so the pages
// follow the language in force whenever the window is shown.
void Thelp::loadPages()
{
    const QString language = QLocale::languageToCode(QLocale().language());
    if (language == m_language && !memo[1]->document()->isEmpty()) return;
    m_language = language;
    for (int tag = 1; tag <= kPages; ++tag) memo[tag]->setMarkdown(pageText(kPageOf[tag].file, language));
}

void Thelp::showEvent(QShowEvent* event)
{
    loadPages();
    QDialog::showEvent(event);
}

void Thelp::showPage(int tag)
{
    if (tag < 1 || tag > kPages) return;
    m_page = tag;
    m_stack->setCurrentWidget(memo[tag]);
    label_caption->setText(tr(kPageOf[tag].caption));
}

// A language picked while the manual is open shows at once.
void Thelp::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        loadPages();
        showPage(m_page);
    }
    QDialog::changeEvent(event);
}
