#include "shell/windows/c_outils.h"

#include "engine/windows/q_resolution.h"
#include "functions/windows/m_sdk.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStringList>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace zorv {
namespace {

// A caption broken into lines at its spaces, each line as long as fits the width: a button shows
// a long caption on several lines, and Qt's buttons do not wrap by themselves.
QString wrapped(const QString &caption, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    const QStringList words = caption.split(u' ');
    for (const QString &word : words) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) <= width)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    return lines.join(u'\n');
}

} // namespace

c_outils::c_outils(QWidget *parent)
    : QWidget(parent)
    , Command1(makeButton(this,
                          u"Command1"_s,
                          QString(),
                          &c_outils::Command1_Click,
                          twips(240, 120, 1815, 735)))
    , Command2(makeButton(this,
                          u"Command2"_s,
                          QString(),
                          &c_outils::Command2_Click,
                          twips(240, 960, 1815, 735)))
{
    setWindowTitle(u"Outils"_s);
    setClientSize(this, 2280, 1830);
    setWrappedCaption(Command1, u"lancer le SDK"_s);
    setWrappedCaption(Command2, u"Lancer le Moteur d'équations"_s);
    setFocusChain({Command1, Command2});
}

void c_outils::setWrappedCaption(QPushButton *button, const QString &caption)
{
    const int textWidth = button->width() - 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                          - style()->pixelMetric(QStyle::PM_ButtonMargin);
    button->setText(wrapped(caption, button->fontMetrics(), textWidth));
    // A screen reader reads the caption as one line.
    button->setAccessibleName(caption);
}

void c_outils::Command1_Click()
{
    SingleInstance<m_sdk>::show();
}

void c_outils::Command2_Click()
{
    SingleInstance<q_resolution>::show();
}

} // namespace zorv
