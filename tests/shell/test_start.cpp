#include "functions/core/function_list.h"
#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "shell/core/donnees.h"
#include "shell/shell_test_support.h"
#include "shell/windows/program_icon.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

using namespace zorv;
using namespace zorv::test;

namespace {

// Notes, at the moment the menu is shown, whether the splash is still on screen.
class ShowWatcher : public QObject
{
public:
    bool menuShown = false;
    bool splashVisibleWhenMenuShown = false;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<b_menu *>(object)) {
            menuShown = true;
            a_start *splash = SingleInstance<a_start>::find();
            splashVisibleWhenMenuShown = splash && splash->isVisible();
        }
        return false;
    }
};

} // namespace

class StartTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void globalsAreSetBeforeAnyOtherWindow();
    void splashLooksAsDesigned();
    void splashIsCentred();
    void tickGivesWayToTheMenu();
    void splashRefusesToBeClosedByTheUser();
    void unreadablePictureEndsStartUp_data();
    void unreadablePictureEndsStartUp();
    void iconHasSixteenColoursInSmallAndLargeSizes_data();
    void iconHasSixteenColoursInSmallAndLargeSizes();

private:
    std::unique_ptr<ShellScope> m_shell;
};

void StartTest::initTestCase()
{
    installProgramFont();
}

void StartTest::init()
{
    m_shell = std::make_unique<ShellScope>();
}

void StartTest::cleanup()
{
    m_shell.reset();
    QCOMPARE(test::closeAllWindows(), QStringList());
}

void StartTest::globalsAreSetBeforeAnyOtherWindow()
{
    donnees::AppVersion.clear();
    donnees::FunctionDir.clear();
    SingleInstance<a_start>::get();
    QCOMPARE(donnees::AppVersion, u"1.00.1"_s);
    QCOMPARE(donnees::FunctionDir, donnees::AppDir() + QDir::toNativeSeparators(u"/res/Fonc/"_s));
    QVERIFY(!SingleInstance<b_menu>::find());
    QVERIFY(!SingleInstance<b_window>::find());
}

void StartTest::splashLooksAsDesigned()
{
    a_start *splash = SingleInstance<a_start>::show();
    QCOMPARE(splash->windowTitle(), u"ZORV"_s);
    QCOMPARE(splash->size(), QSize(312, 133));
    QVERIFY(!(splash->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(splash->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(splash->Label1->text(), u"ZORV"_s);
    QCOMPARE(splash->Label1->font().pointSizeF(), 13.5);
    QCOMPARE(splash->Label2->text(), u"Vartelune"_s);
    QCOMPARE(splash->Frame1->title(), QString());
    QCOMPARE(splash->Label3->text(), u"Chargement..."_s);
    QCOMPARE(splash->Label3->parentWidget(), splash->Frame1);
    QCOMPARE(splash->Frame1->geometry(), QRect(8, 80, 297, 41));
    QCOMPARE(splash->Timer1->interval(), 1000);
    QVERIFY(splash->Timer1->isActive());
}

void StartTest::splashIsCentred()
{
    a_start *splash = SingleInstance<a_start>::show();
    const QPoint screenCentre = splash->screen()->availableGeometry().center();
    const QPoint splashCentre = splash->frameGeometry().center();
    QVERIFY2((splashCentre - screenCentre).manhattanLength() <= 2,
             qPrintable(u"centre at %1,%2"_s.arg(splashCentre.x()).arg(splashCentre.y())));
}

void StartTest::tickGivesWayToTheMenu()
{
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    a_start *splash = SingleInstance<a_start>::show();
    splash->Timer1_Timer();
    qApp->removeEventFilter(&watcher);

    QVERIFY(watcher.menuShown);
    QVERIFY(!watcher.splashVisibleWhenMenuShown);
    QVERIFY(!splash->Timer1->isActive());
    b_menu *menu = SingleInstance<b_menu>::find();
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(menu->geometry().topLeft(), QPoint(266, 81));
    // The splash is discarded once its handler is over.
    QTRY_VERIFY(!SingleInstance<a_start>::find());
    QCOMPARE(m_shell->platform.messages.size(), 0);
}

void StartTest::splashRefusesToBeClosedByTheUser()
{
    a_start *splash = SingleInstance<a_start>::show();
    QVERIFY(!(splash->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!splash->close());
    QVERIFY(splash->isVisible());
    QCOMPARE(m_shell->platform.endRequests, 0);
}

void StartTest::unreadablePictureEndsStartUp_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QByteArray>("bytes"); // null: the file is removed

    QTest::newRow("logo missing") << u"Data/logo1.gif"_s << QByteArray();
    QTest::newRow("Internet button missing") << u"Data/link1.gif"_s << QByteArray();
    QTest::newRow("logo not a picture")
        << u"Data/logo1.gif"_s << QByteArray("GIF89a but not really");
    QTest::newRow("Internet button empty") << u"Data/link1.gif"_s << QByteArray("");
}

void StartTest::unreadablePictureEndsStartUp()
{
    QFETCH(QString, picture);
    QFETCH(QByteArray, bytes);
    if (bytes.isNull())
        QVERIFY(QFile::remove(m_shell->folder.filePath(picture)));
    else
        m_shell->folder.writeFile(picture, bytes);

    a_start *splash = SingleInstance<a_start>::show();
    QSignalSpy failed(splash, &a_start::startupFailed);
    splash->Timer1_Timer();

    QCOMPARE(failed.size(), 1);
    QVERIFY(!SingleInstance<b_menu>::find());
    QCOMPARE(m_shell->platform.messages.size(), 1);
    const MessageRecord &message = m_shell->platform.messages.first();
    QVERIFY2(message.text.contains(donnees::appPath(picture)), qPrintable(message.text));
    QVERIFY(message.text.contains(u"absent ou illisible"_s));
    QCOMPARE(message.title, u"ZORV"_s);
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(m_shell->platform.endRequests, 0);
}

void StartTest::iconHasSixteenColoursInSmallAndLargeSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("16 x 16 for title bars") << QSize(16, 16);
    QTest::newRow("32 x 32 for task switchers") << QSize(32, 32);
}

void StartTest::iconHasSixteenColoursInSmallAndLargeSizes()
{
    QFETCH(QSize, size);
    const QIcon icon = programIcon();
    QVERIFY(icon.availableSizes().contains(size));
    QSet<QRgb> colours;
    const QImage image = icon.pixmap(size).toImage();
    QCOMPARE(image.size(), size);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
}

QTEST_MAIN(StartTest)
#include "test_start.moc"
