// Writes a tile set bitmap drawn by the game's own tile drawing, in the
// layout the "Tile Sets" menu reads: the shipped "Contrast" set, and a
// starting point for anyone who draws a set of their own.
//
//   make_tileset OUT.bmp [classic|contrast]      (default contrast)
#include "resources/qt/tilepictures.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.bmp [classic|contrast]\n", argv[0]);
        return 2;
    }
    const bool classic = argc > 2 && std::strcmp(argv[2], "classic") == 0;
    const QImage set = TilePictures::drawSet(classic ? TilePictures::Style::Classic : TilePictures::Style::Contrast);
    if (!set.convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
