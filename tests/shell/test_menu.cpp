#include "platform/program_font.h"
#include "platform/twips.h"
#include "shell/shell_test_support.h"
#include "shell/windows/picture_button.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

using namespace zorv;
using namespace zorv::test;

class MenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowLooksAsDesigned();
    void buttons_data();
    void buttons();
    void accessKeyPressesItsButton_data();
    void accessKeyPressesItsButton();
    void tabGoesThroughTheButtonsInOrder();
    void pictures();
    void optionDecides_data();
    void optionDecides();
    void optionsAreReadAtEachClick();
    void internetOptionCountsFromTheNextStart();
    void internetButtonSaysThereIsNoSite();
    void moduleButtonOpensItsWindow_data();
    void moduleButtonOpensItsWindow();
    void calculatorTwiceIsOneWindowInFront();
    void aboutBoxTellsWhatTheProgramIs();
    void closeRequestIsRefused();
    void closingAtTheEndOfTheSessionEndsTheProgram();
    void quittingTheApplicationEndsTheProgram();

private:
    b_menu *openMenu();

    std::unique_ptr<ShellScope> m_shell;
};

void MenuTest::initTestCase()
{
    installProgramFont();
}

void MenuTest::init()
{
    m_shell = std::make_unique<ShellScope>();
}

void MenuTest::cleanup()
{
    m_shell.reset();
    QCOMPARE(test::closeAllWindows(), QStringList());
}

b_menu *MenuTest::openMenu()
{
    return showActive<b_menu>();
}

void MenuTest::windowLooksAsDesigned()
{
    b_menu *menu = openMenu();
    QCOMPARE(menu->windowTitle(), u"ZORV"_s);
    QCOMPARE(menu->geometry(), QRect(266, 81, 529, 123));
    const Qt::WindowFlags flags = menu->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QCOMPARE(menu->WindowsAlign->interval(), 500);
    QVERIFY(menu->WindowsAlign->isActive());
    QCOMPARE(QApplication::focusWidget(), menu->Command1);
}

void MenuTest::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Command1") << "Command1"
                              << "&Calculs";
    QTest::newRow("Command2") << "Command2"
                              << "&Données";
    QTest::newRow("Command3") << "Command3"
                              << "Documen&ts";
    QTest::newRow("Command6") << "Command6"
                              << "&Options";
    QTest::newRow("Command4") << "Command4"
                              << "A &Propos";
    QTest::newRow("Command7") << "Command7"
                              << "O&utils";
    QTest::newRow("Command5") << "Command5"
                              << "&Quitter";
}

void MenuTest::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    b_menu *menu = openMenu();
    auto *button = menu->findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
}

void MenuTest::accessKeyPressesItsButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Key>("key");

    QTest::newRow("Alt+C presses Calculs") << "Command1" << Qt::Key_C;
    QTest::newRow("Alt+D presses Données") << "Command2" << Qt::Key_D;
    QTest::newRow("Alt+T presses Documents") << "Command3" << Qt::Key_T;
    QTest::newRow("Alt+P presses A Propos") << "Command4" << Qt::Key_P;
    QTest::newRow("Alt+Q presses Quitter") << "Command5" << Qt::Key_Q;
    QTest::newRow("Alt+O presses Options") << "Command6" << Qt::Key_O;
    QTest::newRow("Alt+U presses Outils") << "Command7" << Qt::Key_U;
}

void MenuTest::accessKeyPressesItsButton()
{
    QFETCH(QString, name);
    QFETCH(Qt::Key, key);
    b_menu *menu = openMenu();
    auto *button = menu->findChild<QPushButton *>(name);
    QCOMPARE(QKeySequence::mnemonic(button->text()), QKeySequence(Qt::ALT | key));
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::keyClick(menu, key, Qt::AltModifier);
    // An access key presses the button visibly, and releases it a moment later.
    QTRY_COMPARE(clicks.size(), 1);
}

void MenuTest::tabGoesThroughTheButtonsInOrder()
{
    b_menu *menu = openMenu();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(order,
             QStringList({"Command1",
                          "Command2",
                          "Command3",
                          "Command4",
                          "Command5",
                          "Command6",
                          "Command7",
                          "Command1"}));
    QVERIFY(menu->isVisible());
}

