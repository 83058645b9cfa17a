// The language the table speaks: Options > Language, kept in the settings
// file, and applied to every window at once.
#include "table/qt/chatform.h"

#include "table/qt/captions.h"
#include "table/qt/language.h"
#include "table/qt/soundplayer.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>

void Tchat::buildLanguageMenu(QMenu* options)
{
    QMenu* menu = withCaption(options->addMenu(QString()), [] { return tr("Language"); });
    menu->menuAction()->setObjectName(QStringLiteral("Language1"));
    auto* group = new QActionGroup(this);
    for (const language::Choice& choice : language::choices()) {
        QAction* item = menu->addAction(choice.name);
        item->setObjectName(QStringLiteral("Language_") +
                            (choice.code.isEmpty() ? QStringLiteral("system") : choice.code));
        // The system's choice is said in the language spoken; the others
        // each in their own.
        if (choice.code.isEmpty()) captions::text(item, [] { return tr("System"); });
        item->setData(choice.code);
        item->setCheckable(true);
        item->setChecked(choice.code == QString::fromStdString(m_settings.language));
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code = choice.code] { Language1Click(code); });
    }
}

void Tchat::Language1Click(const QString& code)
{
    m_settings.language = code.toStdString();
    for (QAction* item : findChildren<QAction*>())
        if (item->objectName().startsWith(QStringLiteral("Language_")))
            item->setChecked(item->data().toString() == code);
    if (language::chosen() != code) language::apply(code);
    saveinifile();
}

void Tchat::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void Tchat::retranslate()
{
    captions::retranslateCaptions(this);
    // What is built from the game's state is built again in the new words.
    showSoundChoice();
    showTitle();
    m_pictures.redraw();
    redrawTiles();
    render();
}
