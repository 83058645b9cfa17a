#include "dialogs/aboutform.h"
#include "table/qt/captions.h"

#include "dialogs/dialogstyle.h"
#include "net/catalogue.h"
#include "resources/qt/tilepictures.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QPainter>
#include <QVBoxLayout>

const QString Tabout::kBuild = QStringLiteral(".5");

QString Tabout::webPage()
{
    return QStringLiteral("https://brixo.quorvin.com/");
}

Tabout::Tabout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("about"));
    captions::title(this, [] { return tr("Brixo - About"); });
    useTableBackground(this);

    // Three tiles of a run make the picture; a click on it closes the box.
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("image_about"));
    QPixmap run(3 * 40 + 8, 60);
    run.fill(Qt::transparent);
    {
        QPainter p(&run);
        for (int i = 0; i < 3; ++i) p.drawPixmap(i * 44, 0, TilePictures::drawTile(40 + 7 + i, 40, 60, 2.0));
    }
    m_picture->setPixmap(run);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->installEventFilter(this);

    auto* name = new QLabel(QStringLiteral("Brixo"), this);
    name->setObjectName(QStringLiteral("label_name"));
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 2.2);
    name->setFont(big);
    auto* versionCaption = withCaption(new QLabel(QString(), this), [] { return tr("Version"); });
    version = new QLabel(QString::fromLatin1(brixo::msg::kVersion.data(), int(brixo::msg::kVersion.size())), this);
    version->setObjectName(QStringLiteral("version"));
    auto* build = new QLabel(kBuild, this);
    build->setObjectName(QStringLiteral("build"));
    label_link = new QLabel(QStringLiteral("<a href=\"%1\" style=\"color:#ffd970\">%1</a>").arg(webPage()), this);
    label_link->setObjectName(QStringLiteral("label_link"));
    label_link->setTextFormat(Qt::RichText);
    label_link->setOpenExternalLinks(true);
    auto* done = withCaption(new QPushButton(QString(), this), [] { return tr("Done"); });
    done->setObjectName(QStringLiteral("button_done"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QDialog::hide);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(version);
    versionRow->addWidget(build);
    versionRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 0, Qt::AlignCenter);
    layout->addWidget(name, 0, Qt::AlignCenter);
    layout->addLayout(versionRow);
    layout->addWidget(label_link);
    layout->addWidget(done, 0, Qt::AlignRight);
}

bool Tabout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture && event->type() == QEvent::MouseButtonPress) {
        hide();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
