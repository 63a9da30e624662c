#pragma once

#include <QString>

// The program folder: where the executable lies, and below it every shipped file. (Part of the
// program's global values, named with them.)
namespace zorv::donnees {

// The directory of the executable, with the platform's separators and no trailing separator.
QString AppDir();

// Makes AppDir() answer the given directory instead (tests, screenshots and tools that work on a
// copy of the program folder); an empty text goes back to the executable's directory.
void setAppDir(const QString &directory);

// AppDir() followed by a separator and the relative path (written with "/"), in the platform's
// separators: appPath("res/Vals.fval").
QString appPath(const QString &relative);

} // namespace zorv::donnees
