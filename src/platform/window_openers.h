#pragma once

#include <QString>

namespace zorv {

// Windows that windows of other subsystems open with a value: the calculator and the journal open
// the standard values window for a result. The shell installs the opener, so that no subsystem
// depends on another one's windows.
using StandardValuesOpener = void (*)(double value, const QString &unit);

// Installs the opener used from now on and returns the previous one (nullptr: none).
StandardValuesOpener setStandardValuesOpener(StandardValuesOpener opener);

// Shows the standard values window for the value, with its unit ("Ohm", "nF") if it has one.
// False when no opener is installed.
bool openStandardValues(double value, const QString &unit = QString());

} // namespace zorv
