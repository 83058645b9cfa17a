#include "dialogs/onlinepage.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"
#include "net/gameport.h"
#include "net/hostaddress.h"
#include "net/qt/lobbybrowser.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

OnlinePage::OnlinePage(QWidget* parent) : QWidget(parent), m_browser(new LobbyBrowser(this))
{
    setObjectName(QStringLiteral("page_online"));
    m_lobbyText = wrappedText(QString(), this, "label_lobby");
    m_lobby = new QLineEdit(this);
    m_lobby->setObjectName(QStringLiteral("edit_lobby"));
    captions::placeholder(m_lobby, [] { return tr("lobby address, as host or host:port"); });
    m_refresh = withCaption(namedButton(this, "button_refresh", QString()), [] { return tr("Refresh"); });

    m_rooms = new QTreeWidget(this);
    m_rooms->setObjectName(QStringLiteral("list_rooms"));
    m_rooms->setRootIsDecorated(false);
    m_rooms->setHeaderLabels({QString(), QString(), QString(), QString(), QString()});
    captions::custom(m_rooms, [this] {
        m_rooms->setHeaderLabels({tr("Room"), tr("Players"), tr("Watching"), tr("Game"), tr("Code")});
        explainLobby();
    });
    m_rooms->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_joinListed = withCaption(namedButton(this, "button_joinroom", QString()), [] { return tr("Join"); });
    m_joinListed->setEnabled(false);

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("edit_roomtitle"));
    m_title->setMaxLength(24);
    captions::placeholder(m_title, [] { return tr("room name"); });
    m_public = withCaption(new QCheckBox(QString(), this), [] { return tr("Listed for everyone"); });
    m_public->setObjectName(QStringLiteral("check_public"));
    auto* create = withCaption(namedButton(this, "button_createroom", QString()), [] { return tr("Create Room"); });

    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("edit_code"));
    m_code->setMaxLength(8);
    captions::placeholder(m_code, [] { return tr("6-letter code"); });
    auto* joinCode = withCaption(namedButton(this, "button_joincode", QString()), [] { return tr("Join by Code"); });
    m_problem = wrappedText(QString(), this, "label_problem_online");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lobbyText);
    auto* lobbyRow = new QHBoxLayout;
    lobbyRow->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("Lobby:"); }));
    lobbyRow->addWidget(m_lobby, 1);
    lobbyRow->addWidget(m_refresh);
    layout->addLayout(lobbyRow);
    layout->addWidget(m_rooms, 1);
    auto* listedRow = new QHBoxLayout;
    listedRow->addStretch(1);
    listedRow->addWidget(m_joinListed);
    layout->addLayout(listedRow);
    auto* rows = new QGridLayout;
    rows->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("New room:"); }), 0, 0);
    rows->addWidget(m_title, 0, 1);
    rows->addWidget(m_public, 0, 2);
    rows->addWidget(create, 0, 3);
    rows->addWidget(withCaption(new QLabel(QString(), this), [] { return tr("A friend's room:"); }), 1, 0);
    rows->addWidget(m_code, 1, 1);
    rows->addWidget(joinCode, 1, 3);
    rows->setColumnStretch(1, 1);
    layout->addLayout(rows);
    layout->addWidget(m_problem);

    connect(m_refresh, &QPushButton::clicked, this, &OnlinePage::refreshClick);
    connect(m_lobby, &QLineEdit::returnPressed, this, &OnlinePage::refreshClick);
    connect(m_lobby, &QLineEdit::textChanged, this, &OnlinePage::explainLobby);
    connect(create, &QPushButton::clicked, this, &OnlinePage::createClick);
    connect(m_title, &QLineEdit::returnPressed, this, &OnlinePage::createClick);
    connect(joinCode, &QPushButton::clicked, this, &OnlinePage::joinCodeClick);
    connect(m_code, &QLineEdit::returnPressed, this, &OnlinePage::joinCodeClick);
    connect(m_rooms, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_joinListed->setEnabled(!m_rooms->selectedItems().isEmpty()); });
    connect(m_rooms, &QTreeWidget::itemDoubleClicked, this, &OnlinePage::joinListedClick);
    connect(m_joinListed, &QPushButton::clicked, this, &OnlinePage::joinListedClick);
    connect(m_browser, &LobbyBrowser::roomsListed, this, &OnlinePage::showRooms);
    connect(m_browser, &LobbyBrowser::failed, this, [this](const QString& why) {
        m_refresh->setEnabled(true);
        showProblem(why);
    });
    explainLobby();
}

