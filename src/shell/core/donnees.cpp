#include "shell/core/donnees.h"

#include "functions/core/function_list.h"
#include "platform/app_dir.h"

using namespace Qt::StringLiterals;

namespace zorv::donnees {

QString AppVersion;

void InitGlobals()
{
    AppVersion = QStringLiteral(ZORV_VERSION_TEXT);
    FunctionDir = appPath(u"res/Fonc/"_s);
}

} // namespace zorv::donnees
