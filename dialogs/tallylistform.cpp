#include "dialogs/tallylistform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"
#include "store/qt/gamefolders.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>

namespace {

std::filesystem::path dataPath(const char* name)
{
    return std::filesystem::path(gamefolders::dataFile(QString::fromLatin1(name)).toStdU16String());
}

std::string nameOf(const QListWidgetItem* item)
{
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    // Player names come from the network: shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QListWidget* makeList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumSize(150, 120);
    return list;
}

// The name as the network gave it rides along, so nothing is read back
// from the shown text.
QListWidgetItem* checkableItem(const std::string& name, bool checked)
{
    auto* item = new QListWidgetItem(QString::fromStdString(name));
    item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

Ttallylist::Ttallylist(PlayersAtTable playersAtTable, QWidget* parent)
    : QDialog(parent), m_playersAtTable(std::move(playersAtTable)), m_file(dataPath("brixotally.tld"), dataPath("agametally.tld"))
{
    setObjectName(QStringLiteral("tallylist"));
    captions::title(this, [] { return tr("Brixo - Tally List"); });
    setModal(false);
    useTableBackground(this);
    m_ask = [this](const QString& question) {
        QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, this);
        // A player's name is in the question: plain text. The box wears the
        // cloth too, or the light words it inherits would not show.
        box.setTextFormat(Qt::PlainText);
        useTableBackground(&box);
        return box.exec() == QMessageBox::Yes;
    };

    auto* heading =
        withCaption(makeLabel(this, QStringLiteral("tally_heading"), QString()), [] { return tr("Your Tally"); });
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    heading->setFont(big);

    auto* mine = new QGridLayout;
    mine->setHorizontalSpacing(10);
    const captions::Words myCaptions[] = {{},
                                          [] { return tr("Total Games:"); },
                                          [] { return tr("Your Wins"); },
                                          [] { return QStringLiteral("Var3:"); },
                                          [] { return QStringLiteral("Var4:"); }};
    for (int n = 1; n <= 4; ++n) {
        auto* caption = withCaption(makeLabel(this, QString(), QString()), myCaptions[n]);
        mylabel[n] = makeLabel(this, QStringLiteral("mylabel_") + QString::number(n), QStringLiteral("0"));
        mine->addWidget(caption, 0, (n - 1) * 2);
        mine->addWidget(mylabel[n], 0, (n - 1) * 2 + 1);
        // The spare counts are kept, never shown.
        caption->setVisible(n <= 2);
        mylabel[n]->setVisible(n <= 2);
    }
    mine->setColumnStretch(8, 1);

    listbox_tally = makeList(this, QStringLiteral("listbox_tally"));
    checklist = makeList(this, QStringLiteral("checklist"));
    captions::tip(listbox_tally, [] { return tr("Click a name to see its tally; untick it to stop keeping it"); });
    captions::tip(checklist, [] { return tr("Tick a player to keep a tally of your games with them"); });
    auto* lists = new QGridLayout;
    lists->addWidget(withCaption(makeLabel(this, QStringLiteral("caption_tally"), QString()),
                                 [] { return tr("Players Being Tallied"); }),
                     0, 0);
    lists->addWidget(withCaption(makeLabel(this, QStringLiteral("caption_checklist"), QString()),
                                 [] { return tr("Players In Current Game"); }),
                     0, 1);
    lists->addWidget(listbox_tally, 1, 0);
    lists->addWidget(checklist, 1, 1);

    // The selected player's counts: all time and this session.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel_his"));
    auto* his = new QGridLayout(panel);
    his->setHorizontalSpacing(14);
    label_hisnametop = makeLabel(panel, QStringLiteral("label_hisnametop"), QString());
    QFont bold = label_hisnametop->font();
    bold.setBold(true);
    label_hisnametop->setFont(bold);
    his->addWidget(label_hisnametop, 0, 0);
    his->addWidget(withCaption(makeLabel(panel, QString(), QString()), [] { return tr("Total"); }), 0, 1,
                   Qt::AlignRight);
    his->addWidget(withCaption(makeLabel(panel, QString(), QString()), [] { return tr("Session"); }), 0, 2,
                   Qt::AlignRight);
    label_hisname = makeLabel(panel, QStringLiteral("label_hisname"), QString());
    QLabel* rowCaptions[] = {withCaption(makeLabel(panel, QString(), QString()), [] { return tr("Number of Games"); }),
                             label_hisname,
                             withCaption(makeLabel(panel, QString(), QString()), [] { return tr("Your Wins:"); }),
                             withCaption(makeLabel(panel, QString(), QString()), [] { return tr("Neither Won:"); })};
    for (int r = 0; r < 4; ++r) {
        his->addWidget(rowCaptions[r], r + 1, 0);
        for (int session = 0; session < 2; ++session) {
            const int n = r + 1 + session * brixo::Tally::kSession;
            label[n] = makeLabel(panel, QStringLiteral("label_") + QString::number(n), QStringLiteral("0"));
            label[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label[n]->setProperty("count", true);
            his->addWidget(label[n], r + 1, 1 + session);
        }
    }

    // The selected player's captions are said again with the language.
    captions::custom(label_hisname, [this] { showPlayer(listbox_tally->currentRow() + 1); });

    button_reset = withCaption(new QPushButton(QString(), this), [] { return tr("Reset Tally"); });
    button_reset->setObjectName(QStringLiteral("button_reset"));
    button_done = withCaption(new QPushButton(QString(), this), [] { return tr("Done"); });
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setDefault(true);
    for (QPushButton* b : {button_reset, button_done}) b->setMinimumSize(96, 30);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_reset);
    buttons->addStretch();
    buttons->addWidget(button_done);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(heading);
    layout->addLayout(mine);
    layout->addSpacing(6);
    layout->addLayout(lists);
    layout->addSpacing(6);
    layout->addWidget(panel);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // The counts sit on a darker panel, as the other side windows' groups do;
    // the owner's and the selected player's counts in the table's gold.
    setStyleSheet(styleSheet() +
                  QStringLiteral("#panel_his { background: rgba(0,0,0,70); border: 1px solid rgba(255,255,255,60);"
                                 " border-radius: 8px; }"
                                 "#panel_his QLabel { color: #f2f4f0; }"
                                 "QLabel#mylabel_1, QLabel#mylabel_2, #panel_his QLabel[count=\"true\"] {"
                                 " color: #ffd970; font-weight: bold; }"));
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

    connect(button_done, &QPushButton::clicked, this, &QDialog::hide);
    connect(button_reset, &QPushButton::clicked, this, &Ttallylist::button_resetClick);
    connect(checklist, &QListWidget::itemChanged, this, &Ttallylist::checklistClickCheck);
    connect(listbox_tally, &QListWidget::itemChanged, this, &Ttallylist::listbox_tallyClickCheck);
    connect(listbox_tally, &QListWidget::currentRowChanged, this, [this](int row) { showPlayer(row + 1); });

    brixo::TallyFile::Loaded loaded = m_file.load();
    stringgrid_scores = std::move(loaded.tally);
    m_loadProblem = text(loaded.problem);
    loadtally();
    if (!m_loadProblem.isEmpty()) {
        // Told once the table is up, without holding up the start.
        QTimer::singleShot(0, this, [this] {
            auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), m_loadProblem, QMessageBox::Ok,
                                        parentWidget());
            box->setObjectName(QStringLiteral("tally_problem"));
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setTextFormat(Qt::PlainText);
            box->show();
        });
    }
}

