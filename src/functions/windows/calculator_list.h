// The calculator's list of functions: filled from the function folders, with the count in its
// field and a word to the user about what could not be listed.

#pragma once

class QComboBox;

namespace zorv {

// Lists the function folder into the function arrays and into the list, with nothing picked and
// the count of functions in its field; tells the user when the folder cannot be read, or when it
// holds more files than the list takes.
void fillFunctionList(QComboBox *list);

} // namespace zorv
