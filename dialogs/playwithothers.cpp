#include "dialogs/playwithothers.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"
#include "dialogs/onlinepage.h"
#include "net/gamefinder.h"
#include "net/hostaddress.h"
#include "net/gameport.h"
#include "net/qt/gamelistener.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

PlayWithOthers::PlayWithOthers(QWidget* parent) : QDialog(parent), m_listener(new GameListener(this))
{
    setObjectName(QStringLiteral("playwithothers"));
    captions::title(this, [] { return tr("Brixo - Play with Others"); });
    useTableBackground(this);
    setModal(false);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("Your name:"); }));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edit_name"));
    m_name->setMaxLength(24);
    captions::placeholder(m_name, [] { return tr("The name others see"); });
    nameRow->addWidget(m_name, 1);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->addTab(buildHostPage(), QString());
    m_pages->addTab(buildGamesPage(), QString());
    m_pages->addTab(buildAddressPage(), QString());
    m_online = new OnlinePage(m_pages);
    m_pages->addTab(m_online, QString());
    captions::custom(m_pages, [this] {
        m_pages->setTabText(0, tr("Host a Game"));
        m_pages->setTabText(1, tr("Games on This Network"));
        m_pages->setTabText(2, tr("Join by Address"));
        m_pages->setTabText(3, tr("Online"));
    });
    connect(m_online, &OnlinePage::createRequested, this,
            [this](const QString& lobby, const QString& title, bool isPublic) {
                if (haveName(m_online->problemLabel())) emit createRoomRequested(playerName(), lobby, title, isPublic);
            });
    connect(m_online, &OnlinePage::joinRequested, this, [this](const QString& lobby, const QString& code) {
        if (haveName(m_online->problemLabel())) emit joinRoomRequested(playerName(), lobby, code);
    });

    auto* close = withCaption(namedButton(this, "button_close", QString()), [] { return tr("Close"); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(m_pages, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    setMinimumSize(540, 380);
    setStyleSheet(styleSheet() + QStringLiteral("QTabWidget::pane { background: rgba(0,0,0,60); border-radius: 6px; }"
                                 "QPushButton { padding: 4px 14px; }"
                                 "QLabel#label_problem_host, QLabel#label_problem_address, "
                                 "QLabel#label_problem_online, "
                                 "QLabel#label_games_status { color: #ffd970; }"));

    connect(m_pages, &QTabWidget::currentChanged, this, &PlayWithOthers::listenWhileShown);
    // Enter presses the shown page's own button; the address and online
    // pages answer Enter in their boxes themselves.
    const auto pageDefault = [this](int page) {
        m_host->setDefault(m_pages->widget(page)->isAncestorOf(m_host));
        m_joinFound->setDefault(m_pages->widget(page)->isAncestorOf(m_joinFound));
    };
    connect(m_pages, &QTabWidget::currentChanged, this, pageDefault);
    pageDefault(m_pages->currentIndex());
    connect(m_listener, &GameListener::gamesChanged, this, &PlayWithOthers::showGames);
}

// What the host page says, while the table hosts and while it does not.
QString PlayWithOthers::hostWords(bool hosting)
{
    return hosting ? tr("This table hosts a game. Others join it from Games on This Network, or by one of these "
                        "addresses:")
                   : tr("Host a game here: others on this network see it under Games on This Network, or join it "
                        "by one of the addresses shown once it runs.");
}

QWidget* PlayWithOthers::buildHostPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("page_host"));
    m_hostText = wrappedText(QString(), page, "label_host");
    m_host = withCaption(namedButton(page, "button_host", QString()), [] { return tr("Host a Game"); });
    m_stopHosting = withCaption(namedButton(page, "button_stophosting", QString()), [] { return tr("Stop Hosting"); });
    m_stopHosting->hide();
    captions::custom(m_hostText, [this] { m_hostText->setText(hostWords(!m_stopHosting->isHidden())); });
    m_hostProblem = wrappedText(QString(), page, "label_problem_host");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_hostText);
    m_endpoints = new QVBoxLayout;
    layout->addLayout(m_endpoints);
    layout->addWidget(m_hostProblem);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_stopHosting);
    buttons->addWidget(m_host);
    layout->addLayout(buttons);
    connect(m_host, &QPushButton::clicked, this, &PlayWithOthers::hostClick);
    connect(m_stopHosting, &QPushButton::clicked, this, &PlayWithOthers::stopHostingClick);
    return page;
}

