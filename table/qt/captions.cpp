#include "table/qt/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QWidget>

#include <vector>

namespace captions {

namespace {

// Holds the captions of the object it is a child of.
class CaptionKeeper : public QObject {
public:
    explicit CaptionKeeper(QObject* owner) : QObject(owner) { setObjectName(QStringLiteral("captionKeeper")); }
    std::vector<std::function<void()>> says;
};

CaptionKeeper* captionKeeperOf(QObject* owner)
{
    for (QObject* child : owner->children())
        if (auto* keeper = dynamic_cast<CaptionKeeper*>(child)) return keeper;
    return new CaptionKeeper(owner);
}

void keepCaption(QObject* owner, std::function<void()> say)
{
    say();
    captionKeeperOf(owner)->says.push_back(std::move(say));
}

void setText(QObject* target, const QString& words)
{
    if (auto* menu = qobject_cast<QMenu*>(target)) menu->setTitle(words);
    else if (auto* action = qobject_cast<QAction*>(target)) action->setText(words);
    else if (auto* label = qobject_cast<QLabel*>(target)) label->setText(words);
    else if (auto* button = qobject_cast<QAbstractButton*>(target)) button->setText(words);
    else if (auto* box = qobject_cast<QGroupBox*>(target)) box->setTitle(words);
    else if (auto* line = qobject_cast<QLineEdit*>(target)) line->setText(words);
}

} // namespace

void text(QObject* target, Words words)
{
    keepCaption(target, [target, words] { setText(target, words()); });
}

void tip(QObject* target, Words words)
{
    keepCaption(target, [target, words] {
        if (auto* action = qobject_cast<QAction*>(target)) action->setToolTip(words());
        else if (auto* widget = qobject_cast<QWidget*>(target)) widget->setToolTip(words());
    });
}

void statusTip(QObject* target, Words words)
{
    keepCaption(target, [target, words] {
        if (auto* action = qobject_cast<QAction*>(target)) action->setStatusTip(words());
        else if (auto* widget = qobject_cast<QWidget*>(target)) widget->setStatusTip(words());
    });
}

void title(QWidget* window, Words words)
{
    keepCaption(window, [window, words] { window->setWindowTitle(words()); });
}

void placeholder(QObject* target, Words words)
{
    keepCaption(target, [target, words] {
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->setPlaceholderText(words());
    });
}

void items(QObject* target, std::function<QStringList()> words)
{
    keepCaption(target, [target, words] {
        auto* box = qobject_cast<QComboBox*>(target);
        if (!box) return;
        const QStringList said = words();
        for (int i = 0; i < said.size() && i < box->count(); ++i) box->setItemText(i, said[i]);
        for (int i = box->count(); i < said.size(); ++i) box->addItem(said[i]);
    });
}

void custom(QObject* owner, std::function<void()> say)
{
    keepCaption(owner, std::move(say));
}

void retranslateCaptions(QObject* root)
{
    QList<QObject*> found = root->findChildren<QObject*>(QStringLiteral("captionKeeper"));
    for (QObject* object : found)
        if (auto* keeper = dynamic_cast<CaptionKeeper*>(object))
            for (const auto& say : keeper->says) say();
}

} // namespace captions
