#include "functions/windows/info_failure_component.h"

#include "platform/platform.h"

namespace zorv {

using namespace Qt::StringLiterals;

int InfoFailureComponent::Run()
{
    platform().messageBox(u"Aucune fonction n'est choisie : choisissez d'abord une fonction dans "
                          u"la liste de la fenêtre « Calculs »."_s,
                          QString(),
                          MessageButtons::Ok,
                          MessageIcon::Information);
    return 0;
}

} // namespace zorv
