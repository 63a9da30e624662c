#include "platform/program_font.h"
#include "platform/twips.h"
#include "shell/shell_test_support.h"
#include "shell/windows/picture_button.h"
#include "support/window_checks.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace Qt::StringLiterals;

using namespace zorv;
using namespace zorv::test;

namespace {

QList<QMdiSubWindow *> frameChildren()
{
    return SingleInstance<b_window>::find()->workspace()->subWindowList(QMdiArea::CreationOrder);
}

bool stackedDiagonally(const QList<QMdiSubWindow *> &windows)
{
    for (int i = 1; i < windows.size(); ++i) {
        const QPoint step = windows[i]->pos() - windows[i - 1]->pos();
        if (step.x() <= 0 || step.y() <= 0)
            return false;
    }
    return true;
}

} // namespace

class WindowManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void managerLooksAsDesigned();
    void picturesAreButtonsForEveryone_data();
    void picturesAreButtonsForEveryone();
    void cascadeStacksTheChildrenAndStaysOpen();
    void alignerTilesTheChildren();
    void managerCreatesAMissingFrame();
    void toolsLookAsDesigned();
    void sdkOpensInTheFrame();
    void equationEngineTwiceIsOneWindowOfItsOwn();

private:
    void openThreeChildren();

    std::unique_ptr<ShellScope> m_shell;
};

void WindowManagerTest::initTestCase()
{
    installProgramFont();
}

void WindowManagerTest::init()
{
    m_shell = std::make_unique<ShellScope>();
}

void WindowManagerTest::cleanup()
{
    m_shell.reset();
    QCOMPARE(test::closeAllWindows(), QStringList());
}

void WindowManagerTest::openThreeChildren()
{
    SingleInstance<c_outils>::show();
    SingleInstance<c_documents>::show();
    SingleInstance<d_options>::show();
}

