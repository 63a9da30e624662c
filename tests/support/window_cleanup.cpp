#include "support/window_cleanup.h"

#include "documents/windows/c_documents.h"
#include "documents/windows/m_help.h"
#include "engine/windows/q_resolution.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/e_more.h"
#include "functions/windows/m_sdk.h"
#include "journal/windows/c_journal.h"
#include "platform/single_instance.h"
#include "settings/windows/d_options.h"
#include "shell/windows/a_start.h"
#include "shell/windows/about_box.h"
#include "shell/windows/b_menu.h"
#include "shell/windows/b_window.h"
#include "shell/windows/c_outils.h"
#include "shell/windows/e_tri.h"
#include "shell/windows/z_quit.h"
#include "values/windows/c_donnees.h"
#include "values/windows/r_chargement_data.h"
#include "values/windows/v_normalisees.h"

#include <QApplication>
#include <QPointer>

namespace zorv::test {

namespace {

template<class... Windows>
void closeEach()
{
    (SingleInstance<Windows>::close(), ...);
}

} // namespace

void closeProgramWindows()
{
    // The windows that others open first, the frame and the menu last.
    closeEach<e_tri,
              z_quit,
              AboutBox,
              v_normalisees,
              c_journal,
              q_resolution,
              r_chargement_data,
              e_more,
              c_calculs,
              c_donnees,
              c_documents,
              m_help,
              d_options,
              c_outils,
              m_sdk,
              b_window,
              b_menu,
              a_start>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList closeAllWindows()
{
    closeProgramWindows();
    const QWidgetList others = QApplication::topLevelWidgets();
    for (const QPointer<QWidget> widget : others) {
        if (widget)
            widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QStringList left;
    QList<QPointer<QWidget>> leftovers;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        left.append(QString::fromLatin1(widget->metaObject()->className()) + u' '
                    + widget->objectName());
        leftovers.append(widget);
    }
    for (const QPointer<QWidget> &widget : leftovers)
        delete widget.data();
    return left;
}

} // namespace zorv::test
