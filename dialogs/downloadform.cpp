#include "dialogs/downloadform.h"

#include "dialogs/dialogstyle.h"
#include "store/settings.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* wrapped(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

QUrl Tdownload::defaultAddress()
{
    return QUrl(QString::fromStdString(brixo::TableSettings().lobbyDownload));
}

Tdownload::Tdownload(QWidget* parent)
    : QDialog(parent), m_address(defaultAddress()), m_network(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("download"));
    setWindowTitle(QStringLiteral("Download The Quorvin Lobby"));
    useTableBackground(this);
    m_starter = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };

    auto* getPanel = new QGroupBox(this);
    getPanel->setObjectName(QStringLiteral("panel_get"));
    auto* get = new QVBoxLayout(getPanel);
    get->addWidget(wrapped(QStringLiteral("Download The Quorvin Lobby Now to play this  and other exciting games "
                                          "online with other players!"),
                           getPanel));
    getbutton = new QPushButton(QStringLiteral("Download And Install The Quorvin Lobby Now"), getPanel);
    getbutton->setObjectName(QStringLiteral("getbutton"));
    abortbutton = new QPushButton(QStringLiteral("Stop Download"), getPanel);
    abortbutton->setObjectName(QStringLiteral("abortbutton"));
    abortbutton->setEnabled(false);
    label_status1 = new QLabel(getPanel);
    label_status2 = new QLabel(getPanel);
    label_status3 = new QLabel(getPanel);
    label_status1->setObjectName(QStringLiteral("label_status1"));
    label_status2->setObjectName(QStringLiteral("label_status2"));
    label_status3->setObjectName(QStringLiteral("label_status3"));
    for (QWidget* w : {static_cast<QWidget*>(getbutton), static_cast<QWidget*>(abortbutton),
                       static_cast<QWidget*>(label_status1), static_cast<QWidget*>(label_status2),
                       static_cast<QWidget*>(label_status3)})
        get->addWidget(w);

    auto* soloPanel = new QGroupBox(this);
    soloPanel->setObjectName(QStringLiteral("panel_solo"));
    auto* solo = new QVBoxLayout(soloPanel);
    solo->addWidget(wrapped(QStringLiteral("To proceed to the game without the ability to play against others "
                                           "click the button below."),
                            soloPanel));
    solo->addWidget(wrapped(QStringLiteral("Note: Even if you are playing offline, you will need to configure your "
                                           "FIREWALL to allow the game to access the internet components."),
                            soloPanel));
    button_solo = new QPushButton(QStringLiteral("Play Solo Game"), soloPanel);
    button_solo->setObjectName(QStringLiteral("button_solo"));
    solo->addWidget(button_solo);

    auto* othersPanel = new QGroupBox(this);
    othersPanel->setObjectName(QStringLiteral("panel_others"));
    auto* others = new QVBoxLayout(othersPanel);
    others->addWidget(wrapped(QStringLiteral("If you already have The Quorvin Lobby and you wish to play with others "
                                             "then click the button below to close this game and open The Quorvin "
                                             "Lobby."),
                              othersPanel));
    button_others = new QPushButton(QStringLiteral("Play with Others"), othersPanel);
    button_others->setObjectName(QStringLiteral("button_others"));
    others->addWidget(button_others);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(getPanel);
    layout->addWidget(soloPanel);
    layout->addWidget(othersPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QGroupBox* panel : {getPanel, soloPanel, othersPanel}) panel->setFixedWidth(360);
    // Wrapped texts get the height their lines need at the panels' width.
    for (QLabel* text : findChildren<QLabel*>()) {
        text->ensurePolished();
        if (text->wordWrap()) text->setMinimumHeight(text->heightForWidth(330));
    }
    setStyleSheet(styleSheet() + QStringLiteral("QGroupBox { background: rgba(0,0,0,70); border: 1px solid rgba(255,255,255,60);"
                                 " border-radius: 8px; padding: 6px; }"
                                 "QGroupBox QLabel { color: #f2f4f0; }"
                                 "QLabel#label_status1 { color: #ffd970; font-weight: bold; }"));

    connect(getbutton, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
    connect(abortbutton, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);
    connect(button_solo, &QPushButton::clicked, this, &Tdownload::soloClick);
    connect(button_others, &QPushButton::clicked, this, &Tdownload::othersClick);
}