void WindowManagerTest::managerLooksAsDesigned()
{
    e_tri *manager = SingleInstance<e_tri>::show();
    QCOMPARE(manager->windowTitle(), u"Gestionnaire des fenêtres"_s);
    QCOMPARE(manager->size(), twipsSize(4680, 1200));
    QCOMPARE(manager->windowModality(), Qt::ApplicationModal);
    QVERIFY(!(manager->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(manager->windowFlags() & Qt::WindowCloseButtonHint);

    QCOMPARE(manager->Image1->geometry(), twips(1200, 360, 810, 315));
    QCOMPARE(manager->Image2->geometry(), twips(2040, 360, 1290, 315));
    QCOMPARE(manager->Image3->geometry(), twips(1155, 675, 2340, 225));
    // Each picture is shown at its own size.
    QCOMPARE(manager->Image1->picture().size(), QSize(54, 21));
    QCOMPARE(manager->Image2->picture().size(), QSize(86, 21));
    QCOMPARE(manager->Image3->pixmap().size(), QSize(156, 15));
    QCOMPARE(manager->Image1->size(), manager->Image1->picture().size());
    QCOMPARE(manager->Image2->size(), manager->Image2->picture().size());
    QCOMPARE(manager->Image3->size(), manager->Image3->pixmap().size());
}

void WindowManagerTest::picturesAreButtonsForEveryone_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Key>("key");

    QTest::newRow("Aligner by the space bar") << "Image1"
                                              << "Aligner" << Qt::Key_Space;
    QTest::newRow("Aligner by Enter") << "Image1"
                                      << "Aligner" << Qt::Key_Return;
    QTest::newRow("Tri en cascade by the space bar") << "Image2"
                                                     << "Tri en cascade" << Qt::Key_Space;
    QTest::newRow("Tri en cascade by Enter") << "Image2"
                                             << "Tri en cascade" << Qt::Key_Return;
}

void WindowManagerTest::picturesAreButtonsForEveryone()
{
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(Qt::Key, key);
    e_tri *manager = SingleInstance<e_tri>::show();
    QVERIFY(QTest::qWaitForWindowActive(manager));
    auto *button = manager->findChild<PictureButton *>(picture);
    QCOMPARE(button->accessibleName(), name);
    QVERIFY(button->focusPolicy() & Qt::TabFocus);

    button->setFocus();
    QSignalSpy clicks(button, &PictureButton::clicked);
    QTest::keyClick(button, key);
    QCOMPARE(clicks.size(), 1);
}

void WindowManagerTest::cascadeStacksTheChildrenAndStaysOpen()
{
    openThreeChildren();
    e_tri *manager = SingleInstance<e_tri>::show();
    frameChildren()[0]->move(200, 150);
    frameChildren()[2]->move(10, 10);

    QTest::mouseClick(manager->Image2, Qt::LeftButton);
    QList<QMdiSubWindow *> stacked = SingleInstance<b_window>::find()->workspace()->subWindowList(
        QMdiArea::StackingOrder);
    QCOMPARE(stacked.size(), 3);
    QVERIFY(stackedDiagonally(stacked));
    QVERIFY(manager->isVisible());

    manager->Image2_Click();
    QVERIFY(manager->isVisible());
    QCOMPARE(SingleInstance<e_tri>::find(), manager);
}

void WindowManagerTest::alignerTilesTheChildren()
{
    openThreeChildren();
    e_tri *manager = SingleInstance<e_tri>::show();
    manager->Image1_Click();
    const QList<QMdiSubWindow *> windows = frameChildren();
    const int height = SingleInstance<b_window>::find()->workspace()->viewport()->height();
    for (int i = 0; i < windows.size(); ++i)
        QCOMPARE(windows[i]->pos(), QPoint(0, height * i / 3));
    QVERIFY(manager->isVisible());
}

void WindowManagerTest::managerCreatesAMissingFrame()
{
    e_tri *manager = SingleInstance<e_tri>::show();
    manager->Image1_Click();
    manager->Image2_Click();
    QVERIFY(SingleInstance<b_window>::find());
    QVERIFY(!SingleInstance<b_window>::find()->isVisible());
}

void WindowManagerTest::toolsLookAsDesigned()
{
    c_outils *tools = SingleInstance<c_outils>::show();
    QCOMPARE(tools->windowTitle(), u"Outils"_s);
    QCOMPARE(tools->size(), twipsSize(2280, 1830));
    QVERIFY(frameSubWindowOf(tools));
    QCOMPARE(tools->Command1->geometry(), twips(240, 120, 1815, 735));
    QCOMPARE(tools->Command2->geometry(), twips(240, 960, 1815, 735));
    QCOMPARE(tools->Command1->text().remove(u'\n'), u"lancer le SDK"_s);
    QCOMPARE(tools->Command2->text().replace(u'\n', u' '), u"Lancer le Moteur d'équations"_s);
    QCOMPARE(tools->Command2->accessibleName(), u"Lancer le Moteur d'équations"_s);
    QCOMPARE(tools->Command1->accessibleName(), u"lancer le SDK"_s);
    tools->Command1->setFocus();
    const QStringList order{u"Command1"_s, u"Command2"_s};
    QCOMPARE(test::focusOrder(tools, order), order);
}

void WindowManagerTest::sdkOpensInTheFrame()
{
    c_outils *tools = SingleInstance<c_outils>::show();
    tools->Command1->click();
    m_sdk *sdk = SingleInstance<m_sdk>::find();
    QVERIFY(sdk && sdk->isVisible());
    QVERIFY(frameSubWindowOf(sdk));
    QCOMPARE(SingleInstance<b_window>::find()->workspace()->activeSubWindow(),
             frameSubWindowOf(sdk));
    tools->Command1->click();
    QCOMPARE(instances<m_sdk>(), 1);
}

void WindowManagerTest::equationEngineTwiceIsOneWindowOfItsOwn()
{
    c_outils *tools = SingleInstance<c_outils>::show();
    tools->Command2->click();
    q_resolution *engine = SingleInstance<q_resolution>::find();
    QVERIFY(engine && engine->isVisible());
    QVERIFY(engine->isWindow());
    QVERIFY(!frameSubWindowOf(engine));
    tools->Command2->click();
    QCOMPARE(SingleInstance<q_resolution>::find(), engine);
    QCOMPARE(instances<q_resolution>(), 1);
}

QTEST_MAIN(WindowManagerTest)
#include "test_window_manager.moc"
