#pragma once

#include <QString>

#include <array>

// The program's global values: set once at start-up, read by every module.
namespace zorv::donnees {

// The directory of the executable, with the platform's separators and no trailing separator.
QString AppDir();

// Makes AppDir() answer the given directory instead (tests, screenshots and tools that work on a
// copy of the program folder); an empty text goes back to the executable's directory.
void setAppDir(const QString &directory);

// AppDir() followed by a separator and the relative path (written with "/"), in the platform's
// separators: appPath("res/Vals.fval").
QString appPath(const QString &relative);

// "1.00.1", shown as the main frame's caption.
extern QString AppVersion;

// AppDir() followed by the function folder, ending with a separator.
extern QString FunctionDir;

// Sets AppVersion, then FunctionDir.
void InitGlobals();

// The function list: entry i of both arrays belongs to item i of the calculator's list.
inline constexpr int FunctionSlots = 1000;
extern std::array<QString, FunctionSlots> FunctionFileNames;
extern std::array<QString, FunctionSlots> FunctionNames;

// The formula of the function picked last; kept when the calculator closes.
extern QString CurrentFormula;

} // namespace zorv::donnees
