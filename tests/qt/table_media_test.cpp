// The built-in tile pictures and the sound recordings.
#include "tests/qt/tablefeed.h"

#include "model/tile.h"
#include "net/catalogue.h"
#include "resources/qt/tilepictures.h"

#include <QAction>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
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

// The shape of what is drawn under a tile's number (its symbol or dot),
// whatever its colour: the pixels more ink than face, ink being the colour
// farthest from the face, which is the lightest colour there.
QVector<bool> markShape(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRect below(image.width() / 5, image.height() * 7 / 10, image.width() * 3 / 5, image.height() * 3 / 10 - 4);
    const auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    };
    QRgb face = 0;
    for (int y = below.top(); y <= below.bottom(); ++y)
        for (int x = below.left(); x <= below.right(); ++x)
            if (qGray(image.pixel(x, y)) > qGray(face)) face = image.pixel(x, y);
    int inkDistance = 1;
    for (int y = below.top(); y <= below.bottom(); ++y)
        for (int x = below.left(); x <= below.right(); ++x) inkDistance = qMax(inkDistance, distance(image.pixel(x, y), face));
    QVector<bool> shape;
    for (int y = below.top(); y <= below.bottom(); ++y)
        for (int x = below.left(); x <= below.right(); ++x) shape.append(distance(image.pixel(x, y), face) * 2 > inkDistance);
    return shape;
}

// The pixels that differ from another picture.
QVector<bool> changes(const QPixmap& pixmap, const QImage& plain)
{
    const QImage image = pixmap.toImage();
    QVector<bool> shape;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) shape.append(image.pixel(x, y) != plain.pixel(x, y));
    return shape;
}

// The colour a tile's number is drawn in: the commonest colour where the
// number stands, after the face's.
QColor inkOf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> count;
    for (int y = image.height() / 10; y < image.height() * 7 / 10; ++y)
        for (int x = image.width() / 5; x < image.width() * 4 / 5; ++x) ++count[image.pixel(x, y)];
    QList<QPair<int, QRgb>> byCount;
    for (auto it = count.cbegin(); it != count.cend(); ++it) byCount.append({it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end(), std::greater<>());
    return byCount.size() > 1 ? QColor(byCount[1].second) : QColor();
}

// A colour as an eye without green cones sees it (Machado, Oliveira and
// Fernandes' deuteranopia, as scripts/simulate-cvd.py applies it), in CIE
// L*a*b*, where a distance of about 2 is just noticeable.
std::array<double, 3> deuteranopeLab(const QColor& colour)
{
    const auto linear = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double r = linear(colour.red()), g = linear(colour.green()), b = linear(colour.blue());
    const auto clamp01 = [](double v) { return std::clamp(v, 0.0, 1.0); };
    const double sr = clamp01(0.367322 * r + 0.860646 * g - 0.227968 * b);
    const double sg = clamp01(0.280085 * r + 0.672501 * g + 0.047413 * b);
    const double sb = clamp01(-0.011820 * r + 0.042940 * g + 0.968881 * b);
    const double x = (0.4124 * sr + 0.3576 * sg + 0.1805 * sb) / 0.95047;
    const double y = 0.2126 * sr + 0.7152 * sg + 0.0722 * sb;
    const double z = (0.0193 * sr + 0.1192 * sg + 0.9505 * sb) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

int difference(const QVector<bool>& one, const QVector<bool>& other)
{
    int differ = 0;
    for (int i = 0; i < qMin(one.size(), other.size()); ++i) differ += one[i] != other[i];
    return differ;
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

// A player who sees no colour still tells the four 5s apart by shape, on
// the built-in pictures, plain or high contrast, and on a tile set's;
// without the symbols they differ in colour only.
// High contrast's four inks stay far apart for the commonest colour
// blindness, not only by their symbols.
TEST(TilePictures, HighContrastColoursStayApartWithoutGreenCones)
{
    const TilePictures pictures({TilePictures::Style::HighContrast, false});
    const int fives[4] = {5, 18, 31, 44}; // Green, Orange, Red, Black
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            const auto one = deuteranopeLab(inkOf(pictures.big(fives[a])));
            const auto other = deuteranopeLab(inkOf(pictures.big(fives[b])));
            const double distance =
                std::hypot(one[0] - other[0], one[1] - other[1], one[2] - other[2]);
            EXPECT_GT(distance, 35) << fives[a] << " " << fives[b];
        }
}

TEST(TilePictures, EachColourHasItsOwnSymbol)
{
    const int fives[4] = {5, 18, 31, 44}; // Green, Orange, Red, Black
    for (const auto style : {TilePictures::Style::Classic, TilePictures::Style::HighContrast}) {
        const TilePictures on({style, true});
        const TilePictures off({style, false});
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                const int x = fives[a], y = fives[b];
                EXPECT_GT(difference(markShape(on.small(x)), markShape(on.small(y))), 12) << x << " " << y;
                EXPECT_GT(difference(markShape(on.big(x)), markShape(on.big(y))), 40) << x << " " << y;
                EXPECT_LT(difference(markShape(off.small(x)), markShape(off.small(y))), 6) << x << " " << y;
                EXPECT_LT(difference(markShape(off.big(x)), markShape(off.big(y))), 12) << x << " " << y;
            }
    }

    // A set whose tiles are all alike gets the symbols over it, and loses
    // them again with the choice.
    QImage set(2200, 90, QImage::Format_RGB32);
    set.fill(QColor(0xe0, 0xe0, 0xd8));
    TilePictures pictures;
    ASSERT_TRUE(pictures.loadSet(set));
    const QImage plainSmall = pictures.small(53).toImage(), plainBig = pictures.big(53).toImage(); // wild: no symbol
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_GT(difference(changes(pictures.small(fives[a]), plainSmall), changes(pictures.small(fives[b]), plainSmall)), 6);
            EXPECT_GT(difference(changes(pictures.big(fives[a]), plainBig), changes(pictures.big(fives[b]), plainBig)), 12);
        }
    pictures.setLook({TilePictures::Style::Classic, false});
    EXPECT_EQ(pictures.small(31).toImage(), plainSmall);
    EXPECT_EQ(pictures.big(31).toImage(), plainBig);
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
    part<QAction>(*t.table, "PlaySounds1")->trigger();
    EXPECT_FALSE(part<QAction>(*t.table, "PlaySounds1")->isChecked());
    t.feed(brixo::msg::yourtiles(1, {{1, 5}}));
    t.feed(brixo::msg::placehistile({1, 6, 3, 3}));
    t.feed(brixo::msg::nextplayer({1, 70, {}}));
    EXPECT_TRUE(t.sounds.isEmpty());
    part<QAction>(*t.table, "PlaySounds1")->trigger();
    t.feed(brixo::msg::winner("You"));
    EXPECT_EQ(t.sounds, QStringList({"winner"}));
}
