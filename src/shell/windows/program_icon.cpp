#include "shell/windows/program_icon.h"

using namespace Qt::StringLiterals;

namespace zorv {

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(u":/shell/zorv16.png"_s);
    icon.addFile(u":/shell/zorv32.png"_s);
    icon.addFile(u":/shell/zorv48.png"_s);
    return icon;
}

} // namespace zorv
