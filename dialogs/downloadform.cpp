#include "dialogs/downloadform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QGroupBox* panel(QWidget* parent, const char* name, captions::Words text, QPushButton* button)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(withCaption(wrappedText(QString(), box), std::move(text)));
    button->setParent(box);
    layout->addWidget(button);
    return box;
}

} // namespace

Tdownload::Tdownload(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("download"));
    captions::title(this, [] { return tr("Brixo - Welcome"); });
    useTableBackground(this);
    m_starter = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };

    QPushButton* solo = withCaption(namedButton(this, "button_solo", QString()), [] { return tr("Play Solo Game"); });
    QPushButton* others =
        withCaption(namedButton(this, "button_others", QString()), [] { return tr("Play with Others..."); });
    QPushButton* lobby =
        withCaption(namedButton(this, "button_lobby", QString()), [] { return tr("Open The Quorvin Lobby"); });
    // Enter plays solo at once.
    solo->setDefault(true);
    solo->setAutoDefault(true);
    auto* soloPanel = panel(
        this, "panel_solo", [] { return tr("Play a game against the computer now."); }, solo);
    auto* othersPanel = panel(
        this, "panel_others",
        [] {
            return tr("Play with friends: host a game on this network, find the games others host, join "
                      "one by its address, or meet in a room online.");
        },
        others);
    m_lobbyPanel = panel(
        this, "panel_lobby",
        [] {
            return tr("The Quorvin Lobby is installed on this computer. It finds games with other "
                      "players online; this game closes while it runs.");
        },
        lobby);
    m_showAtStart = withCaption(new QCheckBox(QString(), this), [] { return tr("Show this at start"); });
    m_showAtStart->setObjectName(QStringLiteral("check_showatstart"));
    m_showAtStart->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    for (QGroupBox* p : {soloPanel, othersPanel, m_lobbyPanel}) {
        p->setFixedWidth(360);
        layout->addWidget(p);
    }
    layout->addWidget(m_showAtStart);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_lobbyPanel->hide();
    // Wrapped texts get the height their lines need at the panels' width.
    for (QLabel* text : findChildren<QLabel*>()) {
        text->ensurePolished();
        if (text->wordWrap()) text->setMinimumHeight(text->heightForWidth(330));
    }
    setStyleSheet(styleSheet() + QStringLiteral("QGroupBox { background: rgba(0,0,0,70); border: 1px solid rgba(255,255,255,60);"
                                 " border-radius: 8px; padding: 6px; }"
                                 "QGroupBox QLabel { color: #f2f4f0; }"));

    connect(solo, &QPushButton::clicked, this, &Tdownload::soloClick);
    connect(others, &QPushButton::clicked, this, &Tdownload::othersClick);
    connect(lobby, &QPushButton::clicked, this, &Tdownload::lobbyClick);
    connect(m_showAtStart, &QCheckBox::toggled, this, &Tdownload::showAtStartChanged);
}

void Tdownload::setLobbyProgram(const QString& program)
{
    m_lobbyProgram = program;
    m_lobbyPanel->setVisible(!program.isEmpty() && QFileInfo(program).isExecutable());
}

void Tdownload::setShowAtStart(bool show)
{
    const QSignalBlocker quiet(m_showAtStart);
    m_showAtStart->setChecked(show);
}

bool Tdownload::showAtStart() const
{
    return m_showAtStart->isChecked();
}

void Tdownload::soloClick()
{
    hide();
}

void Tdownload::othersClick()
{
    hide();
    emit playWithOthers();
}

void Tdownload::lobbyClick()
{
    if (m_lobbyPanel->isHidden()) return;
    if (m_starter(m_lobbyProgram, {})) {
        emit exitRequested();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Brixo"),
                                tr("The Quorvin Lobby could not be started."), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("message"));
    // Dark text on a light box: the window's light-on-cloth text would not read here.
    box->setStyleSheet(QStringLiteral("QMessageBox { background: #f6f3ea; } QLabel { color: #202020; }"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
