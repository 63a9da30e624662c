// The calculator solving for a "?" box and showing the range of toleranced inputs: what the user
// types, sees, picks, and what the journal keeps and replays.

#include "functions/core/function_list.h"
#include "functions/function_test_files.h"
#include "functions/windows/c_calculs.h"
#include "journal/core/journal.h"
#include "journal/windows/c_journal.h"
#include "platform/program_font.h"
#include "shell/windows/result_links.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace zorv;
using namespace zorv::test;
using namespace Qt::StringLiterals;

class CalculatorAnswersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aQuestionMarkTurnsTheResultBoxIntoTheWantedResult();
    void oneSolutionIsWrittenWithItsCheck();
    void severalSolutionsAreOfferedAndPicked();
    void aRefusalNamesTheBoxAndKeepsTheWantedResult_data();
    void aRefusalNamesTheBoxAndKeepsTheWantedResult();
    void tolerancesShowTheRange();
    void theJournalReplaysASolve();

private:
    void openWith(const QString &formula);

    QLineEdit *box(int k) const { return m_window->txtDonnees[k]; }

    QLineEdit *result() const { return m_window->txtResultat; }

    std::unique_ptr<TempAppDir> m_app;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<journal::Journal> m_journal;
    std::unique_ptr<journal::JournalScope> m_journalScope;
    c_calculs *m_window = nullptr;
};

void CalculatorAnswersTest::initTestCase()
{
    installProgramFont();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void CalculatorAnswersTest::init()
{
    m_app = std::make_unique<TempAppDir>();
    m_platform = std::make_unique<RecordingPlatform>();
    m_journal = std::make_unique<journal::Journal>(m_app->filePath(u"journal.csv"_s));
    m_journalScope = std::make_unique<journal::JournalScope>(*m_journal);
    m_app->makeDir(u"res/Fonc"_s);
    donnees::CurrentFormula.clear();
}

void CalculatorAnswersTest::cleanup()
{
    SingleInstance<c_journal>::close();
    SingleInstance<c_calculs>::close();
    m_window = nullptr;
    m_journalScope.reset();
    m_journal.reset();
    m_platform.reset();
    m_app.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void CalculatorAnswersTest::openWith(const QString &formula)
{
    writeFunctionFile(*m_app,
                      u"f.zvfc"_s,
                      {.name = u"Essai"_s, .formula = formula, .legends = {u"a"_s, u"b"_s, u"c"_s}});
    m_window = SingleInstance<c_calculs>::show();
    QVERIFY(m_window->pickFunctionFile(u"f.zvfc"_s));
}

void CalculatorAnswersTest::aQuestionMarkTurnsTheResultBoxIntoTheWantedResult()
{
    openWith(u"d1*d2"_s);
    box(1)->setText(u"3"_s);
    box(2)->setText(u"4"_s);
    m_window->Command1_Click();
    QCOMPARE(result()->text(), u"12"_s);
    QVERIFY(result()->isReadOnly());

    box(1)->setText(u" ?"_s);
    QVERIFY(!result()->isReadOnly());
    QCOMPARE(result()->accessibleName(), u"Résultat voulu"_s);
    QVERIFY2(result()->text().isEmpty(), "the last result would be read as the wanted one");

    box(1)->setText(u"5"_s);
    QVERIFY(result()->isReadOnly());
    QCOMPARE(result()->accessibleName(), u"Résultat"_s);
}

void CalculatorAnswersTest::oneSolutionIsWrittenWithItsCheck()
{
    openWith(u"1000000/(2*PI*d1*d2)"_s);
    box(1)->setText(u"1"_s);
    box(2)->setText(u"?"_s);
    result()->setText(u"1592"_s);
    QTest::keyClick(result(), Qt::Key_Return);
    QCOMPARE(box(2)->text(), u"99,971697922045"_s);
    QCOMPARE(result()->text(), u"1592"_s);
    QVERIFY(result()->isReadOnly());
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(journal::lineText(m_journal->entries().last()),
             u"Essai : a = 1, b = ? ; résultat voulu 1592 → b = 99,971697922045"_s);
}

void CalculatorAnswersTest::severalSolutionsAreOfferedAndPicked()
{
    openWith(u"d1²-d1"_s);
    box(1)->setText(u"?"_s);
    result()->setText(u"6"_s);
    m_window->Command1_Click();
    auto *menu = m_window->findChild<QMenu *>(u"mnuSolutions"_s);
    QVERIFY(menu);
    QStringList offered;
    for (QAction *action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator())
            offered << action->text();
    }
    QCOMPARE(offered, (QStringList{u"-2"_s, u"3"_s}));
    QCOMPARE(box(1)->text(), u"?"_s); // nothing is written before the pick
    menu->actions().last()->trigger();
    QCOMPARE(box(1)->text(), u"3"_s);
    QCOMPARE(result()->text(), u"6"_s);
    QCOMPARE(journal::lineText(m_journal->entries().last()),
             u"Essai : a = ? ; résultat voulu 6 → a = -2 ou 3"_s);
}

void CalculatorAnswersTest::aRefusalNamesTheBoxAndKeepsTheWantedResult_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus"); // the box with the focus, 0 for the result box

    QTest::newRow("two unknowns")
        << QStringList{u"?"_s, u"?"_s} << u"6"_s
        << u"Une seule donnée peut être inconnue : la donnée 1) et la donnée 2) portent « ? »."_s
        << 2;
    QTest::newRow("no wanted result")
        << QStringList{u"?"_s, u"2"_s} << u""_s
        << u"Indiquez le résultat voulu pour trouver la donnée 1)."_s << 1;
    QTest::newRow("none in the range")
        << QStringList{u"?"_s, u"0"_s} << u"6"_s
        << u"Aucune valeur de la donnée 1) entre -1E+15 et 1E+15 ne donne 6."_s << 1;
    QTest::newRow("an unreadable wanted result")
        << QStringList{u"?"_s, u"2"_s} << u"6z"_s
        << u"Le résultat voulu « 6z » : caractère inconnu « z »."_s << 0;
}

