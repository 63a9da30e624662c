#include "functions/function_test_files.h"
#include "journal/core/journal.h"
#include "journal/core/journal_csv.h"
#include "journal/windows/c_journal.h"
#include "journal/windows/journal_problems.h"
#include "platform/program_font.h"
#include "platform/window_openers.h"
#include "shell/shell_test_support.h"
#include "shell/windows/result_links.h"
#include "values/windows/v_normalisees.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace zorv;
using namespace zorv::test;

namespace {

const QString RcName = u"Fréquence de coupure d'un filtre RC"_s;
const QString RcLine = RcName + u" : R (kOhm) = 10, C (nF) = 22 → 723,431559508615"_s;

// Opens the box's context menu as a right click does, and returns it (open, not modal).
QMenu *openContextMenu(QWidget *box)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

QAction *item(QMenu *menu, const QString &name)
{
    QAction *action = menu->findChild<QAction *>(name);
    if (!action)
        qFatal("no menu item %s", qPrintable(name));
    return action;
}

QStringList itemTexts(const QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    return texts;
}

} // namespace

class JournalWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void calculatorRecordsResultsAndRefusals();
    void journalProblemsShowAfterTheResult();
    void upAndDownGoThroughTheExpressions_data();
    void upAndDownGoThroughTheExpressions();
    void resultBoxMenus_data();
    void resultBoxMenus();
    void ctrlJOpensTheJournal_data();
    void ctrlJOpensTheJournal();
    void lineActions();
    void resultUnitReachesTheStandardValues();
    void computeAgain();
    void filterDeleteClearAndExport();
    void captionsFit();

private:
    c_calculs *calculatorWithRc();
    c_journal *journalWindow();
    void selectRow(int row);
    QLineEdit *box(QWidget *window, const QString &name) const;

    std::unique_ptr<ShellScope> m_shell;
    std::unique_ptr<ProgramResultLinks> m_links;
    std::unique_ptr<journal::Journal> m_journal;
    std::unique_ptr<journal::JournalScope> m_journalScope;
};

void JournalWindowsTest::initTestCase()
{
    installProgramFont();
}

void JournalWindowsTest::init()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    m_shell = std::make_unique<ShellScope>();
    m_links = std::make_unique<ProgramResultLinks>();
    setStandardValuesOpener(&v_normalisees::open);
    m_journal = std::make_unique<journal::Journal>(journal::journalFilePath());
    m_journalScope = std::make_unique<journal::JournalScope>(*m_journal);
    writeFunctionFile(m_shell->folder,
                      u"rc.zvfc"_s,
                      {.name = RcName,
                       .formula = u"1000000/(2*PI*d1*d2)"_s,
                       .legends = {u"R (kOhm)"_s, u"C (nF)"_s}});
    writeFunctionFile(m_shell->folder,
                      u"s.zvfc"_s,
                      {.name = u"Somme"_s, .formula = u"d1+d3"_s, .legends = {u"a"_s}});
}

