#include "program_icon.h"

namespace zorv {

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/shell/zorv16.png"));
    icon.addFile(QStringLiteral(":/shell/zorv32.png"));
    icon.addFile(QStringLiteral(":/shell/zorv48.png"));
    return icon;
}

} // namespace zorv
