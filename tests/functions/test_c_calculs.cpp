#include "functions/core/function_list.h"
#include "functions/core/picked_function.h"
#include "functions/function_test_files.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/e_more.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"
#include "support/window_cleanup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace zorv;
using namespace zorv::test;

Q_DECLARE_METATYPE(FunctionFileContent)
using namespace Qt::StringLiterals;

namespace {

QString captionOf(const QWidget *control)
{
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(control))
        return text->toPlainText();
    return QString();
}

QStringList legendLines(const QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

} // namespace

class CCalculsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void captionsFit();
    void keyboardOrder();
    void comboTakesNoTypedItems();

    void countText_data();
    void countText();
    void opensWithNothingPicked();
    void missingFolderIsTold();
    void filesPastTheSlotsAreTold();

    void pickLoadsLegendDescriptionAndFormula();
    void pickFillsThePickedFunctionOnce();
    void editedFileIsReadAgainBeforeComputing_data();
    void editedFileIsReadAgainBeforeComputing();
    void secondItemWithTheSameNameReadsTheSecondFile();
    void longDescriptionIsCut();
    void pickReadsTheFileAnew();
    void arrowKeysPick();
    void mouseClickPicks();
    void pickWithNothingSelectedDoesNothing();
    void scrollingTheListReloadsThePick();

    void results_data();
    void results();
    void unitsAreReadAndShown_data();
    void unitsAreReadAndShown();
    void calculerBeforeAnyPickShowsZero();
    void failureEmptiesTheResultAndTellsWhy_data();
    void failureEmptiesTheResultAndTellsWhy();
    void enterInAnInputBoxComputes();
    void effacerEmptiesTheBoxesAndTheResult();
    void pickKeepsTypedValuesEmptiesTheResult();
    void formulaSurvivesReopening();
    void plusShowsTheInformationWindow();

private:
    c_calculs *open();
    void showActive();
    void writeFunctions(const QList<FunctionFileContent> &functions);
    template<class T>
    T *control(const QString &name) const;
    void pick(int index);
    void type(const QStringList &inputs);
    void checkNoResult();

    std::unique_ptr<TempAppDir> m_app;
    std::unique_ptr<RecordingPlatform> m_platform;
    c_calculs *m_window = nullptr;
};