void JournalWindowsTest::cleanup()
{
    SingleInstance<c_journal>::close();
    SingleInstance<v_normalisees>::close();
    setStandardValuesOpener(nullptr);
    m_shell.reset();
    m_journalScope.reset();
    m_journal.reset();
    m_links.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QLineEdit *JournalWindowsTest::box(QWidget *window, const QString &name) const
{
    QLineEdit *found = window->findChild<QLineEdit *>(name);
    if (!found)
        qFatal("no box %s", qPrintable(name));
    return found;
}

c_calculs *JournalWindowsTest::calculatorWithRc()
{
    c_calculs *calculator = SingleInstance<c_calculs>::show();
    calculator->pickFunctionFile(u"rc.zvfc"_s);
    box(calculator, u"txtDonnees1"_s)->setText(u"10"_s);
    box(calculator, u"txtDonnees2"_s)->setText(u"22"_s);
    return calculator;
}

c_journal *JournalWindowsTest::journalWindow()
{
    return SingleInstance<c_journal>::show();
}

void JournalWindowsTest::selectRow(int row)
{
    auto *view = SingleInstance<c_journal>::find()->findChild<QTreeView *>(u"lstJournal"_s);
    view->setCurrentIndex(view->model()->index(row, 0));
}

void JournalWindowsTest::calculatorRecordsResultsAndRefusals()
{
    c_calculs *calculator = calculatorWithRc();
    calculator->Command1_Click();
    box(calculator, u"txtDonnees2"_s)->setText(u"2)"_s);
    calculator->Command1_Click();

    const QList<journal::Entry> &entries = m_journal->entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(journal::lineText(entries[0]), RcLine);
    QCOMPARE(entries[0].functionFile, u"rc.zvfc"_s);
    QVERIFY(entries[1].refused());
    QCOMPARE(entries[1].reason, m_shell->platform.messages.last().text);
    QCOMPARE(journal::parseFile(readFile(m_journal->filePath())).entries, entries);
    // Beside the settings file.
    QCOMPARE(QFileInfo(m_journal->filePath()).dir(), QFileInfo(settings::settingsFilePath()).dir());
}

void JournalWindowsTest::journalProblemsShowAfterTheResult()
{
    journal::showProblemsOf(*m_journal);
    const QString folder = QFileInfo(m_journal->filePath()).absolutePath();
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    c_calculs *calculator = calculatorWithRc();
    calculator->Command1_Click();
    QVERIFY(m_shell->platform.messages.isEmpty()); // the result first
    QTRY_COMPARE(m_shell->platform.messages.size(), 1);
    const MessageRecord &told = m_shell->platform.messages[0];
    QVERIFY2(told.text.contains(u"ne peut pas être enregistré"_s), qPrintable(told.text));
    QCOMPARE(told.buttons, MessageButtons::Ok);
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(m_journal->entries().size(), 1);
}

void JournalWindowsTest::upAndDownGoThroughTheExpressions_data()
{
    QTest::addColumn<QString>("keys"); // U: Up, D: Down
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing pressed") << QString() << u"en cours"_s;
    QTest::newRow("Up: the newest") << u"U"_s << u"2*3"_s;
    QTest::newRow("Up Up: the one before, a repeat passed over") << u"UU"_s << u"1+1"_s;
    QTest::newRow("Up past the oldest stays") << u"UUUU"_s << u"1+1"_s;
    QTest::newRow("Up Up Down: back to the newest") << u"UUD"_s << u"2*3"_s;
    QTest::newRow("Down past the newest: the text typed") << u"UUDD"_s << u"en cours"_s;
    QTest::newRow("Down alone changes nothing") << u"D"_s << u"en cours"_s;
}

void JournalWindowsTest::upAndDownGoThroughTheExpressions()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    m_shell->platform.cancelNextInput();
    q_resolution *window = SingleInstance<q_resolution>::show();
    QLineEdit *text = box(window, u"Text1"_s);
    for (const QString &expression : {u"1+1"_s, u"2*3"_s, u"2*3"_s}) {
        text->setText(expression);
        window->Command1_Click();
    }
    // The calculator's entries are not the engine's.
    calculatorWithRc()->Command1_Click();
    text->setText(u"en cours"_s);
    for (const QChar key : keys)
        QTest::keyClick(text, key == u'U' ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(text->text(), shown);
}

void JournalWindowsTest::resultBoxMenus_data()
{
    QTest::addColumn<bool>("engine");
    QTest::addColumn<QString>("copied");
    QTest::newRow("calculator's result box") << false << u"723,431559508615"_s;
    QTest::newRow("equation window's text box") << true << u"7,5"_s;
}

void JournalWindowsTest::resultBoxMenus()
{
    QFETCH(bool, engine);
    QFETCH(QString, copied);
    QWidget *window = engine ? static_cast<QWidget *>(SingleInstance<q_resolution>::show())
                             : calculatorWithRc();
    QLineEdit *resultBox = box(window, engine ? u"Text1"_s : u"txtResultat"_s);

    QMenu *menu = openContextMenu(resultBox);
    QVERIFY(menu);
    QVERIFY(!item(menu, u"CopierResultat"_s)->isEnabled()); // nothing computed yet
    menu->close();

    if (engine) {
        resultBox->setText(u"15/2"_s);
        SingleInstance<q_resolution>::find()->Command1_Click();
    } else {
        SingleInstance<c_calculs>::find()->Command1_Click();
    }
    menu = openContextMenu(resultBox);
    QVERIFY(menu);
    // Qt's own items first (copy, select all…), then ours.
    const std::unique_ptr<QMenu> qtItems(resultBox->createStandardContextMenu());
    const QStringList ours{u"Copier le &résultat"_s,
                           u"&Journal des calculs"_s,
                           u"Valeurs &normalisées"_s};
    QCOMPARE(itemTexts(menu), itemTexts(qtItems.get()) + ours);
    item(menu, u"CopierResultat"_s)->trigger();
    QCOMPARE(m_shell->platform.clipboard, copied);
    item(menu, u"ValeursNormalisees"_s)->trigger();
    v_normalisees *standard = SingleInstance<v_normalisees>::find();
    QVERIFY(standard && standard->isVisible());
    QCOMPARE(standard->txtValeur->text(), copied);
    item(menu, u"JournalDesCalculs"_s)->trigger();
    menu->close();
    c_journal *journal = SingleInstance<c_journal>::find();
    QVERIFY(journal && journal->isVisible());
    QVERIFY(frameSubWindowOf(journal));
    QCOMPARE(journal->windowTitle(), u"Journal des calculs"_s);
}

void JournalWindowsTest::ctrlJOpensTheJournal_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("menu") << u"b_menu"_s;
    QTest::newRow("calculator, in the frame") << u"c_calculs"_s;
    QTest::newRow("equation window") << u"q_resolution"_s;
}

