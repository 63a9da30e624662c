#pragma once

#include <QString>

// The program's global values that belong to the program as a whole. The others live with their
// owners: the program folder in platform/app_dir.h, the function list in
// functions/core/function_list.h.
namespace zorv::donnees {

// "1.00.1", shown as the main frame's caption and printed by the tools. Set by InitGlobals.
extern QString AppVersion;

// Sets AppVersion, then FunctionDir.
void InitGlobals();

} // namespace zorv::donnees
