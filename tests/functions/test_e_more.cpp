#include "functions/core/function_file.h"
#include "functions/function_test_files.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/e_more.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"
#include "support/window_cleanup.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace zorv;
using namespace zorv::test;
using namespace Qt::StringLiterals;

class EMoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void windowKind();
    void captionsFit();
    void keyboardOrder();
    void opensCentred();

    void showsThePickedFunction();
    void noCalculatorShowsZeros();
    void nothingPickedShowsZeros();
    void missingAuthor();
    void laterPicksDoNotChangeAnOpenWindow();
    void plusWhileOpenOnlyBringsItToTheFront();
    void details_data();
    void details();

private:
    void openCalculatorAndPick(int index);
    QStringList boxes() const;

    std::unique_ptr<TempAppDir> m_app;
    std::unique_ptr<RecordingPlatform> m_platform;
};

void EMoreTest::initTestCase()
{
    installProgramFont();
}

void EMoreTest::init()
{
    m_app = std::make_unique<TempAppDir>();
    m_platform = std::make_unique<RecordingPlatform>();
    writeFunctionFile(*m_app,
                      u"a.zvfc"_s,
                      {.name = u"Loi d'Ohm : tension"_s, .formula = u"d1*d2"_s});
    writeFunctionFile(*m_app,
                      u"b.zvfc"_s,
                      {.name = u"Pont diviseur"_s,
                       .author = u"Quelqu'un"_s,
                       .formula = u"d1*d3/(d2+d3)"_s});
    writeFunctionFile(*m_app,
                      u"c.zvfc"_s,
                      {.name = u"Sans auteur"_s, .author = QString(), .formula = u"d1"_s});
}

void EMoreTest::cleanup()
{
    const QStringList left = test::closeAllWindows();
    m_platform.reset();
    m_app.reset();
    QCOMPARE(left, QStringList());
}

void EMoreTest::openCalculatorAndPick(int index)
{
    c_calculs *calculator = SingleInstance<c_calculs>::get();
    calculator->findChild<QComboBox *>(u"cmbFonction"_s)->setCurrentIndex(index);
    calculator->cmbFonction_Click();
}

QStringList EMoreTest::boxes() const
{
    const e_more *window = SingleInstance<e_more>::find();
    if (!window)
        return {};
    QStringList texts;
    for (const char *name : {"Text1", "Text2", "Text3"})
        texts.append(window->findChild<QLineEdit *>(QString::fromLatin1(name))->text());
    return texts;
}

void EMoreTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Label1") << u"Label1"_s << u"Nom"_s;
    QTest::newRow("Label2") << u"Label2"_s << u"Auteur"_s;
    QTest::newRow("Label3") << u"Label3"_s << u"Equation"_s;
    QTest::newRow("Text1") << u"Text1"_s << u"0"_s;
    QTest::newRow("Text2") << u"Text2"_s << u"0"_s;
    QTest::newRow("Text3") << u"Text3"_s << u"0"_s;
    QTest::newRow("Command1") << u"Command1"_s << u"OK"_s;
    QTest::newRow("Label4") << u"Label4"_s << u"Catégorie"_s;
    QTest::newRow("Label5") << u"Label5"_s << u"Unités"_s;
    QTest::newRow("Label6") << u"Label6"_s << u"Exemple"_s;
    QTest::newRow("Text4") << u"Text4"_s << u"0"_s;
    QTest::newRow("Text5") << u"Text5"_s << u"0"_s;
    QTest::newRow("txtExemple") << u"txtExemple"_s << u""_s;
}

void EMoreTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const e_more *window = SingleInstance<e_more>::get();
    QCOMPARE(window->windowTitle(), u"Infos supplémentaires sur la fonction"_s);
    QCOMPARE(window->size(), twipsSize(5775, 3735));
    const QWidget *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), window);
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (const auto *button = qobject_cast<const QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (const auto *text = qobject_cast<const QPlainTextEdit *>(widget)) {
        QCOMPARE(text->toPlainText(), caption);
        QVERIFY(text->isReadOnly());
    } else {
        const auto *box = qobject_cast<const QLineEdit *>(widget);
        QCOMPARE(box->text(), caption);
        QVERIFY(box->isReadOnly());
    }
}

