#include "table/qt/language.h"

#include "table/qt/captions.h"
#include "table/wording.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>
#include <QWidget>

namespace language {

namespace {

// Every window says its kept captions again when the language changes,
// before its own changeEvent() rebuilds what it shows from the game.
class CaptionsOnLanguageChange : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange) {
            // A menu's items are said by the window it belongs to, which
            // also puts back what it shows in place of a caption.
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) captions::retranslateCaptions(widget);
        }
        return false;
    }
};

struct Installed {
    QTranslator* brixo = nullptr;
    QTranslator* qt = nullptr;
    QString chosen;
    QString spoken = QStringLiteral("en");
    bool filtering = false;
};

Installed& installed()
{
    static Installed state;
    return state;
}

bool known(const QString& code)
{
    for (const Choice& choice : choices())
        if (!code.isEmpty() && choice.code == code) return true;
    return false;
}

} // namespace

const QList<Choice>& choices()
{
    // Each language is named in itself, so a player lost in a foreign one
    // still finds their own.
    static const QList<Choice> list{
        {QString(), QString()},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
        {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
    };
    return list;
}

void apply(const QString& code)
{
    Installed& state = installed();
    auto* app = QCoreApplication::instance();
    if (!app) return;
    if (!state.filtering) {
        app->installEventFilter(new CaptionsOnLanguageChange(app));
        state.filtering = true;
    }
    if (!state.brixo) state.brixo = new QTranslator(app);
    if (!state.qt) state.qt = new QTranslator(app);
    QCoreApplication::removeTranslator(state.brixo);
    QCoreApplication::removeTranslator(state.qt);

    state.chosen = known(code) ? code : QString();
    const QLocale locale = state.chosen.isEmpty() ? QLocale::system() : QLocale(state.chosen);
    state.spoken = QStringLiteral("en");
    // English is the source: nothing to load. Otherwise the table's own
    // words, embedded at build time, and Qt's words for its standard
    // buttons and dialogs, from where Qt keeps them.
    if (locale.language() != QLocale::English && locale.language() != QLocale::C &&
        state.brixo->load(locale, QStringLiteral("brixo"), QStringLiteral("_"), QStringLiteral(":/translations"))) {
        state.spoken = state.brixo->language().left(2);
        QCoreApplication::installTranslator(state.brixo);
        if (state.qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(state.qt);
    }
    brixo::settranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    // Every window hears of every choice, English included (removing a
    // translator that was not installed tells nobody), hidden ones too.
    for (QWidget* window : QApplication::topLevelWidgets())
        QCoreApplication::postEvent(window, new QEvent(QEvent::LanguageChange));
}

QString chosen()
{
    return installed().chosen;
}

QString spoken()
{
    return installed().spoken;
}

} // namespace language
