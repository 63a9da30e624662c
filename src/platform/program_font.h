#pragma once

#include <QFont>

namespace zorv {

// The family every window is drawn in: a sans-serif face with the metrics of the classic 8 pt
// dialog font, so that the designed captions fit their controls.
inline constexpr const char *ProgramFontFamily = "Liberation Sans";

// The program font at the given size (8 pt is the size of every control unless a window says
// otherwise).
QFont programFont(qreal pointSize = 8.0, bool bold = false);

// Makes the program font the application's default font.
void installProgramFont();

} // namespace zorv
