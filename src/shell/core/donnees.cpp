#include "donnees.h"

#include "functions/core/function_list.h"
#include "platform/app_dir.h"

namespace zorv::donnees {

QString AppVersion;

void InitGlobals()
{
    AppVersion = QStringLiteral("1.00.1");
    FunctionDir = appPath(QStringLiteral("res/Fonc/"));
}

} // namespace zorv::donnees
