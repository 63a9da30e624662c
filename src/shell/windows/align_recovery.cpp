#include "align_recovery.h"

#include "platform/single_instance.h"
#include "shell/windows/b_menu.h"

namespace zorv {

void AlignRecoveryComponent::Recover()
{
    if (b_menu *menu = SingleInstance<b_menu>::find())
        menu->raise();
}

} // namespace zorv