void CCalculsTest::initTestCase()
{
    installProgramFont();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void CCalculsTest::init()
{
    m_app = std::make_unique<TempAppDir>();
    m_platform = std::make_unique<RecordingPlatform>();
    m_app->makeDir(u"res/Fonc"_s);
    functions::setPickedFunction({});
}

void CCalculsTest::cleanup()
{
    const QStringList left = test::closeAllWindows();
    m_window = nullptr;
    m_platform.reset();
    m_app.reset();
    QCOMPARE(left, QStringList());
}

c_calculs *CCalculsTest::open()
{
    m_window = SingleInstance<c_calculs>::get();
    return m_window;
}

void CCalculsTest::showActive()
{
    open();
    SingleInstance<c_calculs>::show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void CCalculsTest::writeFunctions(const QList<FunctionFileContent> &functions)
{
    for (qsizetype i = 0; i < functions.size(); ++i)
        writeFunctionFile(*m_app, u"f%1.zvfc"_s.arg(i, 2, 10, QChar(u'0')), functions[i]);
}

template<class T>
T *CCalculsTest::control(const QString &name) const
{
    T *found = m_window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void CCalculsTest::pick(int index)
{
    control<QComboBox>(u"cmbFonction"_s)->setCurrentIndex(index);
    m_window->cmbFonction_Click();
}

void CCalculsTest::type(const QStringList &inputs)
{
    for (int k = 1; k <= 6; ++k)
        control<QLineEdit>(u"txtDonnees"_s + QString::number(k))
            ->setText(k <= inputs.size() ? inputs[k - 1] : u"0"_s);
}

// Nothing shown, and nothing for the result box's menu to copy or look up.
void CCalculsTest::checkNoResult()
{
    QVERIFY(control<QLineEdit>(u"txtResultat"_s)->text().isEmpty());
    QVERIFY(control<QLabel>(u"lblResultatUnite"_s)->text().isEmpty());
    QVERIFY(control<QLineEdit>(u"txtResultat"_s)->accessibleDescription().isEmpty());
    QMenu *menu = openContextMenu(control<QLineEdit>(u"txtResultat"_s));
    QVERIFY(menu);
    const QAction *copy = menu->findChild<QAction *>(u"CopierResultat"_s);
    QVERIFY(copy && !copy->isEnabled());
    menu->close();
}

void CCalculsTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");

    const QString window = u"c_calculs"_s;
    QTest::newRow("Frame1") << u"Frame1"_s << window << u"> Fonction"_s;
    QTest::newRow("cmbFonction") << u"cmbFonction"_s << u"Frame1"_s << u"0 Fonctions trouvées"_s;
    QTest::newRow("Frame2") << u"Frame2"_s << window << u"> Données"_s;
    QTest::newRow("Label1(2)") << u"Label1_2"_s << u"Frame2"_s << u"1)"_s;
    QTest::newRow("Label1(3)") << u"Label1_3"_s << u"Frame2"_s << u"2)"_s;
    QTest::newRow("Label1(4)") << u"Label1_4"_s << u"Frame2"_s << u"3)"_s;
    QTest::newRow("Label1(1)") << u"Label1_1"_s << u"Frame2"_s << u"4)"_s;
    QTest::newRow("Label1(0)") << u"Label1_0"_s << u"Frame2"_s << u"5)"_s;
    QTest::newRow("Label1(5)") << u"Label1_5"_s << u"Frame2"_s << u"6)"_s;
    QTest::newRow("txtDonnees(1)") << u"txtDonnees1"_s << u"Frame2"_s << u"0"_s;
    QTest::newRow("txtDonnees(2)") << u"txtDonnees2"_s << u"Frame2"_s << u"0"_s;
    QTest::newRow("txtDonnees(3)") << u"txtDonnees3"_s << u"Frame2"_s << u"0"_s;
    QTest::newRow("txtDonnees(4)") << u"txtDonnees4"_s << u"Frame2"_s << u"0"_s;
    QTest::newRow("txtDonnees(5)") << u"txtDonnees5"_s << u"Frame2"_s << u"0"_s;
    QTest::newRow("txtDonnees(6)") << u"txtDonnees6"_s << u"Frame2"_s << u"0"_s;
    QTest::newRow("Frame3") << u"Frame3"_s << window << u"< Légende des Données"_s;
    QTest::newRow("lstLegende") << u"lstLegende"_s << u"Frame3"_s << u""_s;
    QTest::newRow("Frame4") << u"Frame4"_s << window
                            << u"< Description et informations sur la fonction"_s;
    QTest::newRow("txtDesc") << u"txtDesc"_s << u"Frame4"_s << u""_s;
    QTest::newRow("Frame5") << u"Frame5"_s << window << u"> Options"_s;
    QTest::newRow("Command1") << u"Command1"_s << u"Frame5"_s << u"&Calculer"_s;
    QTest::newRow("Command2") << u"Command2"_s << u"Frame5"_s << u"Efface&r"_s;
    QTest::newRow("Command3") << u"Command3"_s << u"Frame5"_s << u"+"_s;
    QTest::newRow("Label2") << u"Label2"_s << u"Frame5"_s << u"Résultat"_s;
    QTest::newRow("txtResultat") << u"txtResultat"_s << u"Frame5"_s << u""_s;
}

void CCalculsTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    open();
    QCOMPARE(m_window->windowTitle(), u"Calculs"_s);
    QCOMPARE(m_window->size(), twipsSize(5535, 7305));
    const auto *widget = control<QWidget>(name);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(captionOf(widget), caption);
}

void CCalculsTest::captionsFit()
{
    open();
    QCOMPARE(captionsThatDoNotFit(m_window), QStringList());
}

void CCalculsTest::keyboardOrder()
{
    open();
    const QStringList expected{u"cmbFonction"_s,
                               u"txtDonnees1"_s,
                               u"txtDonnees2"_s,
                               u"txtDonnees3"_s,
                               u"txtDonnees4"_s,
                               u"txtDonnees5"_s,
                               u"txtDonnees6"_s,
                               u"Command1"_s,
                               u"Command2"_s,
                               u"Command3"_s,
                               u"lstLegende"_s,
                               u"txtDesc"_s,
                               u"txtResultat"_s};
    QCOMPARE(focusOrder(m_window, expected), expected);
}

void CCalculsTest::comboTakesNoTypedItems()
{
    writeFunctions({{.name = u"B"_s}, {.name = u"A"_s}});
    open();
    auto *combo = control<QComboBox>(u"cmbFonction"_s);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    // Items stay in file order, not in the order of their texts.
    QCOMPARE(combo->itemText(0), u"B"_s);
    QTest::keyClicks(combo->lineEdit(), u"Nouvelle"_s);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->count(), 2);
    QVERIFY(legendLines(control<QListWidget>(u"lstLegende"_s)).isEmpty());
}

