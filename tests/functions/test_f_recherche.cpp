// The function search: what a query finds, and how the window picks into the calculator.

#include "functions/core/function_list.h"
#include "functions/core/function_search.h"
#include "functions/function_test_files.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/f_recherche.h"
#include "platform/program_font.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace zorv;
using namespace zorv::test;
using namespace Qt::StringLiterals;

class FRechercheTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void query_data();
    void query();
    void categoriesInListOrderOwnLast();
    void enterPicksIntoTheCalculator();
    void arrowsWalkTheFunctionsShown();
    void controlFOpensItFromTheCalculator();
    void escapeCloses();
    void captionsAndNames();

private:
    f_recherche *openSearch();

    std::unique_ptr<TempAppDir> m_app;
    std::unique_ptr<RecordingPlatform> m_platform;
};

void FRechercheTest::initTestCase()
{
    installProgramFont();
}

void FRechercheTest::init()
{
    m_app = std::make_unique<TempAppDir>();
    m_platform = std::make_unique<RecordingPlatform>();
    writeFunctionFile(*m_app,
                      u"a.zvfc"_s,
                      {.name = u"Loi d'Ohm : tension"_s,
                       .formula = u"d1*d2"_s,
                       .description = u"Tension aux bornes d'une résistance, U = R × I."_s,
                       .category = u"Loi d'Ohm et puissance"_s});
    writeFunctionFile(*m_app,
                      u"b.zvfc"_s,
                      {.name = u"Réactance d'un condensateur"_s,
                       .formula = u"1/(2*PI*d1*d2)"_s,
                       .description = u"Xc = 1 / (2 pi f C) en régime sinusoïdal."_s,
                       .category = u"Condensateurs et circuits RC"_s});
    writeFunctionFile(*m_app,
                      u"c.zvfc"_s,
                      {.name = u"Puissance : tension et courant"_s,
                       .formula = u"d1*d2"_s,
                       .description = u"P = U × I, en continu."_s,
                       .category = u"Loi d'Ohm et puissance"_s});
    writeFunctionFile(*m_app,
                      u"d.zvfc"_s,
                      {.name = u"Essai"_s, .formula = u"d1"_s, .description = u"Œuvre d'essai."_s});
    // One of the user's own functions, listed by its full path after the shipped ones.
    m_app->writeFile(u"mes/e.zvfc"_s,
                     functionFileBytes({.name = u"Mon filtre"_s,
                                        .formula = u"d1"_s,
                                        .description = u"Passe-bas de l'atelier."_s,
                                        .category = u"Filtres"_s}));
    c_calculs *calculator = SingleInstance<c_calculs>::get();
    donnees::FunctionFileNames[4] = m_app->filePath(u"mes/e.zvfc"_s);
    donnees::FunctionNames[4] = u"Mon filtre"_s;
    calculator->cmbFonction->addItem(u"Mon filtre"_s);
}

void FRechercheTest::cleanup()
{
    SingleInstance<f_recherche>::close();
    SingleInstance<c_calculs>::close();
    m_platform.reset();
    m_app.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

f_recherche *FRechercheTest::openSearch()
{
    return SingleInstance<f_recherche>::show();
}

void FRechercheTest::query_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("count");
    const QString ohm = u"Loi d'Ohm : tension"_s;
    const QString reactance = u"Réactance d'un condensateur"_s;
    const QString power = u"Puissance : tension et courant"_s;
    const QString own = u"Mon filtre — Filtres"_s;
    QTest::newRow("nothing typed: all, by category")
        << u""_s << QStringList{ohm, power, reactance, u"Essai"_s, own} << u"5 fonctions"_s;
    QTest::newRow("blanks only") << u"   "_s << QStringList{ohm, power, reactance, u"Essai"_s, own}
                                 << u"5 fonctions"_s;
    QTest::newRow("without accents")
        << u"reactance"_s << QStringList{reactance} << u"1 sur 5 fonctions"_s;
    QTest::newRow("upper case") << u"TENSION"_s << QStringList{ohm, power}
                                << u"2 sur 5 fonctions"_s;
    QTest::newRow("every word must occur")
        << u"tension  courant"_s << QStringList{power} << u"1 sur 5 fonctions"_s;
    QTest::newRow("a word of the description")
        << u"sinusoidal"_s << QStringList{reactance} << u"1 sur 5 fonctions"_s;
    QTest::newRow("a word of the category")
        << u"circuits rc"_s << QStringList{reactance} << u"1 sur 5 fonctions"_s;
    QTest::newRow("a ligature typed as two letters")
        << u"oeuvre"_s << QStringList{u"Essai"_s} << u"1 sur 5 fonctions"_s;
    QTest::newRow("the category of the user's own function")
        << u"filtres"_s << QStringList{own} << u"1 sur 5 fonctions"_s;
    QTest::newRow("no match") << u"transistor"_s << QStringList{}
                              << u"Aucune fonction ne contient ces mots."_s;
}