Ttallylist::~Ttallylist()
{
    // The last change could not be written: one more try at program end.
    if (m_unsaved) m_file.save(stringgrid_scores);
}

void Ttallylist::loadtally()
{
    showOwner();
    m_filling = true;
    listbox_tally->clear();
    for (const std::string& name : stringgrid_scores.followed()) listbox_tally->addItem(checkableItem(name, true));
    m_filling = false;
}

void Ttallylist::showOwner()
{
    for (int n = 1; n <= 4; ++n) mylabel[n]->setText(text(stringgrid_scores.cell(n, 0)));
}

void Ttallylist::showPlayer(int row)
{
    if (row < 1 || row >= stringgrid_scores.rowCount()) {
        label_hisnametop->setText(tr("Player's Tally"));
        label_hisname->setText(tr("Player Wins:"));
        for (int n = 1; n <= 8; ++n) label[n]->setText(QStringLiteral("0"));
        return;
    }
    const QString name = text(stringgrid_scores.cell(0, row));
    label_hisname->setText(tr("%1 Wins:").arg(name));
    label_hisnametop->setText(tr("%1's Tally").arg(name));
    for (int n = 1; n <= 8; ++n) label[n]->setText(text(stringgrid_scores.cell(n, row)));
}

void Ttallylist::ViewTally1Click()
{
    loadchecklist();
    show();
    raise();
    activateWindow();
}

void Ttallylist::loadchecklist()
{
    m_filling = true;
    checklist->clear();
    for (const std::string& name : m_playersAtTable())
        checklist->addItem(checkableItem(name, stringgrid_scores.rowOf(name) != 0));
    m_filling = false;
}

void Ttallylist::checklistClickCheck(QListWidgetItem* item)
{
    if (m_filling) return;
    const std::string name = nameOf(item);
    m_filling = true;
    if (item->checkState() == Qt::Checked && stringgrid_scores.follow(name)) {
        listbox_tally->addItem(checkableItem(name, true));
        tallyChanged();
    }
    // The tick always tells whether the name is followed.
    item->setCheckState(stringgrid_scores.rowOf(name) != 0 ? Qt::Checked : Qt::Unchecked);
    m_filling = false;
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem* item)
{
    if (m_filling || item->checkState() == Qt::Checked) return;
    const QString name = item->text();
    const int row = listbox_tally->row(item) + 1;
    if (!m_ask(tr("This will delete %1's Tally, Are you want to delete it?").arg(name))) {
        m_filling = true;
        item->setCheckState(Qt::Checked);
        m_filling = false;
        return;
    }
    stringgrid_scores.moverow(row);
    m_filling = true;
    delete listbox_tally->takeItem(row - 1);
    m_filling = false;
    showPlayer(listbox_tally->currentRow() + 1);
    loadchecklist();
    tallyChanged();
}

void Ttallylist::addgame(const std::string& result)
{
    loadchecklist();
    stringgrid_scores.addgame(result, m_playersAtTable());
    showOwner();
    showPlayer(listbox_tally->currentRow() + 1);
    tallyChanged();
}

void Ttallylist::button_resetClick()
{
    if (!m_ask(tr("Are you sure you want to reset the Tally?"))) return;
    stringgrid_scores.reset();
    loadtally();
    showPlayer(0);
    loadchecklist();
    tallyChanged();
}

void Ttallylist::tallyChanged()
{
    // Written at once, so a crash or a killed program loses no game.
    m_unsaved = !m_file.save(stringgrid_scores);
}
