// The lobby download against a small HTTP server on loopback, and the help
// and about windows.
#include "tests/qt/waitfor.h"

#include "dialogs/aboutform.h"
#include "dialogs/downloadform.h"
#include "dialogs/helpform.h"
#include "net/catalogue.h"
#include "table/qt/chatform.h"
#include "tests/qt/tablefeed.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers every request with a status line and a body, the body in two
// pieces with a pause between, or only its first piece when told to stall.
class TinyHttp : public QObject {
public:
    TinyHttp(int status, QByteArray body, bool stall = false) : m_status(status), m_body(std::move(body)), m_stall(stall)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = m_server.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                if (!s->readAll().contains("\r\n\r\n")) return;
                const QByteArray half = m_body.left(m_body.size() / 2);
                s->write("HTTP/1.1 " + QByteArray::number(m_status) + " X\r\nContent-Length: " +
                         QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + half);
                s->flush();
                if (m_stall) return;
                QTimer::singleShot(50, s, [this, s] {
                    s->write(m_body.mid(m_body.size() / 2));
                    s->disconnectFromHost();
                });
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/files/LobbySetup.exe").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
    int m_status;
    QByteArray m_body;
    bool m_stall;
};

struct Started {
    QString program;
    QStringList arguments;
    int count = 0;
};

void watch(Tdownload& dialog, Started& started, bool starts = true)
{
    dialog.setStarter([&started, starts](const QString& program, const QStringList& arguments) {
        started.program = program;
        started.arguments = arguments;
        ++started.count;
        return starts;
    });
}

} // namespace

TEST(LobbyDownload, ADownloadCompletesSaysSoAndStartsTheInstaller)
{
    QTemporaryDir folder;
    TinyHttp http(200, QByteArray(70000, 'x'));
    Tdownload dialog;
    Started started;
    watch(dialog, started);
    bool exited = false;
    QObject::connect(&dialog, &Tdownload::exitRequested, [&] { exited = true; });
    dialog.setFolder(folder.path());
    dialog.setAddress(http.url());
    dialog.getbuttonClick();
    EXPECT_TRUE(dialog.label_status1->text().startsWith("Loading"));
    EXPECT_FALSE(dialog.getbutton->isEnabled());
    EXPECT_TRUE(dialog.abortbutton->isEnabled());
    ASSERT_TRUE(waitFor([&] { return started.count > 0; }));
    EXPECT_EQ(dialog.label_status1->text(), "Installing");
    EXPECT_EQ(dialog.label_status2->text(), "Downloading: LobbySetup.exe");
    EXPECT_EQ(dialog.label_status3->text(), "Received 70000 bytes");
    EXPECT_EQ(started.program, folder.path() + "/LobbySetup.exe");
    EXPECT_EQ(started.arguments, QStringList({"/SP-", "/silent", "/noicons"}));
    EXPECT_EQ(QFile(started.program).size(), 70000);
    EXPECT_TRUE(exited);
    EXPECT_TRUE(dialog.getbutton->isEnabled());
}

TEST(LobbyDownload, AStoppedOrFailedDownloadNeverStartsTheInstaller)
{
    QTemporaryDir folder;
    {
        TinyHttp http(200, QByteArray(70000, 'x'), true);
        Tdownload dialog;
        Started started;
        watch(dialog, started);
        dialog.setFolder(folder.path());
        dialog.setAddress(http.url());
        dialog.getbuttonClick();
        ASSERT_TRUE(waitFor([&] { return dialog.label_status2->text().startsWith("Downloading"); }));
        dialog.abortbuttonClick();
        ASSERT_TRUE(waitFor([&] { return !dialog.downloading(); }));
        EXPECT_EQ(dialog.label_status1->text(), "Download has been aborted.");
        EXPECT_EQ(dialog.label_status2->text(), "Download Aborted");
        EXPECT_EQ(started.count, 0);
        EXPECT_FALSE(QFile::exists(folder.path() + "/LobbySetup.exe"));
    }
    {
        TinyHttp http(404, "not here");
        Tdownload dialog;
        Started started;
        watch(dialog, started);
        dialog.setFolder(folder.path());
        dialog.setAddress(http.url());
        dialog.getbuttonClick();
        ASSERT_TRUE(waitFor([&] { return !dialog.downloading(); }));
        EXPECT_EQ(dialog.label_status1->text(), "Download Aborted");
        EXPECT_EQ(started.count, 0);
    }
}

TEST(LobbyDownload, AnInstallerThatWillNotStartIsReportedAndNoLobbyIsExplained)
{
    QTemporaryDir folder;
    TinyHttp http(200, "installer");
    Tdownload dialog;
    Started started;
    watch(dialog, started, false);
    bool exited = false;
    QObject::connect(&dialog, &Tdownload::exitRequested, [&] { exited = true; });
    dialog.setFolder(folder.path());
    dialog.setAddress(http.url());
    dialog.getbuttonClick();
    ASSERT_TRUE(waitFor([&] { return dialog.findChild<QMessageBox*>("message") != nullptr; }));
    EXPECT_EQ(dialog.findChild<QMessageBox*>("message")->text(), "An Error has Occurred.");
    EXPECT_FALSE(exited);
    delete dialog.findChild<QMessageBox*>("message");

    dialog.setLobbyProgram(folder.path() + "/no-lobby-here");
    dialog.othersClick();
    ASSERT_NE(dialog.findChild<QMessageBox*>("message"), nullptr);
    EXPECT_TRUE(dialog.findChild<QMessageBox*>("message")->text().startsWith("Please close the game"));
    EXPECT_EQ(started.count, 1); // the installer's try only
}

TEST(HelpAndAbout, F1OpensTheManualAndAboutShowsTheVersionALoginSends)
{
    Tchat table;
    EXPECT_EQ(part<QAction>(table, "Content1")->shortcut(), QKeySequence(Qt::Key_F1));
    part<QAction>(table, "Content1")->trigger();
    Thelp* help = table.help();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->page(), 1);
    EXPECT_EQ(help->label_caption->text(), "Overview");
    for (int tag = 1; tag <= Thelp::kPages; ++tag) EXPECT_GT(help->memo[tag]->toPlainText().size(), 200) << tag;
    // The scoring page speaks of the same settlement the server makes.
    EXPECT_TRUE(help->memo[4]->toPlainText().contains("gains the sum"));
    help->pages[4]->click();
    EXPECT_EQ(help->label_caption->text(), "Scoring");
    help->button_about->click();
    EXPECT_TRUE(table.about()->isVisible());
    EXPECT_EQ(table.about()->version->text().toStdString(), brixo::msg::kVersion);
    EXPECT_TRUE(table.about()->label_link->text().contains("https://"));
}