void CCalculsTest::countText_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty folder") << 0 << u"0 Fonctions trouvées"_s;
    QTest::newRow("one file") << 1 << u"1 Fonctions trouvées"_s;
    QTest::newRow("twelve files") << 12 << u"12 Fonctions trouvées"_s;
}

void CCalculsTest::countText()
{
    QFETCH(int, files);
    QFETCH(QString, expected);
    QList<FunctionFileContent> functions;
    for (int i = 0; i < files; ++i)
        functions.append({.name = u"Fonction %1"_s.arg(i)});
    writeFunctions(functions);
    open();
    auto *combo = control<QComboBox>(u"cmbFonction"_s);
    QCOMPARE(combo->currentText(), expected);
    QCOMPARE(combo->count(), files);
    QVERIFY(m_platform->messages.isEmpty());
}

void CCalculsTest::opensWithNothingPicked()
{
    writeFunctions({{.name = u"Loi d'Ohm"_s, .formula = u"d1*d2"_s}});
    open();
    QCOMPARE(control<QComboBox>(u"cmbFonction"_s)->currentIndex(), -1);
    QCOMPARE(m_window->selectedFunction(), -1);
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(control<QLineEdit>(u"txtDonnees"_s + QString::number(k))->text(), u"0"_s);
    QCOMPARE(control<QListWidget>(u"lstLegende"_s)->count(), 0);
    QVERIFY(control<QPlainTextEdit>(u"txtDesc"_s)->toPlainText().isEmpty());
    QVERIFY(control<QLineEdit>(u"txtResultat"_s)->text().isEmpty());
    QVERIFY(donnees::CurrentFormula.isEmpty());
}

void CCalculsTest::missingFolderIsTold()
{
    QDir(m_app->filePath(u"res/Fonc"_s)).removeRecursively();
    open();
    QCOMPARE(control<QComboBox>(u"cmbFonction"_s)->currentText(), u"0 Fonctions trouvées"_s);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, u"ZORV"_s);
    QVERIFY2(m_platform->messages[0].text.contains(QDir::toNativeSeparators(donnees::FunctionDir)),
             qPrintable(m_platform->messages[0].text));
    QVERIFY(m_platform->messages[0].text.contains(u"introuvable"_s));
}

void CCalculsTest::filesPastTheSlotsAreTold()
{
    const int files = donnees::FunctionSlots + 3;
    for (int i = 0; i < files; ++i)
        m_app->writeFile(u"res/Fonc/%1.zvfc"_s.arg(i, 4, 10, QChar(u'0')),
                         "[GeneralInfo]\r\nNomFonc=F" + QByteArray::number(i) + "\r\n");
    open();
    auto *combo = control<QComboBox>(u"cmbFonction"_s);
    QCOMPARE(combo->count(), donnees::FunctionSlots);
    QCOMPARE(combo->itemText(donnees::FunctionSlots - 1), u"F999"_s);
    QCOMPARE(combo->currentText(), u"1000 Fonctions trouvées"_s);
    QCOMPARE(m_platform->messages.size(), 1);
    const QString &text = m_platform->messages[0].text;
    QVERIFY2(text.contains(u"1003 fichiers"_s) && text.contains(u"1000 premiers"_s)
                 && text.contains(u"3 fichiers sont laissés de côté"_s),
             qPrintable(text));
}