void CalculatorAnswersTest::aRefusalNamesTheBoxAndKeepsTheWantedResult()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, wanted);
    QFETCH(QString, message);
    QFETCH(int, focus);
    openWith(u"d1*d2"_s);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    for (int k = 1; k <= 2; ++k)
        box(k)->setText(inputs[k - 1]);
    result()->setText(wanted);
    m_window->Command1_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().text, message);
    QCOMPARE(result()->text(), wanted);
    QCOMPARE(QApplication::focusWidget(), focus > 0 ? box(focus) : result());
    QVERIFY(m_journal->entries().last().refused());
}

void CalculatorAnswersTest::tolerancesShowTheRange()
{
    openWith(u"d1*d3/(d2+d3)"_s);
    box(1)->setText(u"12"_s);
    box(2)->setText(u"10 ±5%"_s);
    box(3)->setText(u"4,7 5 %"_s);
    QVERIFY(m_window->lblLecture[2]->toolTip().isEmpty()); // a toleranced value reads
    box(4)->setText(u"10 ±-5%"_s);
    QCOMPARE(m_window->lblLecture[4]->toolTip(),
             u"La donnée 4) « 10 ±-5% » : tolérance négative."_s);
    box(4)->setText(u"0"_s);
    m_window->Command1_Click();
    QCOMPARE(result()->text(), u"3,837  [3,580 … 4,103]  −6,7 % / +6,9 %"_s);
    QCOMPARE(result()->toolTip(),
             u"Nominal 3,83673469387755 ; minimum 3,58035415970598 ; maximum 4,10252857637686"_s);
    QCOMPARE(journal::lineText(m_journal->entries().last()),
             u"Essai : a = 12, b = 10 ±5%, c = 4,7 5 % → 3,83673469387755  [3,58035415970598 … "
             u"4,10252857637686]"_s);

    box(2)->setText(u"10"_s);
    box(3)->setText(u"4,7"_s);
    m_window->Command1_Click();
    QCOMPARE(result()->text(), u"3,83673469387755"_s);
    QVERIFY(result()->toolTip().isEmpty());
}

void CalculatorAnswersTest::theJournalReplaysASolve()
{
    openWith(u"d1+d2"_s);
    box(1)->setText(u"2"_s);
    box(2)->setText(u"?"_s);
    result()->setText(u"7"_s);
    m_window->Command1_Click();
    QCOMPARE(box(2)->text(), u"5"_s);
    box(1)->setText(u"100"_s);

    ProgramResultLinks links;
    const InstalledScope<ResultLinks> installed(links);
    c_journal *window = SingleInstance<c_journal>::show();
    auto *lines = window->findChild<QTreeView *>(u"lstJournal"_s);
    QVERIFY(lines);
    lines->setCurrentIndex(lines->model()->index(0, 0));
    window->cmdRecalculer_Click();
    QCOMPARE(box(1)->text(), u"2"_s);
    QCOMPARE(box(2)->text(), u"5"_s);
    QCOMPARE(result()->text(), u"7"_s);
    QCOMPARE(m_journal->entries().size(), 2);
    QCOMPARE(m_journal->entries().last().solutions, QList<double>{5});
}

QTEST_MAIN(CalculatorAnswersTest)
#include "test_calculator_answers.moc"
