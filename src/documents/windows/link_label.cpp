#include "documents/windows/link_label.h"

#include "documents/windows/hand_cursor.h"
#include "platform/program_font.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace zorv {

namespace {

// A button to Qt, but a link to a screen reader: that is what the user sees.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(QWidget *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<QAbstractButton *>(widget())->click();
    }
};

QAccessibleInterface *linkLabelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("zorv::LinkLabel") && object && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QAbstractButton(parent)
{
    static const bool accessibilityInstalled = (QAccessible::installFactory(&linkLabelFactory),
                                                true);
    Q_UNUSED(accessibilityInstalled);
    setText(text);
    QFont font = programFont(8.25);
    font.setUnderline(true);
    setFont(font);
    setCursor(handCursor());
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
}

// Space clicks any button; a link opens with Enter too.
void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (!hasFocus())
        return;
    // Without a focus frame a keyboard user cannot tell which document Enter would open.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = QRect(0, 0, qMin(fontMetrics().horizontalAdvance(text()) + 2, width()), height());
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace zorv