void CCalculsTest::pickLoadsLegendDescriptionAndFormula()
{
    writeFunctions({{.name = u"Loi d'Ohm"_s,
                     .formula = u"d1*d2"_s,
                     .legends = {u"Résistance R (kOhm)"_s, u"Courant I (mA)"_s},
                     .description = u"U = R × I"_s},
                    {.name = u"Autre"_s, .formula = u"d1"_s}});
    open();
    pick(0);
    QCOMPARE(legendLines(control<QListWidget>(u"lstLegende"_s)),
             (QStringList{u"Résistance R (kOhm)"_s,
                          u"Courant I (mA)"_s,
                          u"(Vide)"_s,
                          u"(Vide)"_s,
                          u"(Vide)"_s,
                          u"(Vide)"_s}));
    QCOMPARE(control<QPlainTextEdit>(u"txtDesc"_s)->toPlainText(), u"U = R × I"_s);
    QCOMPARE(donnees::CurrentFormula, u"d1*d2"_s);
    QCOMPARE(control<QComboBox>(u"cmbFonction"_s)->currentText(), u"Loi d'Ohm"_s);
}

void CCalculsTest::pickFillsThePickedFunctionOnce()
{
    writeFunctions({{.name = u"Filtre RC"_s,
                     .formula = u"1/(2*PI*d1*d2)"_s,
                     .legends = {u"R (ohm)"_s, u"C (F)"_s},
                     .description = u"Fréquence de coupure"_s,
                     .units = {u"d1=ohm"_s, u"d2= nF "_s, u"Resultat=Hz"_s}}});
    open();
    pick(0);
    const functions::PickedFunction picked = functions::pickedFunction();
    QCOMPARE(picked.name, u"Filtre RC"_s);
    QCOMPARE(picked.file, donnees::FunctionFileNames[0]);
    QCOMPARE(picked.formula, donnees::CurrentFormula);
    QCOMPARE(picked.legends[1], u"C (F)"_s);
    QCOMPARE(picked.units.inputs, (std::array<QString, 6>{u"ohm"_s, u"nF"_s, {}, {}, {}, {}}));
    QCOMPARE(picked.units.result, u"Hz"_s);
}

void CCalculsTest::editedFileIsReadAgainBeforeComputing_data()
{
    QTest::addColumn<FunctionFileContent>("edited");
    QTest::addColumn<bool>("told");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("result"); // of the "Calculer" after the message, if any

    const FunctionFileContent before{.name = u"F"_s, .formula = u"d1*2"_s, .legends = {u"x"_s}};
    QTest::newRow("written again, same content") << before << false << u"x"_s << u"6"_s;
    FunctionFileContent formula = before;
    formula.formula = u"d1*10"_s;
    QTest::newRow("formula changed") << formula << true << u"x"_s << u"30"_s;
    FunctionFileContent legend = before;
    legend.legends = {u"x (mA)"_s};
    QTest::newRow("legend changed") << legend << true << u"x (mA)"_s << u"6"_s;
    FunctionFileContent unit = before;
    unit.units = {u"d1=V"_s};
    QTest::newRow("unit declared") << unit << true << u"x"_s << u"6"_s;
}

