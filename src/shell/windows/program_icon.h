#pragma once

#include <QIcon>

namespace zorv {

// The icon every window of the program carries: a white "Z" on dark blue, in 16 colours.
QIcon programIcon();

} // namespace zorv
