// Captions that follow the player's language. A widget's text, tooltip or
// window title is given as a function that says it (a tr() call where it is
// written, so the translation tools find it); the caption is set at once,
// kept beside the widget, and said again by retranslateCaptions() when the
// language changes. A caption dies with its widget.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QWidget;

namespace captions {

using Words = std::function<QString()>;

// The text of a label, button, check box, action or line edit, the title
// of a menu or group box.
void text(QObject* target, Words words);
void tip(QObject* target, Words words);
// The status bar's words of an action.
void statusTip(QObject* target, Words words);
void title(QWidget* window, Words words);
// The placeholder of a line edit.
void placeholder(QObject* target, Words words);
// The items of a combo box, in order; the chosen one stays chosen.
void items(QObject* target, std::function<QStringList()> words);
// Anything else said in the language: run now and at every change.
void custom(QObject* owner, std::function<void()> say);

// Says every kept caption of the object and of all its descendants again.
void retranslateCaptions(QObject* root);

} // namespace captions

// The object with its text kept by captions::text, for building in one
// expression: withCaption(menu->addAction(QString()), [] { return tr("Exit"); }).
template <typename T>
T* withCaption(T* target, captions::Words words)
{
    captions::text(target, std::move(words));
    return target;
}