QWidget* PlayWithOthers::buildGamesPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("page_games"));
    m_games = new QTreeWidget(page);
    m_games->setObjectName(QStringLiteral("list_games"));
    m_games->setRootIsDecorated(false);
    captions::custom(m_games, [this] {
        m_games->setHeaderLabels(
            {tr("Host"), tr("Players"), tr("Free"), tr("Game"), tr("Play to"), tr("Version"), tr("Address")});
    });
    m_games->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_gamesStatus = wrappedText(QString(), page, "label_games_status");
    m_joinFound = withCaption(namedButton(page, "button_joinfound", QString()), [] { return tr("Join"); });
    m_joinFound->setEnabled(false);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_games, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_gamesStatus, 1);
    row->addWidget(m_joinFound);
    layout->addLayout(row);
    connect(m_games, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_joinFound->setEnabled(!m_games->selectedItems().isEmpty()); });
    connect(m_games, &QTreeWidget::itemDoubleClicked, this, &PlayWithOthers::joinFoundClick);
    connect(m_joinFound, &QPushButton::clicked, this, &PlayWithOthers::joinFoundClick);
    showGames();
    return page;
}

QWidget* PlayWithOthers::buildAddressPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("page_address"));
    auto* explain = withCaption(wrappedText(QString(), page), [] {
        return tr("The host's address, as its Play with Others window shows it: a name or "
                  "an IP address, with :port when it is not %1 (an IPv6 address in "
                  "brackets, [::1]:%1).")
            .arg(brixo::kGamePort);
    });
    m_address = new QComboBox(page);
    m_address->setObjectName(QStringLiteral("combo_address"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_joinAddress = withCaption(namedButton(page, "button_joinaddress", QString()), [] { return tr("Join"); });
    m_addressProblem = wrappedText(QString(), page, "label_problem_address");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(explain);
    auto* row = new QHBoxLayout;
    row->addWidget(m_address, 1);
    row->addWidget(m_joinAddress);
    layout->addLayout(row);
    layout->addWidget(m_addressProblem);
    layout->addStretch(1);
    connect(m_joinAddress, &QPushButton::clicked, this, &PlayWithOthers::joinAddressClick);
    connect(m_address->lineEdit(), &QLineEdit::returnPressed, this, &PlayWithOthers::joinAddressClick);
    return page;
}

void PlayWithOthers::setPlayerName(const QString& name)
{
    m_name->setText(name);
}

QString PlayWithOthers::playerName() const
{
    return m_name->text().trimmed();
}

void PlayWithOthers::setRecentHosts(const QStringList& hosts)
{
    const QString typed = m_address->currentText();
    m_address->clear();
    m_address->addItems(hosts);
    m_address->setEditText(typed.isEmpty() ? hosts.value(0) : typed);
}

void PlayWithOthers::setHosting(const QStringList& endpoints)
{
    while (QLayoutItem* item = m_endpoints->takeAt(0)) {
        if (QLayout* row = item->layout()) {
            while (QLayoutItem* part = row->takeAt(0)) {
                delete part->widget();
                delete part;
            }
        }
        delete item->widget();
        delete item;
    }
    const bool hosting = !endpoints.isEmpty();
    m_host->setVisible(!hosting);
    m_stopHosting->setVisible(hosting);
    m_hostProblem->clear();
    m_hostText->setText(hostWords(hosting));
    int n = 0;
    for (const QString& endpoint : endpoints) {
        auto* row = new QHBoxLayout;
        auto* shown = new QLabel(endpoint, this);
        shown->setObjectName(QStringLiteral("label_endpoint%1").arg(++n));
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* copy = withCaption(new QPushButton(QString(), this), [] { return tr("Copy"); });
        copy->setObjectName(QStringLiteral("button_copy%1").arg(n));
        connect(copy, &QPushButton::clicked, this, [endpoint] { QApplication::clipboard()->setText(endpoint); });
        row->addWidget(shown, 1);
        row->addWidget(copy);
        m_endpoints->addLayout(row);
    }
}

void PlayWithOthers::showPage(Page page)
{
    m_pages->setCurrentIndex(static_cast<int>(page));
}

void PlayWithOthers::setLobby(const QString& address)
{
    m_online->setLobby(address);
}

void PlayWithOthers::showOnlineProblem(const QString& text)
{
    m_online->showProblem(text);
}

bool PlayWithOthers::haveName(QLabel* reasonLabel)
{
    if (!playerName().isEmpty()) {
        reasonLabel->clear();
        return true;
    }
    reasonLabel->setText(tr("Type the name others will see first."));
    m_name->setFocus();
    return false;
}

void PlayWithOthers::hostClick()
{
    if (!haveName(m_hostProblem)) return;
    emit hostRequested(playerName());
}

void PlayWithOthers::stopHostingClick()
{
    emit stopHostingRequested();
}

void PlayWithOthers::joinFoundClick()
{
    const QList<QTreeWidgetItem*> chosen = m_games->selectedItems();
    if (chosen.isEmpty() || !haveName(m_gamesStatus)) return;
    emit joinRequested(playerName(), chosen.front()->data(0, Qt::UserRole).toString(), false);
}

void PlayWithOthers::joinAddressClick()
{
    if (!haveName(m_addressProblem)) return;
    const QString typed = m_address->currentText().trimmed();
    if (!brixo::parseHostAddress(typed.toStdString(), brixo::kGamePort)) {
        m_addressProblem->setText(tr("\"%1\" is not an address: type a name or an IP address, and "
                                     ":port when it is not %2.")
                                      .arg(typed)
                                      .arg(brixo::kGamePort));
        return;
    }
    m_addressProblem->clear();
    emit joinRequested(playerName(), typed, true);
}

void PlayWithOthers::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    listenWhileShown();
}