void CCalculsTest::editedFileIsReadAgainBeforeComputing()
{
    QFETCH(FunctionFileContent, edited);
    QFETCH(bool, told);
    QFETCH(QString, legend);
    QFETCH(QString, result);
    writeFunctions({{.name = u"F"_s, .formula = u"d1*2"_s, .legends = {u"x"_s}}});
    open();
    pick(0);
    type({u"3"_s});
    m_window->Command1_Click();
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), u"6"_s);

    writeFunctions({edited});
    m_window->Command1_Click();
    QCOMPARE(m_platform->messages.size(), told ? 1 : 0);
    if (told) {
        QVERIFY(control<QLineEdit>(u"txtResultat"_s)->text().isEmpty());
        QVERIFY2(m_platform->messages[0].text.contains(u"« F » a changé"_s),
                 qPrintable(m_platform->messages[0].text));
        m_window->Command1_Click();
        QCOMPARE(m_platform->messages.size(), 1);
    }
    QCOMPARE(control<QListWidget>(u"lstLegende"_s)->item(0)->text(), legend);
    QCOMPARE(donnees::CurrentFormula, edited.formula);
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), result);
}

void CCalculsTest::secondItemWithTheSameNameReadsTheSecondFile()
{
    writeFunctions({{.name = u"Même nom"_s, .formula = u"d1+1"_s, .description = u"premier"_s},
                    {.name = u"Même nom"_s, .formula = u"d1+2"_s, .description = u"second"_s}});
    open();
    auto *combo = control<QComboBox>(u"cmbFonction"_s);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), u"Même nom"_s);
    pick(1);
    QCOMPARE(control<QPlainTextEdit>(u"txtDesc"_s)->toPlainText(), u"second"_s);
    QCOMPARE(donnees::CurrentFormula, u"d1+2"_s);
}

void CCalculsTest::longDescriptionIsCut()
{
    const QString description = u"Ligne très longue "_s.repeated(17) + u"à la fin"_s;
    QVERIFY(description.size() > 254);
    writeFunctions({{.name = u"Longue"_s, .formula = u"d1"_s, .description = description}});
    open();
    pick(0);
    QCOMPARE(control<QPlainTextEdit>(u"txtDesc"_s)->toPlainText(), description.left(254));
}

void CCalculsTest::pickReadsTheFileAnew()
{
    writeFunctions({{.name = u"F"_s, .formula = u"d1"_s, .description = u"avant"_s}});
    open();
    pick(0);
    writeFunctions({{.name = u"F"_s, .formula = u"d1*2"_s, .description = u"après"_s}});
    pick(0);
    QCOMPARE(control<QPlainTextEdit>(u"txtDesc"_s)->toPlainText(), u"après"_s);
    QCOMPARE(donnees::CurrentFormula, u"d1*2"_s);
}

void CCalculsTest::arrowKeysPick()
{
    writeFunctions({{.name = u"Premier"_s, .formula = u"d1+1"_s},
                    {.name = u"Second"_s, .formula = u"d1+2"_s}});
    open();
    auto *combo = control<QComboBox>(u"cmbFonction"_s);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(donnees::CurrentFormula, u"d1+1"_s);
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(donnees::CurrentFormula, u"d1+2"_s);
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(donnees::CurrentFormula, u"d1+1"_s);
}

void CCalculsTest::mouseClickPicks()
{
    writeFunctions({{.name = u"Premier"_s, .formula = u"d1+1"_s},
                    {.name = u"Second"_s, .formula = u"d1+2"_s}});
    SingleInstance<c_calculs>::show();
    open();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *combo = control<QComboBox>(u"cmbFonction"_s);
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QRect item = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_COMPARE(donnees::CurrentFormula, u"d1+2"_s);
    QCOMPARE(combo->currentText(), u"Second"_s);
}

void CCalculsTest::pickWithNothingSelectedDoesNothing()
{
    writeFunctions({{.name = u"F"_s, .formula = u"d1"_s, .description = u"texte"_s}});
    donnees::CurrentFormula = u"d1+5"_s;
    open();
    m_window->cmbFonction_Click();
    m_window->cmbFonction_Scroll();
    QCOMPARE(control<QListWidget>(u"lstLegende"_s)->count(), 0);
    QVERIFY(control<QPlainTextEdit>(u"txtDesc"_s)->toPlainText().isEmpty());
    QCOMPARE(donnees::CurrentFormula, u"d1+5"_s);
    QVERIFY(m_platform->messages.isEmpty());
}

