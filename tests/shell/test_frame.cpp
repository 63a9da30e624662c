#include "platform/program_font.h"
#include "platform/twips.h"
#include "shell/shell_test_support.h"

#include <QCloseEvent>

#include <memory>

using namespace Qt::StringLiterals;

using namespace zorv;
using namespace zorv::test;

namespace {

// A child that will not be closed, as a window with unsaved work might.
class StubbornChild : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

QPoint dockFor(const b_menu *menu)
{
    const QRect outer = menu->frameGeometry();
    return QPoint(outer.left(), outer.top() + outer.height());
}

} // namespace

class FrameTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstTickCreatesTheFrameHidden();
    void childShowsTheFrame();
    void closedFrameComesBackWithItsCaption();
    void closingTheFrameClosesItsChildren();
    void childThatRefusesKeepsTheFrameOpen();
    void frameFollowsTheMenu_data();
    void frameFollowsTheMenu();
    void frameMovedByTheUserJumpsBack();
    void maximizedOrMinimizedFrameIsRestoredThenDocked_data();
    void maximizedOrMinimizedFrameIsRestoredThenDocked();
    void childIsAdoptedAtItsSize();
    void childTitleBarButtonsAreKept_data();
    void childTitleBarButtonsAreKept();
    void subWindowGoesWithItsChild();
    void cascadeStacksDiagonally();
    void tiling_data();
    void tiling();
    void iconsLineUpAlongTheBottom();
    void arrangingAnEmptyHiddenFrameShowsNothing();

private:
    b_menu *openMenu();
    b_window *frameWithThreeChildren();

    std::unique_ptr<ShellScope> m_shell;
};

void FrameTest::initTestCase()
{
    installProgramFont();
}

void FrameTest::init()
{
    m_shell = std::make_unique<ShellScope>();
}

void FrameTest::cleanup()
{
    m_shell.reset();
    QCOMPARE(test::closeAllWindows(), QStringList());
}

b_menu *FrameTest::openMenu()
{
    return SingleInstance<b_menu>::show();
}

b_window *FrameTest::frameWithThreeChildren()
{
    SingleInstance<c_outils>::show();
    SingleInstance<c_documents>::show();
    SingleInstance<d_options>::show();
    b_window *frame = SingleInstance<b_window>::find();
    frame->resize(twipsSize(7905, 7800));
    return frame;
}

void FrameTest::firstTickCreatesTheFrameHidden()
{
    b_menu *menu = openMenu();
    QVERIFY(!SingleInstance<b_window>::find());
    menu->WindowsAlign_Timer();
    b_window *frame = SingleInstance<b_window>::find();
    QVERIFY(frame);
    QVERIFY(!frame->isVisible());
    QCOMPARE(frame->windowTitle(), u"1.00.1"_s);
    QCOMPARE(frame->frameGeometry().topLeft(), dockFor(menu));
}

void FrameTest::childShowsTheFrame()
{
    b_menu *menu = openMenu();
    menu->WindowsAlign_Timer();
    menu->Command7_Click();
    b_window *frame = SingleInstance<b_window>::find();
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->centralWidget(), frame->workspace());
    QVERIFY(frameSubWindowOf(SingleInstance<c_outils>::find()));
    menu->WindowsAlign_Timer();
    QCOMPARE(frame->frameGeometry().topLeft(), dockFor(menu));
}

void FrameTest::closedFrameComesBackWithItsCaption()
{
    b_menu *menu = openMenu();
    menu->Command7_Click();
    QVERIFY(SingleInstance<b_window>::find()->close());
    QTRY_VERIFY(!SingleInstance<b_window>::find());
    QCOMPARE(m_shell->platform.endRequests, 0);

    menu->WindowsAlign_Timer();
    b_window *frame = SingleInstance<b_window>::find();
    QVERIFY(frame && !frame->isVisible());
    QCOMPARE(frame->windowTitle(), u"1.00.1"_s);
    QCOMPARE(frame->frameGeometry().topLeft(), dockFor(menu));

    menu->Command7_Click();
    QVERIFY(frame->isVisible());
    QVERIFY(frameSubWindowOf(SingleInstance<c_outils>::find()));
}

void FrameTest::closingTheFrameClosesItsChildren()
{
    b_window *frame = frameWithThreeChildren();
    QVERIFY(frame->close());
    QTRY_VERIFY(!SingleInstance<b_window>::find());
    QVERIFY(!SingleInstance<c_outils>::find());
    QVERIFY(!SingleInstance<c_documents>::find());
    QVERIFY(!SingleInstance<d_options>::find());
}

