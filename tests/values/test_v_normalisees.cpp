#include "platform/program_font.h"
#include "platform/result_menu.h"
#include "platform/single_instance.h"
#include "support/recording_platform.h"
#include "support/window_checks.h"
#include "support/window_cleanup.h"
#include "values/core/standard_values.h"
#include "values/windows/v_normalisees.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace zorv;
using namespace zorv::test;
using namespace Qt::StringLiterals;

namespace {

// Where "Utiliser dans la donnée …" puts its text, recorded.
class FillingLinks final : public ResultLinks
{
public:
    void showJournal() override {}

    void showStandardValues(double, const QString &) override {}

    void useInCalculator(int box, const QString &text) override
    {
        filledBox = box;
        filled = text;
    }

    void showInEngine(const QString &) override {}

    bool computeAgain(const QString &, const QList<BoxText> &, const QString &) override
    {
        return false;
    }

    int filledBox = 0;
    QString filled;
};

using enum values::Series;

enum Column {
    SeriesName,
    Below,
    BelowError,
    Above,
    AboveError,
    Nearest,
    Bands
};

} // namespace

Q_DECLARE_METATYPE(zorv::values::Series)

class VNormaliseesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showForFillsEveryRowWithoutShowing();
    void refusedValueClearsTheRows();
    void copiesTheSelectedCells();
    void keyboard();
    void captionsFitAndControlsAreNamed();
    void openedForAValue();
    void usedInABoxWithTheSeriesTolerance_data();
    void usedInABoxWithTheSeriesTolerance();

private:
    // The rows are the series in their order.
    QString text(values::Series series, int column) const
    {
        const QTableWidgetItem *item = m_window->tblSeries->item(int(series), column);
        return item ? item->text() : QString();
    }

    QString bandNames(values::Series series) const
    {
        return m_window->tblSeries->item(int(series), Bands)->toolTip();
    }

    std::unique_ptr<RecordingPlatform> m_platform;
    v_normalisees *m_window = nullptr;
};

void VNormaliseesTest::initTestCase()
{
    installProgramFont();
}

void VNormaliseesTest::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_window = SingleInstance<v_normalisees>::get();
}

void VNormaliseesTest::cleanup()
{
    const QStringList left = test::closeAllWindows();
    m_window = nullptr;
    m_platform.reset();
    QCOMPARE(left, QStringList());
}

void VNormaliseesTest::showForFillsEveryRowWithoutShowing()
{
    m_window->showFor(723.431559508615, u"Ohm"_s);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->windowTitle(), u"Valeurs normalisées"_s);
    QCOMPARE(m_window->txtValeur->text(), u"723,431559508615"_s);
    QCOMPARE(m_window->lblUnite->text(), u"Ohm"_s);
    QVERIFY(m_window->lblErreur->isHidden());

    const QStringList e24{u"E24 (5 %)"_s, u"680"_s, u"-6,00 %"_s, u"750"_s, u"+3,67 %"_s, u"750"_s};
    for (int column = SeriesName; column < Bands; ++column)
        QCOMPARE(text(E24, column), e24[column]);
    QCOMPARE(text(E6, SeriesName), u"E6 (20 %)"_s);
    QCOMPARE(text(E6, Above), u"1000"_s);
    QCOMPARE(text(E192, Nearest), u"723"_s);
    // The bands are drawn; their names are told for the current row and by each picture.
    QCOMPARE(m_window->lblCouleurs->text(), u"Couleurs en E24 de 750 : violet, vert, marron, or"_s);
    QCOMPARE(bandNames(E192), u"violet, rouge, orange, noir, vert"_s);
    m_window->tblSeries->setCurrentCell(int(E6), Below);
    QCOMPARE(m_window->lblCouleurs->text(), u"Couleurs en E6 de 680 : bleu, gris, marron, aucune"_s);
}

void VNormaliseesTest::refusedValueClearsTheRows()
{
    m_window->showFor(2.2e3, QString());
    QCOMPARE(text(E6, Nearest), u"2200"_s);

    m_window->txtValeur->setText(u"-5"_s);
    m_window->Chercher_Click();
    QVERIFY(!m_window->lblErreur->isHidden());
    QCOMPARE(m_window->lblErreur->text(), u"« -5 » n'est pas un nombre positif"_s);
    QCOMPARE(text(E6, Nearest), QString());
    QCOMPARE(text(E6, SeriesName), u"E6 (20 %)"_s);
    QCOMPARE(m_window->txtValeur->text(), u"-5"_s); // the user's text stays to be corrected

    m_window->showFor(0, u"nF"_s);
    QCOMPARE(m_window->lblErreur->text(), u"« 0 » n'est pas un nombre positif"_s);
    QCOMPARE(text(E192, Below), QString());
    QVERIFY(m_platform->messages.isEmpty());
}

