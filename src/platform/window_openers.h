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

// Puts a text into input box k (1 to 6) of the calculator, showing it: the standard values window
// hands a value with its series' tolerance to the calculator this way.
using InputBoxFiller = void (*)(int box, const QString &text);

// Installs the filler used from now on and returns the previous one (nullptr: none).
InputBoxFiller setInputBoxFiller(InputBoxFiller filler);

// False when no filler is installed.
bool fillInputBox(int box, const QString &text);

} // namespace zorv
