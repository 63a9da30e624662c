#pragma once

#include <QString>

#include <array>

// The function library as the calculator lists it. (Part of the program's global values, named
// with them.)
namespace zorv::donnees {

// AppDir() followed by the function folder, ending with a separator. Set by InitGlobals.
extern QString FunctionDir;

// The function list: entry i of both arrays belongs to item i of the calculator's list. Filled by
// the calculator's listing.
inline constexpr int FunctionSlots = 1000;
extern std::array<QString, FunctionSlots> FunctionFileNames;
extern std::array<QString, FunctionSlots> FunctionNames;

// The formula of the function picked last; kept when the calculator closes. Set by the
// calculator's pick.
extern QString CurrentFormula;

} // namespace zorv::donnees
