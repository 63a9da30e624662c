// The options window: its layout, what it shows of the settings file, and what each click stores.

#include "platform/program_font.h"
#include "platform/twips.h"
#include "settings/core/options.h"
#include "settings/windows/d_options.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"
#include "support/window_cleanup.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QTest>

using namespace zorv;
using namespace Qt::StringLiterals;

namespace {

const QString SettingsFile = u"parametres/da4bc5a4bc88a4bc88a4bc88.zorv"_s;

QCheckBox *box(d_options *window, const QString &name)
{
    return window->findChild<QCheckBox *>(name);
}

// A user's click on the box's indicator (the middle of a wide box is beside its caption).
void clickOn(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

} // namespace

class DOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void layout_data();
    void layout();
    void windowHasItsCaptionSizeAndTabOrder();
    void withoutSettingsFileAllBoxesAreUnchecked();
    void checkingConfirmCreatesTheFile();
    void click_data();
    void click();
    void uncheckingStoresZero();
    void everyWayOfTogglingStores_data();
    void everyWayOfTogglingStores();
    void storedText_data();
    void storedText();
    void failedClick_data();
    void failedClick();
    void loadoAndSavoNeedNoWindow();

private:
    d_options *open() { return SingleInstance<d_options>::show(); }
};

void DOptionsTest::initTestCase()
{
    installProgramFont();
}

void DOptionsTest::cleanup()
{
    QCOMPARE(test::closeAllWindows(), QStringList());
}

void DOptionsTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Co") << "Co"
                        << "Confirmer l&a fermeture" << twips(120, 120, 3975, 255);
    QTest::newRow("Check1") << "Check1"
                            << "Activer le tri des modules (en cliquant sur le logo)"
                            << twips(120, 480, 4095, 375);
    QTest::newRow("Check2") << "Check2"
                            << "Afficher le bouton Internet" << twips(120, 960, 3975, 375);
}

void DOptionsTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    test::TempAppDir app;
    QCheckBox *control = box(open(), name);
    QVERIFY(control);
    QCOMPARE(control->text(), caption);
    QCOMPARE(control->geometry(), geometry);
    // The whole caption, indicator included, fits the control in the program font.
    QCOMPARE(control->font(), programFont());
    QVERIFY2(control->sizeHint().width() <= geometry.width(),
             qPrintable(u"needs %1 px"_s.arg(control->sizeHint().width())));
    QVERIFY(QFontMetrics(control->font()).height() <= geometry.height());
}

void DOptionsTest::windowHasItsCaptionSizeAndTabOrder()
{
    test::TempAppDir app;
    d_options *window = open();
    QCOMPARE(window->windowTitle(), u"Options"_s);
    QCOMPARE(window->size(), twipsSize(4440, 1500));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    static_assert(d_options::windowKind == WindowKind::FrameChild);
    const QStringList order{u"Co"_s, u"Check1"_s, u"Check2"_s};
    QCOMPARE(test::focusOrder(window, order), order);
}

void DOptionsTest::withoutSettingsFileAllBoxesAreUnchecked()
{
    test::TempAppDir app;
    app.makeDir(u"parametres"_s);
    d_options *window = open();
    QVERIFY(!window->Co->isChecked());
    QVERIFY(!window->Check1->isChecked());
    QVERIFY(!window->Check2->isChecked());
    QVERIFY(!QFile::exists(app.filePath(SettingsFile)));
}

void DOptionsTest::checkingConfirmCreatesTheFile()
{
    test::TempAppDir app;
    app.makeDir(u"parametres"_s);
    test::RecordingPlatform platform;
    clickOn(open()->Co);
    QVERIFY(SingleInstance<d_options>::find()->Co->isChecked());
    QCOMPARE(test::readFile(app.filePath(SettingsFile)), QByteArray("[cl]\r\naubcdaub=1\r\n"));
    QVERIFY(platform.messages.isEmpty());
}

void DOptionsTest::click_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("Co stores confirm closing") << "Co"
                                               << "cl"
                                               << "aubcdaub";
    QTest::newRow("Check1 stores module sorting") << "Check1"
                                                  << "_1988"
                                                  << "log";
    QTest::newRow("Check2 stores the Internet button") << "Check2"
                                                       << "a.zorv"
                                                       << "www";
}

void DOptionsTest::click()
{
    QFETCH(QString, name);
    QFETCH(QString, section);
    QFETCH(QString, key);
    test::TempAppDir app;
    app.makeDir(u"parametres"_s);
    app.writeFile(SettingsFile, "[other]\r\nkept=1\r\n");
    box(open(), name)->click();
    QCOMPARE(test::readFile(app.filePath(SettingsFile)),
             "[other]\r\nkept=1\r\n[" + section.toLatin1() + "]\r\n" + key.toLatin1() + "=1\r\n");
    QCOMPARE(d_options::Loado(section, key), u"1"_s);
}

void DOptionsTest::uncheckingStoresZero()
{
    test::TempAppDir app;
    app.makeDir(u"parametres"_s);
    d_options *window = open();
    window->Check2->click();
    window->Check2->click();
    QVERIFY(!window->Check2->isChecked());
    QCOMPARE(test::readFile(app.filePath(SettingsFile)), QByteArray("[a.zorv]\r\nwww=0\r\n"));
}

