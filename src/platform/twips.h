#pragma once

#include <QRect>
#include <QSize>

namespace zorv {

// Window geometry is designed in twips (1/1440 inch); at 96 dots per inch a pixel is 15 twips.
// Qt's high-dpi scaling takes it from there.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30);
}

// Left, top, width, height in twips, as a rectangle in pixels.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left),
                 twipsToPixels(top),
                 twipsToPixels(width),
                 twipsToPixels(height));
}

constexpr QSize twipsSize(int width, int height)
{
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace zorv
