#include "documents/windows/c_documents.h"
#include "documents/windows/link_label.h"
#include "documents/windows/m_help.h"
#include "platform/single_instance.h"
#include "shots.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

using zorv::SingleInstance;

void documents(zorv::shots::Shots &s)
{
    zorv::c_documents *list = SingleInstance<zorv::c_documents>::show();
    // As a keyboard user sees it after Tab: the focus frame on the first link.
    QApplication::setActiveWindow(list);
    list->setAttribute(Qt::WA_KeyboardFocusChange);
    list->a->setFocus(Qt::TabFocusReason);
    s.take(list, QStringLiteral("c_documents"));

    s.take(SingleInstance<zorv::m_help>::show(), QStringLiteral("m_help-note"));

    list->a_Click();
    s.take(SingleInstance<zorv::m_help>::find(), QStringLiteral("m_help-calculs"));
    list->Label1_Click();
    s.take(SingleInstance<zorv::m_help>::find(), QStringLiteral("m_help-sdk"));
    list->Label2_Click();
    s.take(SingleInstance<zorv::m_help>::find(), QStringLiteral("m_help-donnees"));
    list->Label3_Click();
    // The engine's rules, scrolled to its worked examples of the square sign.
    zorv::m_help *viewer = SingleInstance<zorv::m_help>::find();
    s.take(viewer, QStringLiteral("m_help-moteur"));
    QTextCursor rules = viewer->Text1->document()->find(QStringLiteral("d) Le carré"));
    rules.setPosition(rules.selectionStart());
    viewer->Text1->setTextCursor(rules);
    viewer->Text1->centerCursor();
    s.take(viewer, QStringLiteral("m_help-moteur-regles"));

    SingleInstance<zorv::m_help>::close();
    SingleInstance<zorv::c_documents>::close();
}

const zorv::shots::Registrar reg("60-documents", &documents);

} // namespace
