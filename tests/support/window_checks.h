#pragma once

#include <QStringList>

class QMenu;
class QWidget;

namespace zorv::test {

// The caption as shown: the "&" that marks an access key is not drawn.
QString withoutAccessKey(QString text);

// How many pixels the caption takes, as shown, in the control's font.
int captionWidth(const QWidget *control, const QString &caption);

// The captions of the labels, buttons and frames below `window` that would be cut: each as
// "objectName: caption". A label counts as cut when its text runs under a control that stands to
// its right in the same container, as the designed grids put boxes over the labels' wide areas.
// A named control that runs past the edge of its container is listed too ("name: hors de …").
QStringList captionsThatDoNotFit(const QWidget *window);

// The controls named in `names` in the order the keyboard focus visits them, once round the chain
// from the first of them.
QStringList focusOrder(const QWidget *window, const QStringList &names);

// The context menu that a right click on `box` opens, or nullptr if none opens.
QMenu *openContextMenu(QWidget *box);

} // namespace zorv::test
