// The chat: the display with its coloured lines and links, the input line,
// the phrase buttons and their editor, and the chat's menu items.
#include "table/qt/chatform.h"

#include "dialogs/phrasesform.h"
#include "table/chatrules.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

QColor toQColor(brixo::Colour c)
{
    return QColor(brixo::redOf(c), brixo::greenOf(c), brixo::blueOf(c));
}

brixo::Colour fromQColor(const QColor& c)
{
    return brixo::colourOf(c.red(), c.green(), c.blue());
}

} // namespace

// ---- the display ------------------------------------------------------------------

void Tchat::addlinetochat(const QString& line, const QColor& colour)
{
    QScrollBar* bar = mainchat->verticalScrollBar();
    const int readerAt = bar->value();
    const QTextCursor readerCursor = mainchat->textCursor();
    mainchat->setUpdatesEnabled(false);

    QTextCursor cursor(mainchat->document());
    cursor.movePosition(QTextCursor::End);
    if (!mainchat->document()->isEmpty()) cursor.insertBlock();
    QTextCharFormat plain;
    plain.setForeground(colour);
    plain.setFontWeight(QFont::Normal);
    const int colon = line.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        // The speaker and the word before the colon stand out.
        QTextCharFormat bold = plain;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(line.left(colon + 1), bold);
        cursor.insertText(line.mid(colon + 1), plain);
    } else {
        cursor.insertText(line, plain);
    }

    if (ScrollChatOff1->isChecked()) {
        // A reader scrolled back stays where they were.
        mainchat->setTextCursor(readerCursor);
        bar->setValue(readerAt);
    } else {
        bar->setValue(bar->maximum());
    }
    mainchat->setUpdatesEnabled(true);
}

void Tchat::Copy1Click()
{
    QString selected = mainchat->textCursor().selectedText();
    if (!selected.isEmpty()) QApplication::clipboard()->setText(selected.replace(QChar::ParagraphSeparator, u'\n'));
}

void Tchat::ClearMainChat1Click()
{
    mainchat->clear();
    mychat->setFocus();
}

void Tchat::ScrollChatOff1Click(bool on)
{
    // The Options menu's item and the display's are one setting.
    ScrollChatOff1->setChecked(on);
    ScrollChatOff2->setChecked(on);
}

void Tchat::N14Click(int size)
{
    m_settings.textsize = size;
    showTextSize();
    saveinifile();
}

void Tchat::showTextSize()
{
    // The lines take another height: a chat that follows the newest line
    // (or whose reader was at it) still shows it.
    QScrollBar* bar = mainchat->verticalScrollBar();
    const bool following = !ScrollChatOff1->isChecked() || bar->value() == bar->maximum();
    QFont font = mainchat->font();
    font.setPointSizeF(m_settings.textsize * m_scale.factor());
    mainchat->setFont(font);
    if (following) bar->setValue(bar->maximum());
    for (QAction* item : TextSize1->actions()) item->setChecked(item->data().toInt() == m_settings.textsize);
}

// ---- links --------------------------------------------------------------------------

// The character of the display's text under a point of its viewport, or -1
// off the text.
int Tchat::chatCharacterAt(const QPoint& point) const
{
    const QPointF inDocument(point.x() + mainchat->horizontalScrollBar()->value(),
                             point.y() + mainchat->verticalScrollBar()->value());
    int at = mainchat->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    if (at < 0) return -1;
    QTextCursor cursor(mainchat->document());
    cursor.setPosition(at);
    // The hit is the nearest gap between characters; the character is the
    // one the point lies on.
    if (at > 0 && mainchat->cursorRect(cursor).x() > point.x()) --at;
    return at;
}

std::optional<QString> Tchat::chatLinkAt(const QPoint& point, int* start) const
{
    const int at = chatCharacterAt(point);
    if (at < 0) return std::nullopt;
    const std::u16string text = mainchat->toPlainText().toStdU16String();
    const auto link = brixo::chatrules::linkAt(text, std::size_t(at));
    if (!link) return std::nullopt;
    if (start) *start = int(link->start);
    return QString::fromStdU16String(text.substr(link->start, link->length));
}

