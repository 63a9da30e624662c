#include "documents/windows/hand_cursor.h"

#include <QPixmap>

#include <array>

namespace zorv {

namespace {

// 'X' outline, '.' fill, ' ' transparent. The finger's tip is the middle of the top edge of the
// raised index finger, row 1, column 12.
constexpr std::array<const char *, 32> HandRows = {
    "                                ", "           XXX                  ",
    "          X...X                 ", "          X...X                 ",
    "          X...X                 ", "          X...X                 ",
    "          X...X                 ", "          X...XXX               ",
    "          X...X..XXX            ", "          X...X..X..XXX         ",
    "          X...X..X..X..X        ", "    XXX   X...X..X..X..X        ",
    "   X...X  X...X..X..X..X        ", "   X....X X............X        ",
    "    X....XX............X        ", "     X....X............X        ",
    "      X................X        ", "      X................X        ",
    "       X...............X        ", "       X..............X         ",
    "        X.............X         ", "        X.............X         ",
    "         X...........X          ", "         X...........X          ",
    "          X.........X           ", "          X.........X           ",
    "          XXXXXXXXXXX           ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
};

} // namespace

QImage handCursorImage()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char c = HandRows[y][x];
            if (c == 'X')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (c == '.')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return image;
}

QCursor handCursor()
{
    return QCursor(QPixmap::fromImage(handCursorImage()),
                   HandCursorHotSpot.x(),
                   HandCursorHotSpot.y());
}

} // namespace zorv