void JournalWindowsTest::ctrlJOpensTheJournal()
{
    QFETCH(QString, window);
    showActive<b_menu>();
    QWidget *focus = nullptr;
    if (window == u"c_calculs") {
        c_calculs *calculator = SingleInstance<c_calculs>::show();
        QVERIFY(QTest::qWaitForWindowActive(calculator->window()));
        focus = box(calculator, u"txtDonnees1"_s);
    } else if (window == u"q_resolution") {
        focus = box(showActive<q_resolution>(), u"Text1"_s);
    } else {
        focus = SingleInstance<b_menu>::find()->Command1;
    }
    focus->setFocus();
    QVERIFY(!SingleInstance<c_journal>::find());
    QTest::keyClick(focus, Qt::Key_J, Qt::ControlModifier);
    QVERIFY(SingleInstance<c_journal>::find());
    QVERIFY(SingleInstance<c_journal>::find()->isVisible());
}

void JournalWindowsTest::lineActions()
{
    calculatorWithRc()->Command1_Click();
    journal::Entry engine = journal::engineEntry(u"2(3+4)"_s);
    engine.setResult(14);
    m_journal->append(engine);
    c_journal *window = journalWindow();
    auto *view = window->findChild<QTreeView *>(u"lstJournal"_s);
    QCOMPARE(view->model()->rowCount(), 2);
    QCOMPARE(view->model()->index(0, 1).data().toString(), u"Moteur d'équations : 2(3+4) → 14"_s);
    QCOMPARE(view->model()->index(1, 1).data().toString(), RcLine);

    selectRow(1);
    window->cmdCopierResultat_Click();
    QCOMPARE(m_shell->platform.clipboard, u"723,431559508615"_s);
    window->cmdCopierLigne_Click();
    QCOMPARE(m_shell->platform.clipboard, RcLine);

    selectRow(0);
    SingleInstance<c_calculs>::close();
    auto *use = window->findChild<QPushButton *>(u"cmdUtiliser"_s);
    use->menu()->findChild<QAction *>(u"Donnee3"_s)->trigger();
    c_calculs *calculator = SingleInstance<c_calculs>::find();
    QVERIFY(calculator && calculator->isVisible());
    QCOMPARE(box(calculator, u"txtDonnees3"_s)->text(), u"14"_s);

    // The line's own menu offers the same.
    QVERIFY(
        QMetaObject::invokeMethod(view, "customContextMenuRequested", Q_ARG(QPoint, QPoint(5, 5))));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(itemTexts(menu),
             (QStringList{u"Copier le &résultat"_s,
                          u"Copier la &ligne"_s,
                          u"&Utiliser dans la donnée"_s,
                          u"Calculer à &nouveau"_s,
                          u"Valeurs n&ormalisées"_s,
                          u"&Supprimer"_s}));
    menu->close();
}

// The result's declared unit goes with it: to the standard values window, from the calculator's
// result box and from the journal line, and into the line itself.
void JournalWindowsTest::resultUnitReachesTheStandardValues()
{
    writeFunctionFile(m_shell->folder,
                      u"rcu.zvfc"_s,
                      {.name = u"RC en unités"_s,
                       .formula = u"1/(2*PI*d1*d2)/1000"_s,
                       .legends = {u"R"_s, u"C"_s},
                       .units = {u"d1=ohm"_s, u"d2=F"_s, u"Resultat=kHz"_s}});
    c_calculs *calculator = SingleInstance<c_calculs>::show();
    calculator->pickFunctionFile(u"rcu.zvfc"_s);
    box(calculator, u"txtDonnees1"_s)->setText(u"10 kΩ"_s);
    box(calculator, u"txtDonnees2"_s)->setText(u"10 nF"_s);
    calculator->Command1_Click();
    QCOMPARE(box(calculator, u"txtResultat"_s)->text(), u"1,59154943091895"_s);

    QMenu *menu = openContextMenu(box(calculator, u"txtResultat"_s));
    QVERIFY(menu);
    item(menu, u"ValeursNormalisees"_s)->trigger();
    menu->close();
    v_normalisees *standard = SingleInstance<v_normalisees>::find();
    QVERIFY(standard);
    QCOMPARE(standard->lblUnite->text(), u"kHz"_s);
    SingleInstance<v_normalisees>::close();

    c_journal *window = journalWindow();
    auto *view = window->findChild<QTreeView *>(u"lstJournal"_s);
    QCOMPARE(view->model()->index(0, 1).data().toString(),
             u"RC en unités : R = 10 kΩ, C = 10 nF → 1,59154943091895 kHz"_s);
    selectRow(0);
    window->ValeursNormalisees();
    QCOMPARE(SingleInstance<v_normalisees>::find()->lblUnite->text(), u"kHz"_s);
}