void MenuTest::pictures()
{
    b_menu *menu = openMenu();
    QCOMPARE(menu->Image1->geometry(), twips(240, 1200, 2415, 495));
    QCOMPARE(menu->Image2->geometry(), twips(5520, 1320, 2175, 375));
    QCOMPARE(menu->Image1->picture().toImage(),
             QImage(m_shell->folder.filePath(u"Data/logo1.gif"_s))
                 .convertToFormat(menu->Image1->picture().toImage().format()));
    QVERIFY(!menu->Image2->picture().isNull());
    // Drawn stretched over the whole control.
    const QImage drawn = menu->Image1->grab().toImage();
    const QImage expected = menu->Image1->picture()
                                .scaled(menu->Image1->size(),
                                        Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation)
                                .toImage();
    QCOMPARE(drawn.pixelColor(drawn.width() - 3, drawn.height() / 2),
             expected.pixelColor(expected.width() - 3, expected.height() / 2));
    QVERIFY(!menu->Image1->accessibleName().isEmpty());
    QVERIFY(!menu->Image2->accessibleName().isEmpty());
}

void MenuTest::optionDecides_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("stored"); // null: the key is not in the file
    QTest::addColumn<bool>("on");

    const QStringList options{"www", "log", "cl"};
    for (const QString &option : options) {
        const QByteArray name = option.toLatin1();
        QTest::newRow(name + " absent is off") << option << QString() << false;
        QTest::newRow(name + " 0 is off") << option << "0" << false;
        QTest::newRow(name + " 1 is on") << option << "1" << true;
        QTest::newRow(name + " 2 is off") << option << "2" << false;
        QTest::newRow(name + " blank 1 blank is on") << option << " 1 " << true;
    }
}

void MenuTest::optionDecides()
{
    QFETCH(QString, option);
    QFETCH(QString, stored);
    QFETCH(bool, on);
    const QMap<QString, QStringList> keys{{"www", {"a.zorv", "www"}},
                                          {"log", {"_1988", "log"}},
                                          {"cl", {"cl", "aubcdaub"}}};
    if (!stored.isNull())
        QVERIFY(m_shell->folder.setOption(keys[option][0], keys[option][1], stored));

    b_menu *menu = openMenu();
    if (option == "www") {
        QCOMPARE(menu->Image2->isVisibleTo(menu), on);
    } else if (option == "log") {
        menu->Image1_Click();
        QCOMPARE(SingleInstance<e_tri>::find() != nullptr, on);
        if (on) {
            QVERIFY(SingleInstance<e_tri>::find()->isVisible());
            QCOMPARE(SingleInstance<e_tri>::find()->windowModality(), Qt::ApplicationModal);
        }
        QCOMPARE(m_shell->platform.endRequests, 0);
    } else {
        menu->Command5_Click();
        QCOMPARE(SingleInstance<z_quit>::find() != nullptr, on);
        if (on) {
            QVERIFY(SingleInstance<z_quit>::find()->isVisible());
            QCOMPARE(SingleInstance<z_quit>::find()->windowModality(), Qt::ApplicationModal);
        }
        QCOMPARE(m_shell->platform.endRequests, on ? 0 : 1);
    }
}

void MenuTest::optionsAreReadAtEachClick()
{
    b_menu *menu = openMenu();
    menu->Command5_Click();
    QCOMPARE(m_shell->platform.endRequests, 1);
    menu->Image1_Click();
    QVERIFY(!SingleInstance<e_tri>::find());

    QVERIFY(m_shell->folder.setOption("cl", "aubcdaub", "1"));
    QVERIFY(m_shell->folder.setOption("_1988", "log", "1"));
    menu->Command5_Click();
    QCOMPARE(m_shell->platform.endRequests, 1);
    QVERIFY(SingleInstance<z_quit>::find());
    SingleInstance<z_quit>::close();
    menu->Image1_Click();
    QVERIFY(SingleInstance<e_tri>::find());
}

void MenuTest::internetOptionCountsFromTheNextStart()
{
    b_menu *menu = openMenu();
    QVERIFY(!menu->Image2->isVisibleTo(menu));
    QVERIFY(m_shell->folder.setOption("a.zorv", "www", "1"));
    menu->WindowsAlign_Timer();
    QVERIFY(!menu->Image2->isVisibleTo(menu));

    SingleInstance<b_menu>::close();
    menu = openMenu();
    QVERIFY(menu->Image2->isVisibleTo(menu));
}

