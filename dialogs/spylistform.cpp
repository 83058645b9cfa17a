#include "dialogs/spylistform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

Tspylist::Tspylist(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("spylist"));
    captions::title(this, [] { return tr("Brixo - Spys"); });
    setWindowFlag(Qt::WindowStaysOnTopHint);
    useTableBackground(this);

    listbox_spys = new QListWidget(this);
    listbox_spys->setObjectName(QStringLiteral("listbox_spys"));
    listbox_spys->setContextMenuPolicy(Qt::CustomContextMenu);

    m_menu = new QMenu(this);
    RemoveFromGame1 = withCaption(m_menu->addAction(QString()), [] { return tr("Remove From Game"); });
    RemoveFromGame1->setObjectName(QStringLiteral("RemoveFromGame1"));
    RemoveFromGame1->setEnabled(false);

    auto* done = withCaption(new QPushButton(QString(), this), [] { return tr("Done"); });
    done->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("Spy List"); }));
    layout->addWidget(listbox_spys);
    layout->addWidget(done, 0, Qt::AlignRight);
    resize(220, 260);

    connect(done, &QPushButton::clicked, this, &QDialog::hide);
    connect(listbox_spys, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QListWidgetItem* item = listbox_spys->itemAt(at);
        const int row = item ? listbox_spys->row(item) : -1;
        QAction* chosen = m_menu->exec(listbox_spys->viewport()->mapToGlobal(at));
        if (chosen == RemoveFromGame1) removeFromGame(row);
    });
}

void Tspylist::setEntries(const QStringList& entries)
{
    if (entries == this->entries()) return;
    listbox_spys->clear();
    listbox_spys->addItems(entries);
}

QStringList Tspylist::entries() const
{
    QStringList list;
    for (int i = 0; i < listbox_spys->count(); ++i) list << listbox_spys->item(i)->text();
    return list;
}

void Tspylist::removeFromGame(int row)
{
    if (!RemoveFromGame1->isEnabled() || row < 0 || row >= listbox_spys->count()) return;
    const QString text = listbox_spys->item(row)->text();
    bool ok = false;
    const int slot = text.section(QLatin1Char(':'), 0, 0).toInt(&ok);
    if (ok) emit kickRequested(slot);
}

void Tspylist::setRemoveOffered(bool offered)
{
    RemoveFromGame1->setEnabled(offered);
}