void JournalWindowsTest::computeAgain()
{
    c_calculs *calculator = calculatorWithRc();
    calculator->Command1_Click();
    journal::Entry engine = journal::engineEntry(u"2(3+4)"_s);
    engine.setResult(14);
    m_journal->append(engine);
    c_journal *window = journalWindow();

    selectRow(0);
    window->cmdRecalculer_Click();
    q_resolution *equations = SingleInstance<q_resolution>::find();
    QVERIFY(equations && equations->isVisible());
    QCOMPARE(box(equations, u"Text1"_s)->text(), u"2(3+4)"_s);

    calculator->pickFunctionFile(u"s.zvfc"_s);
    box(calculator, u"txtDonnees1"_s)->clear();
    box(calculator, u"txtDonnees2"_s)->clear();
    selectRow(1);
    window->cmdRecalculer_Click();
    QCOMPARE(calculator->selectedFunction(), 0);
    QCOMPARE(box(calculator, u"txtDonnees1"_s)->text(), u"10"_s);
    QCOMPARE(box(calculator, u"txtResultat"_s)->text(), u"723,431559508615"_s);
    QCOMPARE(m_journal->entries().size(), 3);
    QCOMPARE(journal::lineText(m_journal->entries().last()), RcLine);
}

void JournalWindowsTest::filterDeleteClearAndExport()
{
    for (int i = 1; i <= 3; ++i) {
        journal::Entry entry = journal::engineEntry(u"%1*7"_s.arg(i));
        entry.setResult(7 * i);
        m_journal->append(entry);
    }
    c_journal *window = journalWindow();
    auto *view = window->findChild<QTreeView *>(u"lstJournal"_s);
    auto *count = window->findChild<QLabel *>(u"lblNombre"_s);
    QTest::keyClicks(box(window, u"txtFiltre"_s), u"2*"_s);
    QCOMPARE(view->model()->rowCount(), 1);
    QCOMPARE(count->text(), u"1 sur 3 calculs"_s);
    box(window, u"txtFiltre"_s)->clear();
    QCOMPARE(count->text(), u"3 calculs"_s);

    selectRow(1);
    window->cmdSupprimer_Click();
    QCOMPARE(m_journal->entries().size(), 2);
    QCOMPARE(m_journal->entries()[1].expression, u"3*7"_s);
    QCOMPARE(window->selectedEntry()->expression, u"1*7"_s);

    const QString exported = m_shell->folder.filePath(u"export.csv"_s);
    m_shell->platform.answerNextSaveFile(exported);
    window->cmdExporter_Click();
    QCOMPARE(m_shell->platform.saveDialogs.size(), 1);
    QCOMPARE(journal::parseFile(readFile(exported)).entries, m_journal->entries());

    m_shell->platform.answerNextMessage(MessageAnswer::No);
    window->cmdVider_Click();
    QCOMPARE(m_shell->platform.messages.last().buttons, MessageButtons::YesNo);
    QCOMPARE(m_journal->entries().size(), 2);
    window->cmdVider_Click();
    QVERIFY(m_journal->entries().isEmpty());
    QCOMPARE(view->model()->rowCount(), 0);
    QCOMPARE(readFile(m_journal->filePath()), journal::fileHeader());
}

void JournalWindowsTest::captionsFit()
{
    c_journal *window = journalWindow();
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 7);
    for (QPushButton *button : buttons) {
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY(button->text().contains(u'&'));
    }
    QVERIFY(!box(window, u"txtFiltre"_s)->accessibleName().isEmpty());
    QVERIFY(!window->findChild<QTreeView *>(u"lstJournal"_s)->accessibleName().isEmpty());
    QVERIFY(window->minimumSize() != window->maximumSize());
}

QTEST_MAIN(JournalWindowsTest)
#include "test_journal_windows.moc"
