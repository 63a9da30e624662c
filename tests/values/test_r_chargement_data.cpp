#include "platform/program_font.h"
#include "platform/single_instance.h"
#include "platform/twips.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_cleanup.h"
#include "values/windows/c_donnees.h"
#include "values/windows/r_chargement_data.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace zorv;
using namespace Qt::StringLiterals;

namespace {

// Drives the count by hand: the window's own timers are stopped first, so that an event loop
// run by a check cannot add ticks of its own.
r_chargement_data *openStill()
{
    r_chargement_data *window = SingleInstance<r_chargement_data>::show();
    window->Timer1->stop();
    window->Timer2->stop();
    return window;
}

void tick(r_chargement_data *window, int times)
{
    for (int i = 0; i < times; ++i)
        window->Timer1_Timer();
}

} // namespace

class RChargementDataTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void labelsAreWhereDesigned_data();
    void labelsAreWhereDesigned();
    void windowAsDesigned();
    void countsUpFromZero();
    void valuesWindowShownAt80WithTheFileRead();
    void closesItselfAt100();
    void handsTheFocusToTheValuesWindowAt100();
    void closedBefore80OpensNoValuesWindow();
    void openedAgainTheCountGoesOn();
    void counterReadsAsAPercentage();
    void screenReadersHearTheCount();
    void comesBackToTheFrontWithinTheProgram();
    void takesNoFocusFromAnotherProgram();

private:
    std::unique_ptr<test::TempAppDir> m_appDir;
    std::unique_ptr<test::RecordingPlatform> m_platform;
};

void RChargementDataTest::initTestCase()
{
    installProgramFont();
}

void RChargementDataTest::init()
{
    m_appDir = std::make_unique<test::TempAppDir>();
    m_appDir->writeFile(u"res/Vals.fval"_s, "[E1]\r\nname=Un\r\nval=1\r\n");
    m_platform = std::make_unique<test::RecordingPlatform>();
}

void RChargementDataTest::cleanup()
{
    const QStringList left = test::closeAllWindows();
    m_platform.reset();
    m_appDir.reset();
    QCOMPARE(left, QStringList());
}

void RChargementDataTest::labelsAreWhereDesigned_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("message") << u"Label1"_s
                             << u"Veuillez patienter pendant le chargement du fichier 'Vals.fval'"_s
                             << twips(120, 120, 3015, 735);
    QTest::newRow("counter") << u"Label2"_s << u"0"_s << twips(120, 720, 615, 255);
    QTest::newRow("percent sign") << u"Label3"_s << u"%"_s << twips(360, 720, 495, 255);
}

void RChargementDataTest::labelsAreWhereDesigned()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    auto *widget = SingleInstance<r_chargement_data>::get()->findChild<QLabel *>(label);
    QVERIFY(widget);
    QCOMPARE(widget->text(), text);
    QCOMPARE(widget->geometry(), geometry);
}

void RChargementDataTest::windowAsDesigned()
{
    r_chargement_data *window = SingleInstance<r_chargement_data>::show();
    QCOMPARE(window->windowTitle(), u"Lecture des données"_s);
    QCOMPARE(window->size(), twipsSize(3255, 1065));
    QVERIFY(window->isWindow());
    QCOMPARE(window->frameGeometry().center(), window->screen()->availableGeometry().center());

    QCOMPARE(window->Timer1->interval(), 20);
    QVERIFY(window->Timer1->isActive());
    QCOMPARE(window->Timer2->interval(), 30);
    QVERIFY(window->Timer2->isActive());

    // The message wraps inside its box rather than running out of the window.
    QLabel *message = window->Label1;
    QVERIFY(message->wordWrap());
    const QRect needed = message->fontMetrics().boundingRect(message->rect(),
                                                             Qt::TextWordWrap,
                                                             message->text());
    QVERIFY(needed.height() <= message->height());
    QVERIFY(needed.width() <= message->width());
}

void RChargementDataTest::countsUpFromZero()
{
    r_chargement_data *window = openStill();
    QCOMPARE(window->Label2->text(), u"0"_s);
    tick(window, 1);
    QCOMPARE(window->Label2->text(), u"1"_s);
    tick(window, 78);
    QCOMPARE(window->Label2->text(), u"79"_s);
    QVERIFY(!SingleInstance<c_donnees>::find());
}

