#pragma once

#include <QStringList>

namespace zorv::test {

// Closes every window of the program through its holder (so that the next use creates it
// afresh), the frame, the journal and the standard values included, and lets Qt delete them.
void closeProgramWindows();

// What every UI test's cleanup() ends with, as QCOMPARE(test::closeAllWindows(), QStringList()):
// closes the program's windows and whatever other top-level widget is still there, lets Qt delete
// them, and returns those that outlived it ("class objectName" each). They are deleted then, so
// that one leak does not spill into the next test.
QStringList closeAllWindows();

} // namespace zorv::test