void VNormaliseesTest::copiesTheSelectedCells()
{
    m_window->showFor(723.43, u"Hz"_s);
    m_window->tblSeries->clearSelection();
    m_window->tblSeries
        ->setRangeSelected(QTableWidgetSelectionRange(int(E12), AboveError, int(E24), Bands), true);
    m_window->copySelection();
    QCOMPARE(m_platform->clipboard,
             u"+13,35 %\t680\tbleu, gris, marron, argent\n"
             "+3,67 %\t750\tviolet, vert, marron, or"_s);
}

void VNormaliseesTest::keyboard()
{
    SingleInstance<v_normalisees>::show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(focusOrder(m_window, {u"txtValeur"_s, u"cmdChercher"_s, u"tblSeries"_s}),
             QStringList({u"txtValeur"_s, u"cmdChercher"_s, u"tblSeries"_s}));

    QTest::keyClick(m_window, Qt::Key_V, Qt::AltModifier);
    QVERIFY(m_window->txtValeur->hasFocus());
    QTest::keyClicks(m_window->txtValeur, u"1,5x"_s);
    QTest::keyClick(m_window->txtValeur, Qt::Key_Return);
    QCOMPARE(m_window->lblErreur->text(), u"« 1,5x » n'est pas un nombre"_s);
    QTest::keyClick(m_window->txtValeur, Qt::Key_Backspace);
    QTest::keyClick(m_window->txtValeur, Qt::Key_Return);
    QCOMPARE(text(E6, Nearest), u"1,5"_s);

    m_window->tblSeries->setFocus();
    m_window->tblSeries->setCurrentCell(int(E6), Nearest);
    QTest::keyClick(m_window->tblSeries, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_platform->clipboard, u"1,5"_s);
}

void VNormaliseesTest::captionsFitAndControlsAreNamed()
{
    m_window->showFor(9.87654321098765e-13, u"F"_s);
    SingleInstance<v_normalisees>::show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(captionsThatDoNotFit(m_window), QStringList());

    const QHeaderView *header = m_window->tblSeries->horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int column = SeriesName; column <= Bands; ++column) {
        const QString caption = m_window->tblSeries->horizontalHeaderItem(column)->text();
        QVERIFY2(test::captionWidth(header, caption) < header->sectionSize(column),
                 qPrintable(caption));
        for (const values::Series series : values::AllSeries) {
            const QTableWidgetItem *item = m_window->tblSeries->item(int(series), column);
            QVERIFY2(m_window->tblSeries->visualItemRect(item).intersects(
                         m_window->tblSeries->viewport()->rect()),
                     qPrintable(item->text()));
        }
    }
    for (const QWidget *control : {static_cast<QWidget *>(m_window->txtValeur),
                                   static_cast<QWidget *>(m_window->lblUnite),
                                   static_cast<QWidget *>(m_window->tblSeries)})
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
}

void VNormaliseesTest::openedForAValue()
{
    v_normalisees::open(1e-15, u"F"_s);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->txtValeur->text(), u"1E-15"_s);
    QCOMPARE(text(E24, Below), u"1E-15"_s);
    QCOMPARE(text(E24, AboveError), u"0,00 %"_s);
    QCOMPARE(text(E24, Bands), u"hors code"_s);
    QCOMPARE(bandNames(E24), u"hors du code des couleurs"_s);
}

void VNormaliseesTest::usedInABoxWithTheSeriesTolerance_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");

    QTest::newRow("E24, nearest") << int(E24) << int(Nearest) << u"750 ±5 %"_s;
    QTest::newRow("E6, the value below") << int(E6) << int(Below) << u"680 ±20 %"_s;
    QTest::newRow("E12, an error cell takes the nearest")
        << int(E12) << int(BelowError) << u"680 ±10 %"_s;
    QTest::newRow("E192, half a percent") << int(E192) << int(Above) << u"723 ±0,5 %"_s;
}

// The text handed to the installed filler, as box 4 of the calculator would receive it.
void VNormaliseesTest::usedInABoxWithTheSeriesTolerance()
{
    QFETCH(int, series);
    QFETCH(int, column);
    QFETCH(QString, text);
    FillingLinks links;
    const InstalledScope<ResultLinks> installed(links);
    QVERIFY(!m_window->cmdUtiliser->isEnabled());
    m_window->showFor(723.0, QString());
    m_window->tblSeries->setCurrentCell(series, column);
    QVERIFY(m_window->cmdUtiliser->isEnabled());
    m_window->cmdUtiliser->menu()->findChild<QAction *>(u"Donnee4"_s)->trigger();
    QCOMPARE(links.filledBox, 4);
    QCOMPARE(links.filled, text);
}

QTEST_MAIN(VNormaliseesTest)
#include "test_v_normalisees.moc"
