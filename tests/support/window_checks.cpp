#include "support/window_checks.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zorv::test {
namespace {

// How far a label's text may run before another control of its container covers it.
int visibleWidth(const QLabel *label)
{
    int width = label->width();
    const QRect area = label->geometry();
    for (const QObject *object : label->parentWidget()->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(object);
        if (!sibling || sibling == label || qobject_cast<const QLabel *>(sibling))
            continue;
        const QRect other = sibling->geometry();
        if (other.left() > area.left() && other.intersects(area))
            width = std::min(width, other.left() - area.left());
    }
    return width;
}

QString describe(const QWidget *control, const QString &caption)
{
    return control->objectName() + u": "_s + caption;
}

} // namespace

QString withoutAccessKey(QString text)
{
    return text.remove(u'&');
}

int captionWidth(const QWidget *control, const QString &caption)
{
    return QFontMetrics(control->font()).horizontalAdvance(withoutAccessKey(caption));
}

QStringList captionsThatDoNotFit(const QWidget *window)
{
    QStringList cut;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QFontMetrics metrics(label->font());
        const QString text = withoutAccessKey(label->text());
        if (metrics.horizontalAdvance(text) > visibleWidth(label)
            || metrics.height() > label->height())
            cut.append(describe(label, text));
    }
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        const QFontMetrics metrics(button->font());
        const QString text = withoutAccessKey(button->text());
        // A button needs a few pixels of its frame on each side of the text.
        if (metrics.horizontalAdvance(text) + 8 > button->width()
            || metrics.height() + 4 > button->height())
            cut.append(describe(button, text));
    }
    for (const QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        const QFontMetrics metrics(frame->font());
        // The title starts after the frame's corner and needs a gap before its right edge.
        if (metrics.horizontalAdvance(frame->title()) + 16 > frame->width())
            cut.append(describe(frame, frame->title()));
    }
    // A control that runs past its container's edge is cut whatever its caption.
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const QWidget *container = control->parentWidget();
        if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"_s)
            || control->isWindow() || !control->isVisibleTo(window))
            continue;
        if (!container->rect().contains(control->geometry()))
            cut.append(control->objectName() + u": hors de "_s + container->objectName());
    }
    return cut;
}

QStringList focusOrder(const QWidget *window, const QStringList &names)
{
    QStringList order;
    QWidget *start = window->findChild<QWidget *>(names.first());
    if (!start)
        return order;
    QWidget *widget = start;
    do {
        if (names.contains(widget->objectName()) && !order.contains(widget->objectName()))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return order;
}

QMenu *openContextMenu(QWidget *box)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

} // namespace zorv::test