void CCalculsTest::scrollingTheListReloadsThePick()
{
    QList<FunctionFileContent> functions;
    for (int i = 0; i < 40; ++i)
        functions.append({.name = u"Fonction %1"_s.arg(i), .formula = u"d1"_s});
    writeFunctions(functions);
    open();
    pick(0);
    writeFunctions({{.name = u"Fonction 0"_s, .formula = u"d1*3"_s}});
    auto *combo = control<QComboBox>(u"cmbFonction"_s);
    QScrollBar *scrollBar = combo->view()->verticalScrollBar();
    combo->showPopup();
    QTRY_VERIFY(scrollBar->maximum() > 0);
    scrollBar->setValue(scrollBar->maximum());
    combo->hidePopup();
    QCOMPARE(donnees::CurrentFormula, u"d1*3"_s);
    QCOMPARE(combo->currentIndex(), 0);
}

void CCalculsTest::results_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("product of two inputs") << u"d1*d2"_s << QStringList{u"3"_s, u"4"_s} << u"12"_s;
    QTest::newRow("a sum typed in a box counts as one value")
        << u"d1*d2"_s << QStringList{u"1+2"_s, u"3"_s} << u"9"_s;
    QTest::newRow("a later placeholder typed in box 1")
        << u"d1"_s << QStringList{u"d2"_s, u"5"_s} << u"5"_s;
    QTest::newRow("d1d1 multiplies the value by itself")
        << u"2d1d1"_s << QStringList{u"3"_s} << u"18"_s;
    QTest::newRow("decimal comma typed") << u"d1*d2"_s << QStringList{u"1,5"_s, u"2"_s} << u"3"_s;
    QTest::newRow("one half in French") << u"d1/d2"_s << QStringList{u"1"_s, u"2"_s} << u"0,5"_s;
    QTest::newRow("ten to the power 20")
        << u"d1"_s << QStringList{u"100000000000000000000"_s} << u"1E+20"_s;
    QTest::newRow("one hundred-thousandth") << u"d1"_s << QStringList{u"0,00001"_s} << u"1E-05"_s;
    QTest::newRow("negative result") << u"d1-d2"_s << QStringList{u"2"_s, u"2,5"_s} << u"-0,5"_s;
    QTest::newRow("charge of a capacitor with a typed exponent")
        << u"d1*d2"_s << QStringList{u"1E-6"_s, u"12"_s} << u"1,2E-05"_s;
}

void CCalculsTest::results()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, inputs);
    QFETCH(QString, expected);
    writeFunctions({{.name = u"F"_s, .formula = formula}});
    open();
    pick(0);
    type(inputs);
    m_window->Command1_Click();
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), expected);
    QVERIFY(m_platform->messages.isEmpty());
}

void CCalculsTest::unitsAreReadAndShown_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("readings"); // under boxes 1 and 2
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("engineering");

    const QString exact = u"338,627538493394"_s;
    QTest::newRow("units typed") << QStringList{u"4,7 kΩ"_s, u"100 nF"_s}
                                 << QStringList{u"4700 Ω"_s, u"1E-07 F"_s} << exact
                                 << u"338,6 Hz"_s;
    QTest::newRow("bare numbers need no telling")
        << QStringList{u"4700"_s, u"1E-7"_s} << QStringList{QString(), QString()} << exact
        << u"338,6 Hz"_s;
    QTest::newRow("an expression is told")
        << QStringList{u"(4000+700)"_s, u"1E-7 F"_s} << QStringList{u"4700 Ω"_s, u"1E-07 F"_s}
        << exact << u"338,6 Hz"_s;
    QTest::newRow("another unit is refused")
        << QStringList{u"4,7 kΩ"_s, u"100 mH"_s} << QStringList{u"4700 Ω"_s, u"illisible"_s}
        << QString() << QString();
}