void FRechercheTest::query()
{
    QFETCH(QString, query);
    QFETCH(QStringList, shown);
    QFETCH(QString, count);
    f_recherche *window = openSearch();
    window->txtRecherche->setText(query);
    QCOMPARE(window->shownFunctions(), shown);
    QCOMPARE(window->lblNombre->text(), count);
    // The first function shown is ready to be chosen; with none, nothing can be.
    QCOMPARE(window->cmdChoisir->isEnabled(), !shown.isEmpty());
    QCOMPARE(window->txtApercu->toPlainText().isEmpty(), shown.isEmpty());
}

void FRechercheTest::categoriesInListOrderOwnLast()
{
    f_recherche *window = openSearch();
    QStringList groups;
    for (int g = 0; g < window->lstFonctions->topLevelItemCount(); ++g)
        groups.append(window->lstFonctions->topLevelItem(g)->text(0));
    QCOMPARE(groups,
             (QStringList{u"Loi d'Ohm et puissance (2)"_s,
                          u"Condensateurs et circuits RC (1)"_s,
                          u"Sans catégorie (1)"_s,
                          u"Mes fonctions (1)"_s}));
    window->txtRecherche->setText(u"tension"_s);
    QCOMPARE(window->lstFonctions->topLevelItem(0)->text(0), u"Loi d'Ohm et puissance (2)"_s);
    QVERIFY(window->lstFonctions->topLevelItem(1)->isHidden());
}

void FRechercheTest::enterPicksIntoTheCalculator()
{
    f_recherche *window = openSearch();
    QTest::keyClicks(window->txtRecherche, u"reactance"_s);
    QTest::keyClick(window->txtRecherche, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!SingleInstance<f_recherche>::find());
    c_calculs *calculator = SingleInstance<c_calculs>::find();
    QCOMPARE(calculator->selectedFunction(), 1);
    QCOMPARE(calculator->txtDesc->toPlainText(), u"Xc = 1 / (2 pi f C) en régime sinusoïdal."_s);
    QCOMPARE(calculator->lstLegende->count(), 6);
}

void FRechercheTest::arrowsWalkTheFunctionsShown()
{
    f_recherche *window = openSearch();
    QTest::keyClicks(window->txtRecherche, u"tension"_s);
    QTest::keyClick(window->txtRecherche, Qt::Key_Down);
    QTest::keyClick(window->txtRecherche, Qt::Key_Down); // past the last one: stays there
    QCOMPARE(window->lstFonctions->currentItem()->text(0), u"Puissance : tension et courant"_s);
    QCOMPARE(window->txtApercu->toPlainText(), u"P = U × I, en continu."_s);
    QTest::keyClick(window->txtRecherche, Qt::Key_Up);
    QTest::keyClick(window->txtRecherche, Qt::Key_Up); // the category line is skipped
    QCOMPARE(window->lstFonctions->currentItem()->text(0), u"Loi d'Ohm : tension"_s);
    QTest::keyClick(window->txtRecherche, Qt::Key_Down);
    QVERIFY(window->cmdChoisir_Click());
    QCOMPARE(SingleInstance<c_calculs>::find()->selectedFunction(), 2);
}

void FRechercheTest::controlFOpensItFromTheCalculator()
{
    c_calculs *calculator = SingleInstance<c_calculs>::show();
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    QTest::keyClick(calculator->cmbFonction, Qt::Key_F, Qt::ControlModifier);
    f_recherche *window = SingleInstance<f_recherche>::find();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    // Typing in the calculator's own list still changes nothing.
    QCOMPARE(calculator->selectedFunction(), -1);
}

void FRechercheTest::escapeCloses()
{
    f_recherche *window = openSearch();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->txtRecherche, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!SingleInstance<f_recherche>::find());
    QCOMPARE(SingleInstance<c_calculs>::find()->selectedFunction(), -1);
}

void FRechercheTest::captionsAndNames()
{
    f_recherche *window = openSearch();
    QCOMPARE(window->windowTitle(), u"Rechercher une fonction"_s);
    QCOMPARE(captionsThatDoNotFit(window), QStringList());
    for (const QWidget *control : {static_cast<QWidget *>(window->txtRecherche),
                                   static_cast<QWidget *>(window->lstFonctions),
                                   static_cast<QWidget *>(window->txtApercu)})
        QVERIFY(!control->accessibleName().isEmpty());
}

QTEST_MAIN(FRechercheTest)
#include "test_f_recherche.moc"