Tdownload::~Tdownload()
{
    if (m_reply) m_reply->abort();
}

void Tdownload::getbuttonClick()
{
    if (m_reply) return;
    const QString name = m_address.fileName().isEmpty() ? QStringLiteral("QuorvinLobbySetup.exe") : m_address.fileName();
    label_status2->setText(name);
    m_file = new QFile(m_folder + QLatin1Char('/') + name, this);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        label_status1->setText(QStringLiteral("Download Aborted"));
        delete m_file;
        m_file = nullptr;
        return;
    }
    getbutton->setEnabled(false);
    abortbutton->setEnabled(true);
    label_status1->setText(QStringLiteral("Loading"));
    label_status3->clear();
    m_received = 0;
    m_aborted = false;
    m_documentBegun = false;
    m_reply = m_network->get(QNetworkRequest(m_address));
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Tdownload::headersArrived);
    connect(m_reply, &QNetworkReply::readyRead, this, &Tdownload::dataArrived);
    connect(m_reply, &QNetworkReply::finished, this, &Tdownload::transferFinished);
}

void Tdownload::headersArrived()
{
    label_status1->setText(label_status1->text() + QLatin1Char('.'));
}

void Tdownload::dataArrived()
{
    if (!m_documentBegun) {
        m_documentBegun = true;
        label_status2->setText(QStringLiteral("Downloading: ") + QFileInfo(m_file->fileName()).fileName());
    }
    const QByteArray data = m_reply->readAll();
    m_file->write(data);
    m_received += data.size();
    label_status3->setText(QString::number(m_received) + QStringLiteral(" bytes"));
}

void Tdownload::abortbuttonClick()
{
    if (!m_reply) return;
    m_aborted = true;
    label_status1->setText(QStringLiteral("Download has been aborted."));
    label_status2->setText(QStringLiteral("Download Aborted"));
    m_reply->abort(); // finishes the transfer, which ends below
}

void Tdownload::transferFinished()
{
    if (!m_aborted && m_reply->error() != QNetworkReply::NoError) {
        m_aborted = true;
        label_status1->setText(QStringLiteral("Download Aborted"));
    }
    if (!m_aborted) {
        if (m_reply->bytesAvailable() > 0) dataArrived();
        label_status3->setText(QStringLiteral("Received ") + QString::number(m_received) + QStringLiteral(" bytes"));
    }
    m_reply->deleteLater();
    m_reply = nullptr;
    getbutton->setEnabled(true);
    abortbutton->setEnabled(false);
    const QString installer = m_file->fileName();
    m_file->close();
    m_file->deleteLater();
    m_file = nullptr;
    if (m_aborted) {
        // A stopped or failed transfer leaves no half installer behind.
        QFile::remove(installer);
        return;
    }
    label_status1->setText(QStringLiteral("Installing"));
    QFile::setPermissions(installer, QFile::permissions(installer) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    if (!m_starter(installer, {QStringLiteral("/SP-"), QStringLiteral("/silent"), QStringLiteral("/noicons")})) {
        showMessage(QStringLiteral("An Error has Occurred."));
        return;
    }
    emit exitRequested();
}

void Tdownload::soloClick()
{
    hide();
}

void Tdownload::othersClick()
{
    if (!m_lobbyProgram.isEmpty() && QFileInfo(m_lobbyProgram).isExecutable() && m_starter(m_lobbyProgram, {})) {
        emit exitRequested();
        return;
    }
    showMessage(QStringLiteral("Please close the game and open the Quorvin Lobby using the icon on your desktop or "
                               "using the your Window's start-up menu."));
}

// A message the player closes; the download window stays usable meanwhile.
void Tdownload::showMessage(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Brixo"), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("message"));
    // Dark text on a light box: the window's light-on-cloth text would not read here.
    box->setStyleSheet(QStringLiteral("QMessageBox { background: #f6f3ea; } QLabel { color: #202020; }"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