void CCalculsTest::unitsAreReadAndShown()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, readings);
    QFETCH(QString, result);
    QFETCH(QString, engineering);
    writeFunctions({{.name = u"RC"_s,
                     .formula = u"1/(2*PI*d1*d2)"_s,
                     .units = {u"d1=ohm"_s, u"d2=F"_s, u"Resultat=Hz"_s}}});
    open();
    pick(0);
    type(typed);
    for (int k = 1; k <= 2; ++k) {
        QCOMPARE(control<QLabel>(u"lblLecture%1"_s.arg(k))->text(), readings[k - 1]);
        const QString heard = control<QLineEdit>(u"txtDonnees%1"_s.arg(k))->accessibleDescription();
        QCOMPARE(heard.isEmpty(), readings[k - 1].isEmpty());
    }
    m_window->Command1_Click();
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), result);
    QCOMPARE(control<QLabel>(u"lblResultatUnite"_s)->text(), engineering);
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->accessibleDescription(),
             engineering.isEmpty() ? QString() : u"Soit "_s + engineering);
    if (result.isEmpty()) {
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].text,
                 u"La donnée 2) « 100 mH » : unité « H » au lieu de « F »."_s);
        return;
    }

    auto *resultBox = control<QLineEdit>(u"txtResultat"_s);
    QContextMenuEvent event(QContextMenuEvent::Mouse,
                            QPoint(5, 5),
                            resultBox->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(resultBox, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    auto *withUnit = menu->findChild<QAction *>(u"CopierAvecUnite"_s);
    QVERIFY(withUnit);
    withUnit->trigger();
    menu->close();
    QCOMPARE(m_platform->clipboard, engineering);
}

void CCalculsTest::calculerBeforeAnyPickShowsZero()
{
    writeFunctions({{.name = u"F"_s, .formula = u"d1+7"_s}});
    open();
    m_window->Command1_Click();
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), u"0"_s);
}

void CCalculsTest::failureEmptiesTheResultAndTellsWhy_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::newRow("division by zero")
        << u"d1/d2"_s << QStringList{u"6"_s, u"0"_s}
        << u"Impossible de calculer « F » : division par zéro."_s << u"Command1"_s;
    QTest::newRow("unclosed parenthesis in box 1")
        << u"d1/d2"_s << QStringList{u"(6"_s, u"1"_s}
        << u"La donnée 1) « (6 » : parenthèse non fermée."_s << u"txtDonnees1"_s;
    QTest::newRow("empty box 2") << u"d1/d2"_s << QStringList{u"6"_s, u""_s}
                                 << u"La donnée 2) est vide."_s << u"txtDonnees2"_s;
    QTest::newRow("unknown character in box 2")
        << u"d1/d2"_s << QStringList{u"6"_s, u"4#7"_s}
        << u"La donnée 2) « 4#7 » : caractère inconnu « # »."_s << u"txtDonnees2"_s;
    QTest::newRow("code in a box without a declared unit")
        << u"d1/d2"_s << QStringList{u"6"_s, u"4k7"_s}
        << u"La donnée 2) « 4k7 » : la fonction ne déclare pas l'unité de cette donnée."_s
        << u"txtDonnees2"_s;
    QTest::newRow("missing formula")
        << QString() << QStringList{u"6"_s}
        << u"La fonction « F » n'a pas de formule : son fichier ne contient pas la clé « Fnc » "
           u"de la section « Calc »."_s
        << u"Command1"_s;
    // Its first 254 characters would give 5 with 5 in box 1, where the formula gives 1005.
    QTest::newRow("formula past what the file gives back")
        << u"d1"_s + QString(u"+0"_s).repeated(146) + u"+1000"_s << QStringList{u"5"_s}
        << u"La formule de « F » dépasse 254 caractères."_s << u"Command1"_s;
}

void CCalculsTest::failureEmptiesTheResultAndTellsWhy()
{
    QFETCH(QString, formula);
    QFETCH(QStringList, failing);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    writeFunctions({{.name = u"F"_s, .formula = u"d1/d2"_s}});
    open();
    pick(0);
    type({u"6"_s, u"1"_s});
    m_window->Command1_Click();
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), u"6"_s);
    writeFunctions({{.name = u"F"_s, .formula = formula}});
    pick(0);
    type(failing);
    control<QPushButton>(u"Command1"_s)->setFocus();
    m_window->Command1_Click();
    QVERIFY(control<QLineEdit>(u"txtResultat"_s)->text().isEmpty());
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, u"ZORV"_s);
    QCOMPARE(m_platform->messages[0].text, message);
    QCOMPARE(m_window->focusWidget()->objectName(), focused);
    QCOMPARE(control<QLineEdit>(u"txtDonnees1"_s)->text(), failing[0]);
}