void Tchat::mainchatMouseMove(const QPoint& point)
{
    if (chatLinkAt(point)) mainchat->viewport()->setCursor(Qt::PointingHandCursor);
    else mainchat->viewport()->setCursor(Qt::IBeamCursor);
}

bool Tchat::mainchatMouseDown(const QPoint& point)
{
    int start = 0;
    const auto link = chatLinkAt(point, &start);
    if (!link) return false;
    QTextCursor selection(mainchat->document());
    selection.setPosition(start);
    selection.setPosition(start + int(link->size()), QTextCursor::KeepAnchor);
    mainchat->setTextCursor(selection);
    // Links come from other players: only web and mail links are opened.
    if (brixo::chatrules::opens(link->toStdU16String())) m_linkOpener(QUrl::fromUserInput(*link));
    return true;
}

void Tchat::setLinkOpener(std::function<void(const QUrl&)> opener)
{
    m_linkOpener = std::move(opener);
}

// ---- the input line --------------------------------------------------------------------

void Tchat::sendit()
{
    if (!mirror().loggedIn()) return;
    const std::string line = mychat->text().toStdString();
    request([&](brixo::TableMirror& m) { return m.say(line, m_settings.textcolor, m_settings.actioncolor); });
    mychat->clear();
}

void Tchat::Paste1Click()
{
    const QString text = QApplication::clipboard()->text();
    if (!text.isEmpty()) mychat->setText(text);
}

void Tchat::showTextColour()
{
    mychat->setStyleSheet(QStringLiteral("color: %1;").arg(toQColor(m_settings.textcolor).name()));
}

void Tchat::TextColor1Click()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_settings.textcolor), this, tr("Text Color"));
    if (!chosen.isValid()) return;
    m_settings.textcolor = fromQColor(chosen);
    showTextColour();
    saveinifile();
}

void Tchat::ActionColor1Click()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_settings.actioncolor), this, tr("Action Color"));
    if (!chosen.isValid()) return;
    m_settings.actioncolor = fromQColor(chosen);
    saveinifile();
}

// ---- phrases ------------------------------------------------------------------------------

const QStringList& Tchat::defaultPhrases()
{
    // In English; a button that keeps its default says it in the player's
    // language (buildPhraseButtons).
    static const QStringList phrases{QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Way To Go!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Good One!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Nice Try!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Excellent!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Brilliant!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Wow, WTG!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Thanks!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Way To Go Teamie!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "Good Game Everyone!")),
                                     QString::fromUtf8(QT_TRANSLATE_NOOP("Tchat", "/me waves \"Good-Bye\""))};
    return phrases;
}

QString Tchat::phrase(int n) const
{
    return m_buttonPhrases.value(n - 1);
}

// A button's phrase shows as its tooltip.
void Tchat::setPhrase(int n, const QString& text)
{
    m_buttonPhrases[n - 1] = text;
    b_phrase[n]->setToolTip(text);
}

void Tchat::b_phrase1Click(int n)
{
    const std::string words = phrase(n).toStdString();
    const auto now = brixo::chatrules::PhraseLock::Clock::now();
    request([&](brixo::TableMirror& m) { return m.sayPhrase(words, m_settings.actioncolor, now); });
    // The buttons stand greyed while the lock is closed.
    const auto closed = std::chrono::ceil<std::chrono::milliseconds>(mirror().phraseLock().closedFor(now));
    if (closed.count() <= 0) return;
    for (int i = 1; i <= brixo::kPhraseCount; ++i) b_phrase[i]->setEnabled(false);
    QTimer::singleShot(closed + std::chrono::milliseconds(1), Qt::PreciseTimer, this, [this] {
        for (int i = 1; i <= brixo::kPhraseCount; ++i) b_phrase[i]->setEnabled(true);
    });
}

void Tchat::PrhaseList1Click()
{
    m_phrases->setPhrases(m_buttonPhrases);
    m_phrases->show();
    m_phrases->raise();
}

// The editor's "Done": the buttons take the phrases, and the file keeps them.
void Tchat::phrasesDone(const QStringList& phrases)
{
    for (int n = 1; n <= brixo::kPhraseCount; ++n) setPhrase(n, phrases.value(n - 1).left(brixo::kPhraseLength));
    savePhrasesToFile();
}
