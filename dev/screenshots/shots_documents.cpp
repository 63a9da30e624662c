#include "documents/windows/c_documents.h"
#include "documents/windows/link_label.h"
#include "documents/windows/m_help.h"
#include "platform/single_instance.h"
#include "screenshots/shots.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

using zorv::SingleInstance;

void documents(zorv::shots::Shots &s)
{
    zorv::c_documents *list = SingleInstance<zorv::c_documents>::show();
    // As a keyboard user sees it after Tab: the focus frame on the first link.
    QApplication::setActiveWindow(list);
    list->setAttribute(Qt::WA_KeyboardFocusChange);
    list->a->setFocus(Qt::TabFocusReason);
    s.take(list, u"c_documents"_s);

    s.take(SingleInstance<zorv::m_help>::show(), u"m_help-note"_s);

    list->a_Click();
    s.take(SingleInstance<zorv::m_help>::find(), u"m_help-calculs"_s);
    list->Label1_Click();
    s.take(SingleInstance<zorv::m_help>::find(), u"m_help-sdk"_s);
    list->Label2_Click();
    s.take(SingleInstance<zorv::m_help>::find(), u"m_help-donnees"_s);
    list->Label3_Click();
    // The engine's rules, scrolled to its worked examples of the square sign.
    zorv::m_help *viewer = SingleInstance<zorv::m_help>::find();
    s.take(viewer, u"m_help-moteur"_s);
    QTextCursor rules = viewer->Text1->document()->find(u"d) Le carré"_s);
    rules.setPosition(rules.selectionStart());
    viewer->Text1->setTextCursor(rules);
    viewer->Text1->centerCursor();
    s.take(viewer, u"m_help-moteur-regles"_s);

    SingleInstance<zorv::m_help>::close();
    SingleInstance<zorv::c_documents>::close();
}

const zorv::shots::Registrar reg("60-documents", &documents);

} // namespace
