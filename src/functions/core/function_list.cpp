#include "functions/core/function_list.h"

namespace zorv::donnees {

QString FunctionDir;
std::array<QString, FunctionSlots> FunctionFileNames;
std::array<QString, FunctionSlots> FunctionNames;
QString CurrentFormula;

} // namespace zorv::donnees
