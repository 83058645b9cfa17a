#include "dialogs/phrasesform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tphrases::Tphrases(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("phrases"));
    captions::title(this, [] { return tr("Brixo - Phrase Buttons"); });
    useTableBackground(this);

    auto* grid = new QGridLayout(this);
    auto* note =
        withCaption(new QLabel(QString(), this), [] { return tr("Buttons can only be used once every 2 seconds"); });
    note->setObjectName(QStringLiteral("label_note"));
    grid->addWidget(note, 0, 0, 1, 2);
    for (int n = 1; n <= kPhrases; ++n) {
        grid->addWidget(withCaption(new QLabel(this), [n] { return tr("Phrase Button %1:").arg(n); }), n, 0);
        phrase[n] = new QLineEdit(this);
        phrase[n]->setObjectName(QStringLiteral("phrase%1").arg(n));
        phrase[n]->setMaxLength(50);
        phrase[n]->setMinimumWidth(260);
        grid->addWidget(phrase[n], n, 1);
    }
    auto* done = withCaption(new QPushButton(QString(), this), [] { return tr("Done"); });
    done->setObjectName(QStringLiteral("button_done"));
    done->setDefault(true);
    grid->addWidget(done, kPhrases + 1, 1, Qt::AlignRight);
    connect(done, &QPushButton::clicked, this, &Tphrases::pressdone);
}

void Tphrases::setPhrases(const QStringList& phrases)
{
    for (int n = 1; n <= kPhrases; ++n) phrase[n]->setText(phrases.value(n - 1));
}

QStringList Tphrases::phrases() const
{
    QStringList list;
    for (int n = 1; n <= kPhrases; ++n) list << phrase[n]->text();
    return list;
}

void Tphrases::pressdone()
{
    emit phrasesDone(phrases());
    hide();
}