void PlayWithOthers::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    listenWhileShown();
}

void PlayWithOthers::listenWhileShown()
{
    // A table that hosts keeps its own page on show: it does not listen,
    // so announcements sent to this machine reach the tables that look.
    const bool looking = isVisible() && m_pages->currentIndex() == static_cast<int>(Page::Games);
    if (!looking) {
        m_listener->stop();
        return;
    }
    QString error;
    if (!m_listener->start(&error)) m_gamesStatus->setText(tr("Games on this network cannot be heard: %1").arg(error));
    showGames();
}

void PlayWithOthers::showGames()
{
    const QString chosen =
        m_games->selectedItems().isEmpty() ? QString() : m_games->selectedItems().front()->data(0, Qt::UserRole).toString();
    m_games->clear();
    for (const brixo::FoundGame& found : m_listener->finder().games()) {
        const brixo::Announcement& game = found.game;
        auto* item = new QTreeWidgetItem(m_games);
        item->setText(0, text(game.name));
        item->setText(1, QString::number(game.seated));
        item->setText(2, QString::number(game.freeSeats));
        item->setText(3, game.running ? tr("Playing") : tr("Waiting"));
        item->setText(4, QString::number(game.playto));
        item->setText(5, text(game.version));
        item->setText(6, text(found.endpoint()));
        item->setData(0, Qt::UserRole, text(found.endpoint()));
        if (text(found.endpoint()) == chosen) item->setSelected(true);
    }
    if (m_games->topLevelItemCount() == 0) m_gamesStatus->setText(tr("Looking for games on this network..."));
    else
        m_gamesStatus->setText(m_games->topLevelItemCount() == 1
                                   ? tr("One game found.")
                                   : tr("%1 games found.").arg(m_games->topLevelItemCount()));
}
