#include "program_font.h"

#include <QApplication>

namespace zorv {

QFont programFont(qreal pointSize, bool bold)
{
    QFont font;
    // Fallbacks for a machine without the packaged family: same metrics first, then any sans.
    font.setFamilies({QString::fromLatin1(ProgramFontFamily),
                      QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
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