void EMoreTest::windowKind()
{
    const e_more *window = SingleInstance<e_more>::get();
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

void EMoreTest::captionsFit()
{
    QCOMPARE(captionsThatDoNotFit(SingleInstance<e_more>::get()), QStringList());
}

void EMoreTest::keyboardOrder()
{
    const e_more *window = SingleInstance<e_more>::get();
    const QStringList expected{u"Text1"_s,
                               u"Text2"_s,
                               u"Text3"_s,
                               u"Text4"_s,
                               u"Text5"_s,
                               u"txtExemple"_s,
                               u"Command1"_s};
    QCOMPARE(focusOrder(window, expected), expected);
}

void EMoreTest::opensCentred()
{
    e_more *window = SingleInstance<e_more>::show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    const QPoint centre = window->frameGeometry().center();
    QVERIFY2((centre - screenCentre).manhattanLength() <= 2,
             qPrintable(u"%1,%2"_s.arg(centre.x()).arg(centre.y())));
}

void EMoreTest::showsThePickedFunction()
{
    openCalculatorAndPick(1);
    SingleInstance<e_more>::show();
    QCOMPARE(boxes(), (QStringList{u"Pont diviseur"_s, u"Quelqu'un"_s, u"d1*d3/(d2+d3)"_s}));
    QVERIFY(m_platform->messages.isEmpty());
}

void EMoreTest::noCalculatorShowsZeros()
{
    e_more *window = SingleInstance<e_more>::show();
    QVERIFY(window->isVisible());
    QCOMPARE(boxes(), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, u"ZORV"_s);
    QVERIFY(m_platform->messages[0].text.contains(u"Aucune fonction n'est choisie"_s));
}

void EMoreTest::nothingPickedShowsZeros()
{
    c_calculs *calculator = SingleInstance<c_calculs>::get();
    QTest::mouseClick(calculator->findChild<QPushButton *>(u"Command3"_s), Qt::LeftButton);
    QVERIFY(SingleInstance<e_more>::find());
    QCOMPARE(boxes(), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(m_platform->messages.size(), 1);
}

void EMoreTest::missingAuthor()
{
    openCalculatorAndPick(2);
    SingleInstance<e_more>::show();
    QCOMPARE(boxes(), (QStringList{u"Sans auteur"_s, functions::ReadFailureText, u"d1"_s}));
}

void EMoreTest::laterPicksDoNotChangeAnOpenWindow()
{
    openCalculatorAndPick(0);
    c_calculs *calculator = SingleInstance<c_calculs>::find();
    calculator->Command3_Click();
    openCalculatorAndPick(1);
    calculator->Command3_Click();
    QCOMPARE(boxes().first(), u"Loi d'Ohm : tension"_s);

    QTest::mouseClick(SingleInstance<e_more>::find()->findChild<QPushButton *>(u"Command1"_s),
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!SingleInstance<e_more>::find());
    calculator->Command3_Click();
    QCOMPARE(boxes().first(), u"Pont diviseur"_s);
}

void EMoreTest::plusWhileOpenOnlyBringsItToTheFront()
{
    openCalculatorAndPick(0);
    c_calculs *calculator = SingleInstance<c_calculs>::find();
    calculator->Command3_Click();
    e_more *first = SingleInstance<e_more>::find();
    const QPoint movedTo = first->pos() + QPoint(30, 20);
    first->move(movedTo);
    calculator->Command3_Click();
    QCOMPARE(SingleInstance<e_more>::find(), first);
    QCOMPARE(first->pos(), movedTo);
}

void EMoreTest::details_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("categoryShown");
    QTest::addColumn<QString>("unitsShown");
    QTest::addColumn<QString>("inputsShown");  // the first line of the example box
    QTest::addColumn<QString>("exampleShown"); // its last line

    const QStringList units{u"[Unites]"_s, u"d1=ohm"_s, u"d2=nF"_s, u"Resultat=kHz"_s};
    auto example = [&](const char *d2, const char *result) {
        return units
               + QStringList{u"[Exemple]"_s,
                             u"d1=10000"_s,
                             u"d2="_s + QString::fromLatin1(d2),
                             u"Resultat="_s + QString::fromLatin1(result)};
    };
    // d1 in ohms and d2 in nanofarads give a cut-off in kHz.
    QTest::newRow("example that checks")
        << u"Filtres"_s << example("22", "0,723431559508615") << u"Filtres"_s
        << u"1) Ω ; 2) nF ; résultat : kHz"_s << u"Données : 1) 10000 Ω ; 2) 22 nF"_s
        << u"Calculé : 0.723431559508615 kHz — conforme"_s;
    QTest::newRow("example typed with its units")
        << u"Filtres"_s
        << units
               + QStringList{u"[Exemple]"_s,
                             u"d1=10 kohm"_s,
                             u"d2=0,022µF"_s,
                             u"Resultat=0,723431559508615"_s}
        << u"Filtres"_s << u"1) Ω ; 2) nF ; résultat : kHz"_s
        << u"Données : 1) 10 kΩ ; 2) 0,022µF"_s << u"Calculé : 0.723431559508615 kHz — conforme"_s;
    QTest::newRow("example whose result is wrong")
        << u"Filtres"_s << example("22", "0,7") << u"Filtres"_s
        << u"1) Ω ; 2) nF ; résultat : kHz"_s << u"Données : 1) 10000 Ω ; 2) 22 nF"_s
        << u"Calculé : 0.723431559508615 kHz — DIFFÉRENT du résultat attendu"_s;
    QTest::newRow("example that cannot be computed")
        << u"Filtres"_s << example("0", "1") << u"Filtres"_s << u"1) Ω ; 2) nF ; résultat : kHz"_s
        << u"Données : 1) 10000 Ω ; 2) 0 nF"_s
        << u"Calcul impossible : Impossible de calculer « Filtre » : division par zéro."_s;
    QTest::newRow("pure number, no example")
        << QString() << QStringList{u"[Unites]"_s, u"d1="_s, u"Resultat=kHz"_s} << u"aucune"_s
        << u"1) sans unité ; 2) non déclarée ; résultat : kHz"_s
        << u"Le fichier de cette fonction ne donne pas d'exemple."_s
        << u"Le fichier de cette fonction ne donne pas d'exemple."_s;
}

void EMoreTest::details()
{
    QFETCH(QString, category);
    QFETCH(QStringList, extra);
    QFETCH(QString, categoryShown);
    QFETCH(QString, unitsShown);
    QFETCH(QString, inputsShown);
    QFETCH(QString, exampleShown);
    writeFunctionFile(*m_app,
                      u"d.zvfc"_s,
                      {.name = u"Filtre"_s,
                       .formula = u"1000000/(2*PI*d1*d2)"_s,
                       .category = category,
                       .extra = extra});
    openCalculatorAndPick(3);
    const e_more *window = SingleInstance<e_more>::show();
    QCOMPARE(window->Text4->text(), categoryShown);
    QCOMPARE(window->Text5->text(), unitsShown);
    const QStringList lines = window->txtExemple->toPlainText().split(u'\n');
    QCOMPARE(lines.first(), inputsShown);
    QCOMPARE(lines.last(), exampleShown);
}

QTEST_MAIN(EMoreTest)
#include "test_e_more.moc"
