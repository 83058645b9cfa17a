// The built-in tile pictures and the sound recordings.
#include "tests/qt/tablefeed.h"

#include "model/tile.h"
#include "net/catalogue.h"
#include "table/tilepictures.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The most common strongly coloured pixel of a picture, as a hue 0..359
// (-1 for a picture with no such pixel: black ink).
int inkHue(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int hues[36] = {};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() > 200 && c.hsvSaturation() > 150 && c.value() > 80) ++hues[c.hsvHue() / 10];
        }
    int best = -1, count = 0;
    for (int i = 0; i < 36; ++i)
        if (hues[i] > count) count = hues[i], best = i * 10;
    return count > 20 ? best : -1;
}

} // namespace

TEST(TilePictures, BothListsHaveEveryPictureAtDoubleDensity)
{
    const TilePictures pictures;
    ASSERT_EQ(pictures.imagelist_smallcards.size(), 56);
    ASSERT_EQ(pictures.imagelist_bigcards.size(), 55);
    for (int i = 1; i <= 54; ++i) {
        EXPECT_EQ(pictures.small(i).deviceIndependentSize().toSize(), QSize(20, 30)) << i;
        EXPECT_EQ(pictures.small(i).size(), QSize(40, 60)) << i;
        EXPECT_EQ(pictures.big(i).deviceIndependentSize().toSize(), QSize(40, 60)) << i;
        EXPECT_EQ(pictures.big(i).size(), QSize(80, 120)) << i;
    }
    EXPECT_EQ(pictures.small(-1).size(), pictures.small(0).size());
    EXPECT_EQ(pictures.big(99).toImage(), pictures.big(0).toImage());
}

TEST(TilePictures, EveryTileLooksDifferentAndColoursAreTellable)
{
    const TilePictures pictures;
    QSet<QByteArray> seen;
    for (int code = 1; code <= 53; ++code) {
        const QImage image = pictures.big(code).toImage();
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 53);

    // The same face in the four colours: green, orange and red inks sit far
    // apart on the colour wheel; black has no strong colour.
    const int green = inkHue(pictures.big(5)), orange = inkHue(pictures.big(18)), red = inkHue(pictures.big(31));
    EXPECT_GE(green, 100);
    EXPECT_LE(green, 170);
    EXPECT_GE(orange, 20);
    EXPECT_LE(orange, 50);
    EXPECT_TRUE(red >= 340 || red <= 10) << red;
    EXPECT_EQ(inkHue(pictures.big(44)), -1);
    // The same holds on the board's small pictures.
    EXPECT_NE(inkHue(pictures.small(5)), inkHue(pictures.small(31)));
}

TEST(TilePictures, TheMarkLetsTheTileShowThrough)
{
    const TilePictures pictures;
    const QImage mark = pictures.small(TilePictures::kMark).toImage();
    const QColor middle = QColor::fromRgba(mark.pixel(mark.width() / 2, mark.height() / 2));
    EXPECT_LT(middle.alpha(), 100);
    const QColor edge = QColor::fromRgba(mark.pixel(3, mark.height() / 2));
    EXPECT_GT(edge.alpha(), 150);
}

TEST(Sounds, AllFifteenRecordingsAreShortWaves)
{
    for (const char* name : {"CLEARCARD", "CLICKCARD", "ENTERED", "GETCARD", "NOCANDO", "NOTVALID", "PLACECARD",
                             "PRESSEDIT", "PRESSYES", "ROUNDOVER", "TIME", "TIMEUP", "TURN", "TURNNEW", "WINNER"}) {
        QFile file(QString(":/sounds/%1.wav").arg(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray data = file.readAll();
        ASSERT_GT(data.size(), 44) << name;
        EXPECT_EQ(data.left(4), "RIFF") << name;
        EXPECT_EQ(data.mid(8, 4), "WAVE") << name;
        quint32 rate = 0;
        std::memcpy(&rate, data.constData() + 24, 4);
        const double seconds = double(data.size() - 44) / (rate * 2);
        EXPECT_GT(seconds, 0.02) << name;
        EXPECT_LT(seconds, 1.5) << name;
    }
    EXPECT_FALSE(SoundPlayer::hasRecording("sort"));
    EXPECT_FALSE(SoundPlayer::hasRecording("clear"));
}

TEST(Sounds, NothingIsPlayedWhilePlaySoundsIsOff)
{
    TableFeed t;
    t.login(1);
    t.table->PlaySounds1->trigger();
    EXPECT_FALSE(t.table->PlaySounds1->isChecked());
    t.feed(brixo::msg::yourtiles(1, {{1, 5}}));
    t.feed(brixo::msg::placehistile({1, 6, 3, 3}));
    t.feed(brixo::msg::nextplayer({1, 70, {}}));
    EXPECT_TRUE(t.sounds.isEmpty());
    t.table->PlaySounds1->trigger();
    t.feed(brixo::msg::winner("You"));
    EXPECT_EQ(t.sounds, QStringList({"winner"}));
}
