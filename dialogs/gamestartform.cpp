#include "dialogs/gamestartform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"
#include "dialogs/updown.h"
#include "model/gameoptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tgamestart::Tgamestart(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("gamestart"));
    captions::title(this, [] { return tr("Brixo - Game Start"); });
    useTableBackground(this);
    setModal(false);

    UpDown1 = new UpDown(brixo::kPlayToRange.low, brixo::kPlayToRange.high, brixo::kPlayToRange.step,
                         brixo::kPlayToRange.fallback, this);
    UpDown2 = new UpDown(brixo::kTurnTimeRange.low, brixo::kTurnTimeRange.high, brixo::kTurnTimeRange.step,
                         brixo::kTurnTimeRange.fallback, this);
    UpDown3 = new UpDown(brixo::kTilesToStartRange.low, brixo::kTilesToStartRange.high,
                         brixo::kTilesToStartRange.step, brixo::kTilesToStartRange.fallback, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown3->setObjectName(QStringLiteral("UpDown3"));
    edit_playtoscore = UpDown1->edit();
    edit_creationtime = UpDown2->edit();
    edit_tiles = UpDown3->edit();
    edit_playtoscore->setObjectName(QStringLiteral("edit_playtoscore"));
    edit_creationtime->setObjectName(QStringLiteral("edit_creationtime"));
    edit_tiles->setObjectName(QStringLiteral("edit_tiles"));

    checkbox_tp = withCaption(new QCheckBox(QString(), this), [] { return tr("Time Penalty"); });
    checkbox_tp->setObjectName(QStringLiteral("checkbox_tp"));
    checkbox_tp->setChecked(true);
    checkbox_tg = withCaption(new QCheckBox(QString(), this), [] { return tr("Team Game"); });
    checkbox_tg->setObjectName(QStringLiteral("checkbox_tg"));

    button_start = withCaption(new QPushButton(QString(), this), [] { return tr("Start Game"); });
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->setDefault(true);
    button_start->setMinimumHeight(32);

    auto* heading = withCaption(new QLabel(QString(), this), [] { return tr("Game Options"); });
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    heading->setFont(big);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("Play to Score:"); }), 0, 0);
    grid->addWidget(UpDown1, 0, 1);
    //: The seconds each turn may take.
    grid->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("Creation Time:"); }), 1, 0);
    grid->addWidget(UpDown2, 1, 1);
    grid->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("secs"); }), 1, 2);
    grid->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("Tiles to Start With::"); }), 2, 0);
    grid->addWidget(UpDown3, 2, 1);
    grid->addWidget(checkbox_tp, 3, 0, 1, 3);
    grid->addWidget(checkbox_tg, 4, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(button_start);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));

    connect(button_start, &QPushButton::clicked, this, &Tgamestart::button_startClick);
}

brixo::GameOptions Tgamestart::options() const
{
    brixo::GameOptions o;
    o.playto = UpDown1->position();
    o.turntime = UpDown2->position();
    o.tilestostart = UpDown3->position();
    o.timepenalty = checkbox_tp->isChecked();
    o.teamgame = checkbox_tg->isChecked();
    return o;
}

void Tgamestart::setOptions(const brixo::GameOptions& options)
{
    UpDown1->setPosition(options.playto);
    UpDown2->setPosition(options.turntime);
    UpDown3->setPosition(options.tilestostart);
    checkbox_tp->setChecked(options.timepenalty);
    checkbox_tg->setChecked(options.teamgame);
}

void Tgamestart::button_startClick()
{
    // A number still being typed counts as if its box had been left.
    for (UpDown* number : {UpDown1, UpDown2, UpDown3}) number->takeTyped();
    emit startRequested(options());
    hide();
}