void CCalculsTest::enterInAnInputBoxComputes()
{
    writeFunctions({{.name = u"F"_s, .formula = u"d1+d2"_s}});
    showActive();
    pick(0);
    type({u"2"_s, u"5"_s});
    QTest::keyClick(control<QLineEdit>(u"txtDonnees2"_s), Qt::Key_Return);
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), u"7"_s);
    type({u"1"_s, u"1"_s});
    QTest::keyClick(control<QLineEdit>(u"txtDonnees6"_s), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), u"2"_s);
}

void CCalculsTest::effacerEmptiesTheBoxesAndTheResult()
{
    writeFunctions(
        {{.name = u"F"_s, .formula = u"d1+d2"_s, .description = u"D"_s, .units = {u"Resultat=V"_s}}});
    open();
    pick(0);
    type({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s});
    m_window->Command1_Click();
    QVERIFY(!control<QLabel>(u"lblResultatUnite"_s)->text().isEmpty());
    QTest::mouseClick(control<QPushButton>(u"Command2"_s), Qt::LeftButton);
    for (int k = 1; k <= 6; ++k) {
        const auto *box = control<QLineEdit>(u"txtDonnees"_s + QString::number(k));
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QCOMPARE(control<QComboBox>(u"cmbFonction"_s)->currentIndex(), 0);
    QCOMPARE(control<QListWidget>(u"lstLegende"_s)->count(), 6);
    QCOMPARE(control<QPlainTextEdit>(u"txtDesc"_s)->toPlainText(), u"D"_s);
    checkNoResult(); // it belonged to the values just cleared
}

void CCalculsTest::pickKeepsTypedValuesEmptiesTheResult()
{
    writeFunctions({{.name = u"A"_s, .formula = u"d1+d2"_s, .units = {u"Resultat=V"_s}},
                    {.name = u"B"_s, .formula = u"d1*d2"_s}});
    open();
    pick(0);
    type({u"2"_s, u"5"_s});
    m_window->Command1_Click();
    QVERIFY(!control<QLabel>(u"lblResultatUnite"_s)->text().isEmpty());
    pick(1);
    QCOMPARE(control<QLineEdit>(u"txtDonnees1"_s)->text(), u"2"_s);
    QCOMPARE(control<QLineEdit>(u"txtDonnees2"_s)->text(), u"5"_s);
    checkNoResult(); // it belonged to the other function
    m_window->Command1_Click();
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), u"10"_s);
}

void CCalculsTest::formulaSurvivesReopening()
{
    writeFunctions({{.name = u"F"_s, .formula = u"d1+d2+7"_s}});
    open();
    pick(0);
    type({u"1"_s, u"1"_s});
    SingleInstance<c_calculs>::close();
    QVERIFY(!SingleInstance<c_calculs>::find());
    open();
    QCOMPARE(control<QComboBox>(u"cmbFonction"_s)->currentIndex(), -1);
    m_window->Command1_Click();
    QCOMPARE(control<QLineEdit>(u"txtResultat"_s)->text(), u"7"_s);
}

void CCalculsTest::plusShowsTheInformationWindow()
{
    writeFunctions({{.name = u"F"_s, .formula = u"d1"_s}});
    open();
    pick(0);
    QTest::mouseClick(control<QPushButton>(u"Command3"_s), Qt::LeftButton);
    e_more *information = SingleInstance<e_more>::find();
    QVERIFY(information);
    QVERIFY(information->isVisible());
    QVERIFY(!information->isModal());
}

QTEST_MAIN(CCalculsTest)
#include "test_c_calculs.moc"
