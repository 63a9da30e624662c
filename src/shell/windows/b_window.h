#pragma once

#include "platform/single_instance.h"

#include <QList>
#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

namespace zorv {

// The main frame: the multiple-document window in which the module windows open. The menu creates
// it (hidden) and keeps it docked below itself; it is shown with its first child.
class b_window
    : public QMainWindow
    , public FrameHost
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    // The frame's standard arrangements of its children.
    enum Arrangement {
        Cascade = 0,        // stacked diagonally from the top left corner
        TileHorizontal = 1, // one above the other, each across the whole frame
        TileVertical = 2,   // side by side, each down the whole frame
        ArrangeIcons = 3,   // the minimized children lined up along the bottom
    };

    explicit b_window(QWidget *parent = nullptr);

    void MDIForm_Load();

    // Adopts the child into a sub-window on first use, shows the frame and brings the child to
    // the front.
    void showChild(QWidget *child) override;

    void Arrange(Arrangement arrangement);

    QMdiArea *workspace() const { return m_area; }

    // The sub-window that holds the child, or nullptr.
    QMdiSubWindow *subWindowOf(const QWidget *child) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QMdiSubWindow *adopt(QWidget *child);
    void dropEmptySubWindows();
    QList<QMdiSubWindow *> arrangeableSubWindows() const;
    void tile(Qt::Orientation stacking);
    void arrangeIcons();

    QMdiArea *m_area;
};

// The frame as the module windows see it, for the program's whole run (installed with an
// InstalledScope<FrameHost>): a child goes into the frame that exists at that moment, or into a
// new one when the user has closed it.
class MainFrameHost final : public FrameHost
{
public:
    void showChild(QWidget *child) override;
};

} // namespace zorv