void RChargementDataTest::valuesWindowShownAt80WithTheFileRead()
{
    r_chargement_data *window = openStill();
    tick(window, 80);
    QCOMPARE(window->Label2->text(), u"80"_s);
    c_donnees *values = SingleInstance<c_donnees>::find();
    QVERIFY(values);
    QVERIFY(values->isVisible());
    QCOMPARE(values->liste->itemText(0), u"Un"_s);
    QVERIFY(window->isVisible());

    tick(window, 19);
    QCOMPARE(window->Label2->text(), u"99"_s);
    QVERIFY(window->isVisible());
    QCOMPARE(SingleInstance<c_donnees>::find(), values);
}

void RChargementDataTest::closesItselfAt100()
{
    r_chargement_data *window = openStill();
    tick(window, 100);
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(!SingleInstance<r_chargement_data>::find());
    c_donnees *values = SingleInstance<c_donnees>::find();
    QVERIFY(values);
    QVERIFY(values->isVisible());
}

void RChargementDataTest::handsTheFocusToTheValuesWindowAt100()
{
    r_chargement_data *window = openStill();
    tick(window, 99);
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    tick(window, 1);
    QTRY_COMPARE(QApplication::activeWindow(), SingleInstance<c_donnees>::find());
}

void RChargementDataTest::closedBefore80OpensNoValuesWindow()
{
    r_chargement_data *window = SingleInstance<r_chargement_data>::show();
    tick(window, 79);
    window->close();
    QVERIFY(!window->Timer1->isActive());
    QVERIFY(!window->Timer2->isActive());
    QTRY_VERIFY(!SingleInstance<r_chargement_data>::find());
    QVERIFY(!SingleInstance<c_donnees>::find());
}

void RChargementDataTest::openedAgainTheCountGoesOn()
{
    r_chargement_data *window = openStill();
    tick(window, 30);
    QCOMPARE(SingleInstance<r_chargement_data>::show(), window);
    QCOMPARE(window->Label2->text(), u"30"_s);
    tick(window, 1);
    QCOMPARE(window->Label2->text(), u"31"_s);
}

void RChargementDataTest::counterReadsAsAPercentage()
{
    // The counter's box runs under the "%" box; the number is drawn from the left of its box, and
    // every count the user can see (0 to 99: at 100 the window closes in the same tick) ends
    // before the "%" with a gap like a space.
    r_chargement_data *window = SingleInstance<r_chargement_data>::get();
    const QFontMetrics metrics = window->Label2->fontMetrics();
    const int space = metrics.horizontalAdvance(u' ');
    QVERIFY(window->Label2->alignment() & Qt::AlignLeft);
    QVERIFY(window->Label3->alignment() & Qt::AlignLeft);
    for (int counter = 0; counter < 100; ++counter) {
        const int end = window->Label2->x() + metrics.horizontalAdvance(QString::number(counter));
        QVERIFY2(end + space <= window->Label3->x() + 1, qPrintable(QString::number(counter)));
    }
}

void RChargementDataTest::screenReadersHearTheCount()
{
    r_chargement_data *window = openStill();
    QAccessibleInterface *counter = QAccessible::queryAccessibleInterface(window->Label2);
    QVERIFY(counter);
    QCOMPARE(counter->text(QAccessible::Name), u"0"_s);
    tick(window, 42);
    QCOMPARE(counter->text(QAccessible::Name), u"42"_s);
    QVERIFY(counter->text(QAccessible::Description).contains(u"Avancement"_s));
}

void RChargementDataTest::comesBackToTheFrontWithinTheProgram()
{
    r_chargement_data *window = openStill();
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    window->Timer2_Timer();
    QTRY_COMPARE(QApplication::activeWindow(), window);
}

void RChargementDataTest::takesNoFocusFromAnotherProgram()
{
    r_chargement_data *window = openStill();
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    // What the program sees when the user goes to another program: none of its windows is active.
    QApplication::setActiveWindow(nullptr);
    window->Timer2_Timer();
    QApplication::processEvents();
    QVERIFY(!QApplication::activeWindow());
    QVERIFY(window->isVisible());
}

QTEST_MAIN(RChargementDataTest)
#include "test_r_chargement_data.moc"