void MenuTest::internetButtonSaysThereIsNoSite()
{
    QVERIFY(m_shell->folder.setOption("a.zorv", "www", "1"));
    b_menu *menu = openMenu();
    QTest::mouseClick(menu->Image2, Qt::LeftButton);
    QCOMPARE(m_shell->platform.messages.size(), 1);
    const MessageRecord &message = m_shell->platform.messages.first();
    QCOMPARE(message.text, u"Désolé!, le site web de ZORV n'est pas encore existant"_s);
    QCOMPARE(message.title, u"ZORV"_s);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.icon, MessageIcon::None);
}

void MenuTest::moduleButtonOpensItsWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("windowClass");
    QTest::addColumn<bool>("inFrame");

    QTest::newRow("Calculs: the calculator, in the frame") << "Command1"
                                                           << "zorv::c_calculs" << true;
    QTest::newRow("Données: the loading window, on its own") << "Command2"
                                                             << "zorv::r_chargement_data" << false;
    QTest::newRow("Documents: the documents list, in the frame") << "Command3"
                                                                 << "zorv::c_documents" << true;
    QTest::newRow("Options: the options, in the frame") << "Command6"
                                                        << "zorv::d_options" << true;
    QTest::newRow("Outils: the tools, in the frame") << "Command7"
                                                     << "zorv::c_outils" << true;
}

void MenuTest::moduleButtonOpensItsWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, windowClass);
    QFETCH(bool, inFrame);
    b_menu *menu = openMenu();
    menu->findChild<QPushButton *>(button)->click();

    QWidget *opened = nullptr;
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (windowClass == QLatin1String(widget->metaObject()->className()))
            opened = widget;
    }
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QCOMPARE(frameSubWindowOf(opened) != nullptr, inFrame);
    if (inFrame)
        QVERIFY(SingleInstance<b_window>::find()->isVisible());
    else
        QVERIFY(opened->isWindow());
}

void MenuTest::calculatorTwiceIsOneWindowInFront()
{
    b_menu *menu = openMenu();
    menu->Command1_Click();
    menu->Command7_Click();
    b_window *frame = SingleInstance<b_window>::find();
    QCOMPARE(frame->workspace()->activeSubWindow(),
             frameSubWindowOf(SingleInstance<c_outils>::find()));

    menu->Command1_Click();
    QCOMPARE(instances<c_calculs>(), 1);
    QCOMPARE(frame->workspace()->activeSubWindow(),
             frameSubWindowOf(SingleInstance<c_calculs>::find()));
    QCOMPARE(frame->workspace()->subWindowList().size(), 2);
}

void MenuTest::aboutBoxTellsWhatTheProgramIs()
{
    b_menu *menu = openMenu();
    menu->Command4_Click();
    AboutBox *box = SingleInstance<AboutBox>::find();
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QStringList texts;
    const QList<QLabel *> labels = box->findChildren<QLabel *>();
    for (QLabel *label : labels)
        texts.append(label->text());
    const QString all = texts.join(u'\n');
    QVERIFY(all.contains(u"ZORV"_s));
    QVERIFY(all.contains(u"Version 1.00.1"_s));
    QVERIFY(all.contains(u"électronique"_s));

    menu->Command4_Click();
    QCOMPARE(instances<AboutBox>(), 1);
    QTest::mouseClick(box->findChild<QPushButton *>(u"ok"_s), Qt::LeftButton);
    QTRY_VERIFY(!SingleInstance<AboutBox>::find());
    QVERIFY(menu->isVisible());
    QCOMPARE(m_shell->platform.endRequests, 0);
}

void MenuTest::closeRequestIsRefused()
{
    b_menu *menu = openMenu();
    QVERIFY(!menu->close());
    QVERIFY(menu->isVisible());
    QCOMPARE(m_shell->platform.endRequests, 0);
}

void MenuTest::closingAtTheEndOfTheSessionEndsTheProgram()
{
    b_menu *menu = openMenu();
    menu->sessionEnding();
    menu->close();
    QCOMPARE(m_shell->platform.endRequests, 1);
}

void MenuTest::quittingTheApplicationEndsTheProgram()
{
    openMenu();
    QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    QCOMPARE(m_shell->platform.endRequests, 1);
}

QTEST_MAIN(MenuTest)
#include "test_menu.moc"
