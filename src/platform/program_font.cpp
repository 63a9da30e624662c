#include "platform/program_font.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace zorv {

QFont programFont(qreal pointSize, bool bold)
{
    QFont font;
    // Fallbacks for a machine without the packaged family: same metrics first, then any sans.
    font.setFamilies(
        {QString::fromLatin1(ProgramFontFamily), u"Arial"_s, u"Helvetica"_s, u"DejaVu Sans"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void installProgramFont()
{
    QApplication::setFont(programFont());
}

} // namespace zorv
