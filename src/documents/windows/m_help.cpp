#include "documents/windows/m_help.h"

#include "documents/core/read_a_file.h"
#include "platform/app_dir.h"
#include "platform/platform.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "platform/window_geometry.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace zorv {

const QString m_help::NoDocumentNote
    = u"(aucun document n'est chargé) - Note : Les documents ne peuvent pas être chargés "
      "manuellement, si un document devait être chargé, réinstallez ZORV"_s;

m_help::m_help(QWidget *parent)
    : QWidget(parent)
    , Text1(new QPlainTextEdit(this))
{
    setWindowTitle(u"Document"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setClientSize(this, 5430, 4110);

    Text1->setObjectName(u"Text1"_s);
    Text1->setAccessibleName(u"Texte du document"_s);
    Text1->setGeometry(twips(120, 120, 5175, 3855));
    Text1->setFont(programFont());
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Breaking inside words takes time that grows with the square of a line's length, so a long
    // run without blanks would stall the viewer; such a run scrolls sideways instead.
    Text1->setWordWrapMode(QTextOption::WordWrap);
    Text1->setReadOnly(true);
    // Read-only alone would leave no caret: the keyboard could neither select nor copy.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setPlainText(NoDocumentNote);
}

void m_help::LoadHelp(const QString &HelpFile)
{
    showWindow(this, windowKind);
    const QString path = donnees::appPath(u"docs/"_s + HelpFile);
    const std::optional<QString> text = ReadAfile(path);
    if (!text) {
        platform().beep();
        platform().beep();
        // The text of another document would pass for the one asked for; the note says already
        // that none is loaded.
        if (Text1->toPlainText() != NoDocumentNote) {
            Text1->setPlainText(
                u"Le document « %1 » ne peut pas être lu : %2. Réinstallez ZORV pour "
                u"le retrouver."_s.arg(HelpFile, documents::unreadableReason(path)));
        }
        return;
    }
    Text1->setPlainText(*text);
}

std::optional<QString> m_help::ReadAfile(const QString &filename) const
{
    return documents::ReadAfile(filename);
}

} // namespace zorv
