#include "platform/program_font.h"
#include "platform/single_instance.h"
#include "platform/twips.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"
#include "support/window_cleanup.h"
#include "values/windows/c_donnees.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>

using namespace zorv;
using namespace Qt::StringLiterals;

namespace {

const QString ValuesFile = u"res/Vals.fval"_s;

// Slots 1, 2, 3 and 999 filled; slot 4 has a name only.
const QByteArray SampleFile = "[E1]\r\nname=Un\r\nval=1 V\r\n"
                              "[E2]\r\nname=Deux\r\nval=2 A\r\n"
                              "[E3]\r\nname=Trois\r\nval=3 ohm\r\n"
                              "[E4]\r\nname=Quatre\r\n"
                              "[E999]\r\nname=Dernier\r\nval=999 W\r\n";

} // namespace

class CDonneesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsAreWhereDesigned_data();
    void controlsAreWhereDesigned();
    void windowAndControlsAsDesigned();
    void opensWithNothingChosen();
    void charger_data();
    void charger();
    void copierCopiesWhatIsShownNotWhatIsChosen();
    void copierWithNothingShownCopiesTheEmptyText();
    void confirmationShowsUntilTheTimerTicks_data();
    void confirmationShowsUntilTheTimerTicks();
    void confirmationGoesAwayOnItsOwn();
    void secondPressRestartsTheConfirmation();
    void buttonsAreWired();
    void longValueWrapsAndCannotBeEdited();
    void shippedNamesFitTheList();

private:
    std::unique_ptr<test::TempAppDir> m_appDir;
    std::unique_ptr<test::RecordingPlatform> m_platform;
};

void CDonneesTest::initTestCase()
{
    installProgramFont();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void CDonneesTest::init()
{
    m_appDir = std::make_unique<test::TempAppDir>();
    m_appDir->writeFile(ValuesFile, SampleFile);
    m_platform = std::make_unique<test::RecordingPlatform>();
}

void CDonneesTest::cleanup()
{
    const QStringList left = test::closeAllWindows();
    m_platform.reset();
    m_appDir.reset();
    QCOMPARE(left, QStringList());
}

void CDonneesTest::controlsAreWhereDesigned_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("list of names") << u"liste"_s << twips(240, 360, 4095, 315);
    QTest::newRow("value box") << u"retour"_s << twips(240, 960, 4095, 735);
    QTest::newRow("Charger") << u"Command1"_s << twips(240, 1800, 975, 495);
    QTest::newRow("Copier") << u"copyPressepapier"_s << twips(1320, 1800, 855, 495);
    QTest::newRow("confirmation frame") << u"Shape1"_s << twips(2280, 1920, 1335, 375);
    QTest::newRow("confirmation") << u"Label1"_s << twips(2400, 1920, 3135, 375);
}