void FrameTest::childThatRefusesKeepsTheFrameOpen()
{
    b_window *frame = SingleInstance<b_window>::get();
    auto *stubborn = new StubbornChild;
    stubborn->setAttribute(Qt::WA_DeleteOnClose);
    frame->showChild(stubborn);
    SingleInstance<c_outils>::show();
    QVERIFY(!frame->close());
    QVERIFY(frame->isVisible());
    QVERIFY(stubborn->isVisible());
    QTRY_VERIFY(!SingleInstance<c_outils>::find());
    delete stubborn;
}

void FrameTest::frameFollowsTheMenu_data()
{
    QTest::addColumn<QPoint>("menuPosition");
    QTest::newRow("top left corner") << QPoint(0, 0);
    QTest::newRow("middle of the screen") << QPoint(300, 250);
    QTest::newRow("partly off the screen") << QPoint(-40, 10);
}

void FrameTest::frameFollowsTheMenu()
{
    QFETCH(QPoint, menuPosition);
    b_menu *menu = openMenu();
    menu->Command7_Click();
    b_window *frame = SingleInstance<b_window>::find();
    const QSize frameSize = frame->size();

    menu->move(menuPosition);
    menu->WindowsAlign_Timer();
    QCOMPARE(frame->frameGeometry().topLeft(), dockFor(menu));
    QCOMPARE(frame->frameGeometry().left(), menu->frameGeometry().left());
    QCOMPARE(frame->frameGeometry().top(), menu->frameGeometry().bottom() + 1);
    QCOMPARE(frame->size(), frameSize);
}

void FrameTest::frameMovedByTheUserJumpsBack()
{
    b_menu *menu = openMenu();
    menu->Command7_Click();
    menu->WindowsAlign_Timer();
    b_window *frame = SingleInstance<b_window>::find();
    frame->move(frame->pos() + QPoint(120, 70));
    QVERIFY(frame->frameGeometry().topLeft() != dockFor(menu));
    menu->WindowsAlign_Timer();
    QCOMPARE(frame->frameGeometry().topLeft(), dockFor(menu));
}

void FrameTest::maximizedOrMinimizedFrameIsRestoredThenDocked_data()
{
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("maximized") << Qt::WindowMaximized;
    QTest::newRow("minimized") << Qt::WindowMinimized;
    QTest::newRow("full screen") << Qt::WindowFullScreen;
}

void FrameTest::maximizedOrMinimizedFrameIsRestoredThenDocked()
{
    QFETCH(Qt::WindowState, state);
    b_menu *menu = openMenu();
    menu->Command7_Click();
    menu->WindowsAlign_Timer();
    b_window *frame = SingleInstance<b_window>::find();
    const QSize normalSize = frame->size();

    frame->setWindowState(state);
    QVERIFY(frame->windowState() & state);
    menu->move(menu->pos() + QPoint(30, 20));
    menu->WindowsAlign_Timer();
    QCOMPARE(frame->windowState()
                 & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen),
             Qt::WindowStates());
    QVERIFY(frame->isVisible());
    menu->WindowsAlign_Timer();
    QCOMPARE(frame->size(), normalSize);
    QCOMPARE(frame->frameGeometry().topLeft(), dockFor(menu));
    QCOMPARE(m_shell->platform.messages.size(), 0);
}

void FrameTest::childIsAdoptedAtItsSize()
{
    c_outils *tools = SingleInstance<c_outils>::show();
    QMdiSubWindow *sub = frameSubWindowOf(tools);
    QVERIFY(sub);
    QVERIFY(sub->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(sub->windowTitle(), u"Outils"_s);
    QCOMPARE(tools->size(), twipsSize(2280, 1830));
    QCOMPARE(sub->widget(), tools);
    QVERIFY(sub->contentsRect().contains(tools->geometry()));
    QCOMPARE(SingleInstance<b_window>::find()->workspace()->activeSubWindow(), sub);
}

void FrameTest::childTitleBarButtonsAreKept_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<bool>("maximizeButton");
    QTest::newRow("authoring window has no maximize button") << "m_sdk" << false;
    QTest::newRow("document viewer has no maximize button") << "m_help" << false;
    QTest::newRow("tools window has every button") << "c_outils" << true;
}

