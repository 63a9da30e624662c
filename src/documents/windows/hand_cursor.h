#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

namespace zorv {

// The pointing hand shown over the document links: a 32 x 32 image whose hot spot is the tip of
// the index finger, drawn here so that it looks the same on every desktop.
inline constexpr QPoint HandCursorHotSpot{12, 1};

QImage handCursorImage();
QCursor handCursor();

} // namespace zorv