void CDonneesTest::controlsAreWhereDesigned()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    c_donnees *window = SingleInstance<c_donnees>::get();
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void CDonneesTest::windowAndControlsAsDesigned()
{
    c_donnees *window = SingleInstance<c_donnees>::show();
    QCOMPARE(window->windowTitle(), u"Données"_s);
    QCOMPARE(window->size(), twipsSize(4620, 2430));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));

    QCOMPARE(window->Command1->text(), u"&Charger"_s);
    QCOMPARE(window->copyPressepapier->text(), u"C&opier"_s);
    for (QPushButton *button : {window->Command1, window->copyPressepapier}) {
        const int room = button->width() - 8;
        QVERIFY2(test::captionWidth(button, button->text()) <= room, qPrintable(button->text()));
    }

    QVERIFY(window->retour->isReadOnly());
    QCOMPARE(window->retour->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(window->retour->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(window->retour->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(!window->liste->isEditable());

    QCOMPARE(window->Label1->text(), u"Effectué"_s);
    QCOMPARE(window->Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(window->Label1->font().pointSizeF(), 12.0);
    QVERIFY(window->Label1->font().bold());
    QVERIFY(!window->Label1->autoFillBackground());
    // The label box runs past the window's edge; the word itself must show whole, inside the frame.
    const int wordEnd = window->Label1->x()
                        + test::captionWidth(window->Label1, window->Label1->text());
    QVERIFY(wordEnd <= window->Shape1->geometry().right());
    QVERIFY(window->Shape1->isVisible());

    QCOMPARE(window->t->interval(), 700);

    // Tab order: the value box first, then the list and the two buttons.
    QTRY_VERIFY(window->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), window->retour);
    for (QWidget *next : {static_cast<QWidget *>(window->liste),
                          static_cast<QWidget *>(window->Command1),
                          static_cast<QWidget *>(window->copyPressepapier)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void CDonneesTest::opensWithNothingChosen()
{
    c_donnees *window = SingleInstance<c_donnees>::show();
    QCOMPARE(window->liste->count(), values::SlotCount);
    QCOMPARE(window->liste->itemText(0), u"Un"_s);
    QCOMPARE(window->liste->itemText(4), values::FreeSlotName);
    QCOMPARE(window->liste->itemText(998), u"Dernier"_s);
    QCOMPARE(window->liste->currentIndex(), -1);
    QCOMPARE(window->liste->currentText(), QString());
    QCOMPARE(window->retour->toPlainText(), QString());
    QVERIFY(window->Label1->isHidden());
    QVERIFY(!window->t->isActive());
}

void CDonneesTest::charger_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shown");
    QTest::newRow("3rd entry shows E3") << 2 << u"3 ohm"_s;
    QTest::newRow("last entry shows E999") << 998 << u"999 W"_s;
    QTest::newRow("entry with a name only shows (Vide)") << 3 << values::EmptyValue;
    QTest::newRow("entry absent from the file shows (Vide)") << 500 << values::EmptyValue;
    QTest::newRow("no entry chosen empties the box") << -1 << QString();
}

void CDonneesTest::charger()
{
    QFETCH(int, position);
    QFETCH(QString, shown);
    c_donnees *window = SingleInstance<c_donnees>::show();
    window->retour->setPlainText(u"valeur précédente"_s);
    window->liste->setCurrentIndex(position);
    window->Command1_Click();
    QCOMPARE(window->retour->toPlainText(), shown);
    QVERIFY(window->Label1->isVisible());
}

void CDonneesTest::copierCopiesWhatIsShownNotWhatIsChosen()
{
    c_donnees *window = SingleInstance<c_donnees>::show();
    window->liste->setCurrentIndex(0);
    window->Command1_Click();
    window->liste->setCurrentIndex(1);
    window->copyPressepapier_Click();
    QCOMPARE(m_platform->clipboard, u"1 V"_s);
}

void CDonneesTest::copierWithNothingShownCopiesTheEmptyText()
{
    c_donnees *window = SingleInstance<c_donnees>::show();
    m_platform->clipboard = u"texte d'un autre programme"_s;
    window->copyPressepapier_Click();
    QCOMPARE(m_platform->clipboard, QString());
    QVERIFY(window->Label1->isVisible());
}

void CDonneesTest::confirmationShowsUntilTheTimerTicks_data()
{
    QTest::addColumn<bool>("copier");
    QTest::newRow("after Charger") << false;
    QTest::newRow("after Copier") << true;
}

void CDonneesTest::confirmationShowsUntilTheTimerTicks()
{
    QFETCH(bool, copier);
    c_donnees *window = SingleInstance<c_donnees>::show();
    window->liste->setCurrentIndex(0);
    copier ? window->copyPressepapier_Click() : window->Command1_Click();
    QVERIFY(window->Label1->isVisible());
    QVERIFY(window->t->isActive());

    window->t_Timer();
    QVERIFY(!window->Label1->isVisible());
    QVERIFY(!window->t->isActive());
    QVERIFY(window->Shape1->isVisible());
}

void CDonneesTest::confirmationGoesAwayOnItsOwn()
{
    c_donnees *window = SingleInstance<c_donnees>::show();
    window->effe();
    QTRY_VERIFY_WITH_TIMEOUT(!window->Label1->isVisible(), 5000);
    QVERIFY(!window->t->isActive());
}

void CDonneesTest::secondPressRestartsTheConfirmation()
{
    // The confirmation belongs to the last press: a second press within the 700 ms starts them
    // again instead of letting the first period end.
    c_donnees *window = SingleInstance<c_donnees>::show();
    window->effe();
    QTRY_VERIFY(window->t->remainingTime() < 600);
    QVERIFY(window->Label1->isVisible());
    window->effe();
    QVERIFY(window->t->remainingTime() > 600);
}

void CDonneesTest::buttonsAreWired()
{
    c_donnees *window = SingleInstance<c_donnees>::show();
    window->liste->setCurrentIndex(2);
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    QCOMPARE(window->retour->toPlainText(), u"3 ohm"_s);
    QTest::mouseClick(window->copyPressepapier, Qt::LeftButton);
    QCOMPARE(m_platform->clipboard, u"3 ohm"_s);
}

void CDonneesTest::longValueWrapsAndCannotBeEdited()
{
    const QString longValue = QStringList(40, u"1,0"_s).join(u" ; "_s);
    m_appDir->writeFile(ValuesFile, "[E1]\r\nname=Longue\r\nval=" + longValue.toLatin1() + "\r\n");
    c_donnees *window = SingleInstance<c_donnees>::show();
    window->liste->setCurrentIndex(0);
    window->Command1_Click();
    QApplication::processEvents();
    QVERIFY(window->retour->verticalScrollBar()->maximum() > 0);
    QCOMPARE(window->retour->horizontalScrollBar()->maximum(), 0);

    window->retour->setFocus();
    QTest::keyClicks(window->retour, u"abc"_s);
    QTest::keyClick(window->retour, Qt::Key_Backspace);
    QCOMPARE(window->retour->toPlainText(), longValue);
}

void CDonneesTest::shippedNamesFitTheList()
{
    m_appDir->copyFromShippedData(ValuesFile);
    c_donnees *window = SingleInstance<c_donnees>::show();
    QStyleOptionComboBox option;
    option.initFrom(window->liste);
    const QRect field = window->liste->style()->subControlRect(QStyle::CC_ComboBox,
                                                               &option,
                                                               QStyle::SC_ComboBoxEditField,
                                                               window->liste);
    const QFontMetrics metrics = window->liste->fontMetrics();
    for (int i = 0; i < window->liste->count(); ++i) {
        const QString name = window->liste->itemText(i);
        QVERIFY2(test::captionWidth(window->liste, name) <= field.width(), qPrintable(name));
    }
}

QTEST_MAIN(CDonneesTest)
#include "test_c_donnees.moc"
