#include "shell/windows/b_window.h"

#include "platform/twips.h"
#include "shell/core/donnees.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zorv {

b_window::b_window(QWidget *parent)
    : QMainWindow(parent)
    , m_area(new QMdiArea(this))
{
    setWindowTitle(u" "_s);
    m_area->setObjectName(u"workspace"_s);
    // The system's colour of an application workspace: the theme's dark shade of the window colour.
    m_area->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_area);
    // The user may resize it; only its position is the menu's business.
    resize(twipsSize(7905, 7800));
    MDIForm_Load();
}

void b_window::MDIForm_Load()
{
    setWindowTitle(donnees::AppVersion);
}

QMdiSubWindow *b_window::subWindowOf(const QWidget *child) const
{
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    const auto found = std::find_if(windows.begin(), windows.end(), [child](QMdiSubWindow *sub) {
        return sub->widget() == child;
    });
    return found == windows.end() ? nullptr : *found;
}

QMdiSubWindow *b_window::adopt(QWidget *child)
{
    // The child states its title-bar buttons on itself; once adopted it is no window any more, so
    // the hints are read first.
    const Qt::WindowFlags own = child->windowFlags();
    Qt::WindowFlags flags;
    if (own.testFlag(Qt::CustomizeWindowHint))
        flags = (own & ~Qt::WindowType_Mask) | Qt::SubWindow;
    QMdiSubWindow *sub = m_area->addSubWindow(child, flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    child->show();
    const QSize natural = sub->sizeHint();
    if (child->minimumSize() == child->maximumSize())
        sub->setFixedSize(natural);
    else
        sub->resize(natural);
    // A child deleted outside its sub-window (its holder's close) would leave an empty frame.
    connect(child, &QObject::destroyed, this, &b_window::dropEmptySubWindows, Qt::QueuedConnection);
    return sub;
}

void b_window::dropEmptySubWindows()
{
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    for (QMdiSubWindow *sub : windows) {
        if (!sub->widget())
            sub->deleteLater();
    }
}

void b_window::showChild(QWidget *child)
{
    QMdiSubWindow *sub = subWindowOf(child);
    if (!sub)
        sub = adopt(child);
    if (isMinimized())
        showNormal();
    else if (!isVisible())
        show();
    if (sub->isMinimized())
        sub->showNormal();
    else
        sub->show();
    m_area->setActiveSubWindow(sub);
    sub->raise();
    raise();
    activateWindow();
}

void b_window::closeEvent(QCloseEvent *event)
{
    m_area->closeAllSubWindows();
    // A child that refused to close keeps the frame open around it.
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    const bool childStillOpen = std::any_of(windows.begin(), windows.end(), [](QMdiSubWindow *sub) {
        return sub->isVisible();
    });
    if (childStillOpen)
        event->ignore();
    else
        event->accept();
}

void b_window::Arrange(Arrangement arrangement)
{
    switch (arrangement) {
    case Cascade:
        m_area->cascadeSubWindows();
        break;
    case TileHorizontal:
        tile(Qt::Vertical);
        break;
    case TileVertical:
        tile(Qt::Horizontal);
        break;
    case ArrangeIcons:
        arrangeIcons();
        break;
    }
}

QList<QMdiSubWindow *> b_window::arrangeableSubWindows() const
{
    QList<QMdiSubWindow *> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    windows.removeIf([](QMdiSubWindow *sub) { return !sub->isVisible() || sub->isMinimized(); });
    return windows;
}

// One strip of the frame per child, stacked in the given direction. A child of fixed size keeps
// its size at the start of its strip, so every title bar stays in sight.
void b_window::tile(Qt::Orientation stacking)
{
    const QList<QMdiSubWindow *> windows = arrangeableSubWindows();
    const QRect area = m_area->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        QRect strip = area;
        if (stacking == Qt::Vertical) {
            strip.setTop(area.top() + area.height() * i / count);
            strip.setBottom(area.top() + area.height() * (i + 1) / count - 1);
        } else {
            strip.setLeft(area.left() + area.width() * i / count);
            strip.setRight(area.left() + area.width() * (i + 1) / count - 1);
        }
        QMdiSubWindow *sub = windows[i];
        if (sub->isMaximized())
            sub->showNormal();
        sub->setGeometry(strip);
    }
}

void b_window::arrangeIcons()
{
    const QRect area = m_area->viewport()->rect();
    QPoint next(area.left(), area.bottom() + 1);
    int rowHeight = 0;
    const QList<QMdiSubWindow *> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *sub : windows) {
        if (!sub->isVisible() || !sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (next.x() > area.left() && next.x() + size.width() > area.right() + 1) {
            next = QPoint(area.left(), next.y() - rowHeight);
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        sub->move(next.x(), next.y() - size.height());
        next.rx() += size.width();
    }
}

void MainFrameHost::showChild(QWidget *child)
{
    SingleInstance<b_window>::get()->showChild(child);
}

} // namespace zorv