void DOptionsTest::everyWayOfTogglingStores_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("mouse") << u"mouse"_s;
    QTest::newRow("space bar") << u"space"_s;
    QTest::newRow("accessibility toggle action") << u"accessibility"_s;
}

void DOptionsTest::everyWayOfTogglingStores()
{
    QFETCH(QString, way);
    test::TempAppDir app;
    app.makeDir(u"parametres"_s);
    test::RecordingPlatform platform;
    d_options *window = SingleInstance<d_options>::show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto toggle = [&way](QCheckBox *box) {
        if (way == u"mouse") {
            clickOn(box);
        } else if (way == u"space") {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        } else {
            QAccessibleActionInterface *actions
                = QAccessible::queryAccessibleInterface(box)->actionInterface();
            QVERIFY(actions);
            actions->doAction(QAccessibleActionInterface::toggleAction());
        }
    };
    toggle(window->Check1);
    QVERIFY(window->Check1->isChecked());
    QCOMPARE(d_options::Loado(u"_1988"_s, u"log"_s), u"1"_s);
    toggle(window->Check1);
    QVERIFY(!window->Check1->isChecked());
    QCOMPARE(d_options::Loado(u"_1988"_s, u"log"_s), u"0"_s);
    QVERIFY(platform.messages.isEmpty());
}

void DOptionsTest::storedText_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("1 is checked") << QByteArray("1") << true;
    QTest::newRow("1 with blanks around it is checked") << QByteArray(" 1 ") << true;
    QTest::newRow("2 is unchecked, as the menu reads it") << QByteArray("2") << false;
    QTest::newRow("0 is unchecked") << QByteArray("0") << false;
    QTest::newRow("an empty value is unchecked") << QByteArray("") << false;
    QTest::newRow("a text that is no number is unchecked") << QByteArray("abc") << false;
}

void DOptionsTest::storedText()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, checked);
    test::TempAppDir app;
    const QByteArray file = "[cl]\r\naubcdaub=" + stored + "\r\n[_1988]\r\nLOG=" + stored
                            + "\r\n[A.ZORV]\r\nwww=" + stored + "\r\n";
    app.writeFile(SettingsFile, file);
    d_options *window = open();
    QCOMPARE(window->Co->isChecked(), checked);
    QCOMPARE(window->Check1->isChecked(), checked);
    QCOMPARE(window->Check2->isChecked(), checked);
    // Showing what is stored writes nothing back.
    QCOMPARE(test::readFile(app.filePath(SettingsFile)), file);
}

void DOptionsTest::failedClick_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QByteArray>("stored"); // null: no settings file
    QTest::addColumn<QFile::Permissions>("folderPermissions");
    QTest::addColumn<bool>("shownAfter");
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QTest::newRow("settings folder missing") << false << QByteArray() << all << false;
    QTest::newRow("settings folder read-only, no file")
        << true << QByteArray() << readOnly << false;
    QTest::newRow("settings folder read-only, the box was on")
        << true << QByteArray("[cl]\r\naubcdaub=1\r\n") << readOnly << true;
}

void DOptionsTest::failedClick()
{
    QFETCH(bool, folderExists);
    QFETCH(QByteArray, stored);
    QFETCH(QFile::Permissions, folderPermissions);
    QFETCH(bool, shownAfter);
    test::TempAppDir app;
    if (folderExists)
        app.makeDir(u"parametres"_s);
    if (!stored.isNull())
        app.writeFile(SettingsFile, stored);
    if (folderExists)
        QVERIFY(QFile::setPermissions(app.filePath(u"parametres"_s), folderPermissions));
    test::RecordingPlatform platform;
    d_options *window = open();
    QCOMPARE(window->Co->isChecked(), shownAfter);
    clickOn(window->Co);

    QCOMPARE(platform.messages.size(), 1);
    const test::MessageRecord message = platform.messages.first();
    QCOMPARE(message.title, u"ZORV"_s);
    QVERIFY2(message.text.contains(u"« Confirmer la fermeture » n'a pas "
                                   "pu être enregistré"_s),
             qPrintable(message.text));
    QVERIFY(message.text.contains(settings::settingsFilePath()));
    QCOMPARE(window->Co->isChecked(), shownAfter);
    QCOMPARE(test::readFile(app.filePath(SettingsFile)), stored);
}

void DOptionsTest::loadoAndSavoNeedNoWindow()
{
    test::TempAppDir app;
    app.makeDir(u"parametres"_s);
    QCOMPARE(d_options::Loado(u"cl"_s, u"aubcdaub"_s), u"0"_s);
    QCOMPARE(d_options::Savo(u"cl"_s, u"aubcdaub"_s, u"1"_s), u"1"_s);
    QCOMPARE(d_options::Loado(u"CL"_s, u"AubcdAub"_s), u"1"_s);
    QCOMPARE(d_options::Savo(u"cl"_s, u"x"_s, u"Ω"_s), u"0"_s);
    QVERIFY(!SingleInstance<d_options>::find());
}

QTEST_MAIN(DOptionsTest)
#include "test_d_options.moc"