void OnlinePage::setLobby(const QString& address)
{
    m_lobby->setText(address);
}

QString OnlinePage::lobby() const
{
    return m_lobby->text().trimmed();
}

void OnlinePage::showProblem(const QString& text)
{
    m_problem->setText(text);
}

void OnlinePage::explainLobby()
{
    m_lobbyText->setText(lobby().isEmpty() ? tr("Friends on other networks meet in a room on a lobby: a Brixo server "
                                                "on the internet, started with brixo --lobby. Type the address its "
                                                "keeper gave you; Brixo remembers it.")
                                           : tr("Open a room and give friends its code, or join theirs. Rooms listed "
                                                "for everyone are below."));
}

QString OnlinePage::checkedLobby()
{
    const QString typed = lobby();
    if (typed.isEmpty()) {
        showProblem(tr("Type the lobby's address first."));
        m_lobby->setFocus();
        return {};
    }
    if (!brixo::parseHostAddress(typed.toStdString(), brixo::kGamePort)) {
        showProblem(tr("\"%1\" is not an address: type a name or an IP address, and :port when it is "
                       "not %2.")
                        .arg(typed)
                        .arg(brixo::kGamePort));
        return {};
    }
    showProblem(QString());
    return typed;
}

void OnlinePage::refreshClick()
{
    const QString address = checkedLobby();
    if (address.isEmpty()) return;
    const auto target = brixo::parseHostAddress(address.toStdString(), brixo::kGamePort);
    m_refresh->setEnabled(false);
    showProblem(tr("Asking the lobby for its rooms..."));
    m_browser->listRooms(QString::fromStdString(target->host), static_cast<quint16>(target->port));
}

void OnlinePage::showRooms(const std::vector<brixo::msg::RoomEntry>& rooms)
{
    m_refresh->setEnabled(true);
    m_rooms->clear();
    for (const brixo::msg::RoomEntry& room : rooms) {
        auto* item = new QTreeWidgetItem(m_rooms);
        item->setText(0, QString::fromStdString(room.title));
        item->setText(1, QString::number(room.seated));
        item->setText(2, QString::number(room.spectators));
        item->setText(3, room.running ? tr("Playing") : tr("Waiting"));
        item->setText(4, QString::fromStdString(room.code));
    }
    showProblem(rooms.empty() ? tr("No room is listed: create one.") : QString());
}

void OnlinePage::createClick()
{
    const QString address = checkedLobby();
    if (address.isEmpty()) return;
    emit createRequested(address, m_title->text().trimmed(), m_public->isChecked());
}

void OnlinePage::joinCodeClick()
{
    const QString address = checkedLobby();
    if (address.isEmpty()) return;
    const auto code = brixo::roomCode(m_code->text().trimmed().toStdString());
    if (!code) {
        showProblem(tr("A room's code is six letters and digits, as its table shows it."));
        m_code->setFocus();
        return;
    }
    emit joinRequested(address, QString::fromStdString(*code));
}

void OnlinePage::joinListedClick()
{
    const QList<QTreeWidgetItem*> chosen = m_rooms->selectedItems();
    if (chosen.isEmpty()) return;
    const QString address = checkedLobby();
    if (address.isEmpty()) return;
    emit joinRequested(address, chosen.front()->text(4));
}