void FrameTest::childTitleBarButtonsAreKept()
{
    QFETCH(QString, child);
    QFETCH(bool, maximizeButton);
    QWidget *window = child == "m_sdk"    ? static_cast<QWidget *>(SingleInstance<m_sdk>::show())
                      : child == "m_help" ? static_cast<QWidget *>(SingleInstance<m_help>::show())
                                          : SingleInstance<c_outils>::show();
    QMdiSubWindow *sub = frameSubWindowOf(window);
    QVERIFY(sub);
    // Without the customize hint a sub-window has every button.
    const Qt::WindowFlags flags = sub->windowFlags();
    const auto hasButton = [flags](Qt::WindowType hint) {
        return !(flags & Qt::CustomizeWindowHint) || (flags & hint);
    };
    QCOMPARE(hasButton(Qt::WindowMaximizeButtonHint), maximizeButton);
    QVERIFY(hasButton(Qt::WindowMinimizeButtonHint));
    QVERIFY(hasButton(Qt::WindowCloseButtonHint));
    QVERIFY(flags & Qt::WindowTitleHint || !(flags & Qt::CustomizeWindowHint));
}

void FrameTest::subWindowGoesWithItsChild()
{
    SingleInstance<c_outils>::show();
    b_window *frame = SingleInstance<b_window>::find();
    QCOMPARE(frame->workspace()->subWindowList().size(), 1);
    SingleInstance<c_outils>::close();
    QTRY_VERIFY(frame->workspace()->subWindowList().isEmpty());
    QVERIFY(frame->isVisible());
}

void FrameTest::cascadeStacksDiagonally()
{
    b_window *frame = frameWithThreeChildren();
    frame->Arrange(b_window::Cascade);
    const QList<QMdiSubWindow *> windows = frame->workspace()->subWindowList(
        QMdiArea::StackingOrder);
    QCOMPARE(windows.size(), 3);
    for (int i = 1; i < windows.size(); ++i) {
        const QPoint step = windows[i]->pos() - windows[i - 1]->pos();
        QVERIFY2(step.x() > 0 && step.y() > 0,
                 qPrintable(u"step %1,%2"_s.arg(step.x()).arg(step.y())));
    }
    QCOMPARE(windows.first()->pos(), QPoint(0, 0));
}

void FrameTest::tiling_data()
{
    QTest::addColumn<b_window::Arrangement>("arrangement");
    QTest::addColumn<bool>("oneAboveTheOther");
    QTest::newRow("horizontally: one above the other") << b_window::TileHorizontal << true;
    QTest::newRow("vertically: side by side") << b_window::TileVertical << false;
}

void FrameTest::tiling()
{
    QFETCH(b_window::Arrangement, arrangement);
    QFETCH(bool, oneAboveTheOther);
    b_window *frame = frameWithThreeChildren();
    frame->Arrange(arrangement);
    const QRect area = frame->workspace()->viewport()->rect();
    const QList<QMdiSubWindow *> windows = frame->workspace()->subWindowList(
        QMdiArea::CreationOrder);
    for (int i = 0; i < windows.size(); ++i) {
        const QPoint expected = oneAboveTheOther ? QPoint(0, area.height() * i / 3)
                                                 : QPoint(area.width() * i / 3, 0);
        QCOMPARE(windows[i]->pos(), expected);
    }
}

void FrameTest::iconsLineUpAlongTheBottom()
{
    b_window *frame = frameWithThreeChildren();
    const QList<QMdiSubWindow *> windows = frame->workspace()->subWindowList(
        QMdiArea::CreationOrder);
    windows[0]->showMinimized();
    windows[2]->showMinimized();
    windows[0]->move(200, 30);
    windows[2]->move(10, 100);
    frame->Arrange(b_window::ArrangeIcons);
    const QRect area = frame->workspace()->viewport()->rect();
    QCOMPARE(windows[0]->geometry().bottomLeft(), QPoint(0, area.bottom()));
    QCOMPARE(windows[2]->geometry().left(), windows[0]->geometry().right() + 1);
    QCOMPARE(windows[2]->geometry().bottom(), area.bottom());
}

void FrameTest::arrangingAnEmptyHiddenFrameShowsNothing()
{
    b_window *frame = SingleInstance<b_window>::get();
    for (b_window::Arrangement arrangement : {b_window::Cascade,
                                              b_window::TileHorizontal,
                                              b_window::TileVertical,
                                              b_window::ArrangeIcons})
        frame->Arrange(arrangement);
    QVERIFY(!frame->isVisible());
    QVERIFY(frame->workspace()->subWindowList().isEmpty());
}

QTEST_MAIN(FrameTest)
#include "test_frame.moc"
