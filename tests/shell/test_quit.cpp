#include "platform/program_font.h"
#include "platform/twips.h"
#include "shell/shell_test_support.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

using namespace zorv;
using namespace zorv::test;

class QuitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowLooksAsDesigned();
    void countdown_data();
    void countdown();
    void enterKey_data();
    void enterKey();
    void escapeDoesNothing();
    void zorvButtonReturnsToTheMenu();
    void closeBoxReturnsToTheMenu();
    void quitButtonEndsTheProgram();
    void reopeningStartsAgainAtFifty();

private:
    z_quit *openQuit();

    std::unique_ptr<ShellScope> m_shell;
};

void QuitTest::initTestCase()
{
    installProgramFont();
}

void QuitTest::init()
{
    m_shell = std::make_unique<ShellScope>();
}

void QuitTest::cleanup()
{
    m_shell.reset();
    QCOMPARE(test::closeAllWindows(), QStringList());
}

z_quit *QuitTest::openQuit()
{
    return showActive<z_quit>();
}

void QuitTest::windowLooksAsDesigned()
{
    z_quit *window = openQuit();
    QCOMPARE(window->windowTitle(), u"Voulez-vous quitter ZORV ?"_s);
    QCOMPARE(window->size(), twipsSize(3615, 1305));
    QCOMPARE(window->windowModality(), Qt::ApplicationModal);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    const QPoint offCentre = window->frameGeometry().center()
                             - window->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 2);

    QCOMPARE(window->Label2->text(), u"Temps avant fermeture :"_s);
    QCOMPARE(window->Label2->geometry(), twips(120, 120, 1815, 255));
    QCOMPARE(window->Label1->text(), u"50"_s);
    QCOMPARE(window->Label1->geometry(), twips(2040, 120, 375, 255));
    QCOMPARE(window->Command1->text(), u"&Quitter"_s);
    QCOMPARE(window->Command1->geometry(), twips(240, 720, 1695, 495));
    QCOMPARE(window->Command2->text(), u"&ZORV"_s);
    QCOMPARE(window->Command2->geometry(), twips(2040, 720, 1455, 495));
    QVERIFY(window->Command1->isDefault());
    QCOMPARE(window->Timer1->interval(), 100);
    QVERIFY(window->Timer1->isActive());
    QCOMPARE(QApplication::focusWidget(), window->Command1);
    QTest::keyClick(window->Command1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->Command2);
}

void QuitTest::countdown_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("ends");

    QTest::newRow("first tick shows 49") << 1 << "49" << 0;
    QTest::newRow("two seconds leave 30") << 20 << "30" << 0;
    QTest::newRow("49th tick shows 1") << 49 << "1" << 0;
    QTest::newRow("50th tick shows 0 and ends the program") << 50 << "0" << 1;
    QTest::newRow("ticks after the end never go below 0") << 60 << "0" << 1;
}

void QuitTest::countdown()
{
    QFETCH(int, ticks);
    QFETCH(QString, shown);
    QFETCH(int, ends);
    z_quit *window = openQuit();
    for (int i = 0; i < ticks; ++i)
        window->Timer1_Timer();
    QCOMPARE(window->Label1->text(), shown);
    QCOMPARE(m_shell->platform.endRequests, ends);
}

void QuitTest::enterKey_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("focusOnZorv");
    QTest::addColumn<int>("ends");

    QTest::newRow("Return at once ends the program") << Qt::Key_Return << false << 1;
    QTest::newRow("keypad Enter at once ends the program") << Qt::Key_Enter << false << 1;
    QTest::newRow("Return on the focused ZORV button returns to the menu")
        << Qt::Key_Return << true << 0;
}

void QuitTest::enterKey()
{
    QFETCH(Qt::Key, key);
    QFETCH(bool, focusOnZorv);
    QFETCH(int, ends);
    openQuit();
    if (focusOnZorv)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(m_shell->platform.endRequests, ends);
    if (focusOnZorv)
        QTRY_VERIFY(!SingleInstance<z_quit>::find());
}

void QuitTest::escapeDoesNothing()
{
    z_quit *window = openQuit();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QCOMPARE(m_shell->platform.endRequests, 0);
    QCOMPARE(window->Label1->text(), u"50"_s);
}

void QuitTest::zorvButtonReturnsToTheMenu()
{
    z_quit *window = openQuit();
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(!SingleInstance<z_quit>::find());
    QCOMPARE(m_shell->platform.endRequests, 0);
}

void QuitTest::closeBoxReturnsToTheMenu()
{
    z_quit *window = openQuit();
    QVERIFY(window->close());
    QTRY_VERIFY(!SingleInstance<z_quit>::find());
    QCOMPARE(m_shell->platform.endRequests, 0);
}

void QuitTest::quitButtonEndsTheProgram()
{
    z_quit *window = openQuit();
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCOMPARE(m_shell->platform.endRequests, 1);
}

void QuitTest::reopeningStartsAgainAtFifty()
{
    QVERIFY(m_shell->folder.setOption("cl", "aubcdaub", "1"));
    b_menu *menu = SingleInstance<b_menu>::show();
    menu->Command5_Click();
    z_quit *first = SingleInstance<z_quit>::find();
    for (int i = 0; i < 20; ++i)
        first->Timer1_Timer();
    QCOMPARE(first->Label1->text(), u"30"_s);
    first->Command2_Click();
    QTRY_VERIFY(!SingleInstance<z_quit>::find());

    menu->Command5_Click();
    z_quit *second = SingleInstance<z_quit>::find();
    QVERIFY(second && second->isVisible());
    QCOMPARE(second->Label1->text(), u"50"_s);
    QVERIFY(second->Timer1->isActive());
    QCOMPARE(m_shell->platform.endRequests, 0);
}

QTEST_MAIN(QuitTest)
#include "test_quit.moc"
