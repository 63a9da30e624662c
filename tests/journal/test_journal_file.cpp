#include "journal/core/journal.h"
#include "journal/core/journal_csv.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zorv;
using namespace zorv::journal;

Q_DECLARE_METATYPE(zorv::journal::Entry)

namespace {

Entry entryAt(int second)
{
    Entry entry = engineEntry(u"%1+1"_s.arg(second));
    entry.time = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)).addSecs(second);
    entry.setResult(second + 1);
    return entry;
}

Entry rcFilter()
{
    Entry entry = functionEntry(u"Fréquence de coupure d'un filtre RC"_s,
                                u"frequence_coupure_rc.zvfc"_s,
                                u"1000000/(2*PI*d1*d2)"_s,
                                {u"Résistance R (kOhm)"_s, u"Capacité C (nF)"_s, u"(Vide)"_s},
                                {u"10"_s, u"22"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s},
                                u"1000000/(2*PI*10*22)"_s);
    entry.time = QDateTime(QDate(2026, 12, 7), QTime(18, 50, 31));
    entry.setResult(723.431559508615);
    return entry;
}

Entry withUnits()
{
    Entry entry = rcFilter();
    entry.inputs[0].unit = u"kΩ"_s;
    entry.inputs[1].text = u"22n"_s;
    entry.inputs[1].unit = u"µF"_s;
    entry.resultUnit = u"Hz"_s;
    return entry;
}

QByteArray lines(const QList<QByteArray> &records)
{
    QByteArray bytes = fileHeader();
    for (const QByteArray &record : records)
        bytes += record + "\r\n";
    return bytes;
}

} // namespace

class JournalFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void lineAsASpreadsheetReadsIt();
    void fileWithoutUnitsIsReadAndRewritten();
    void damagedLinesAreLeftOut_data();
    void damagedLinesAreLeftOut();
    void damagedFileIsToldKeptAsACopyAndRepaired();
    void fullJournalKeepsTheNewest();
    void appendsWithoutRewriting();
    void unreadableFileIsNeverWrittenOver();
    void unwritableFolderIsToldOnce();
    void exportReadsBackInARealCsvReader();

private:
    std::unique_ptr<test::TempAppDir> m_dir;
    std::unique_ptr<test::RecordingPlatform> m_platform;

    QString path() const { return m_dir->filePath(u"parametres/journal.csv"_s); }
};

void JournalFileTest::init()
{
    m_dir = std::make_unique<test::TempAppDir>();
    m_platform = std::make_unique<test::RecordingPlatform>();
}

void JournalFileTest::cleanup()
{
    m_platform.reset();
    m_dir.reset();
}

void JournalFileTest::roundTrip_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::newRow("function with its inputs") << rcFilter();
    Entry refused = engineEntry(u"3/(1-1)"_s);
    refused.setRefusal(u"division par zéro"_s);
    QTest::newRow("refusal with its reason") << refused;
    Entry tiny = entryAt(0);
    tiny.setResult(-1.5e-20);
    QTest::newRow("negative value in exponent form") << tiny;
    Entry quoted = rcFilter();
    quoted.source = u"Gain « A » ; \"B\""_s;
    quoted.inputs[1].text = u"2;5"_s;
    QTest::newRow("separator and quotes inside texts") << quoted;
    Entry formulas = rcFilter();
    formulas.expression = u"-2*3"_s;
    formulas.inputs[0].text = u"=HYPERLINK(\"x\")"_s;
    formulas.inputs[1].text = u"'+1"_s;
    formulas.inputs[1].legend = u"'abc"_s;
    QTest::newRow("texts a spreadsheet would take for formulas") << formulas;
    QTest::newRow("units of the inputs and of the result") << withUnits();
    Entry sparse = rcFilter();
    sparse.inputs = {{2, u"2)"_s, QString()}, {6, u"Tension (V)"_s, u"12"_s}};
    QTest::newRow("inputs 2 and 6 only, one empty") << sparse;
}

void JournalFileTest::roundTrip()
{
    QFETCH(Entry, entry);
    const QList<Entry> written{entryAt(1), entry, entryAt(2)};
    const ParsedFile read = parseFile(fileBytes(written));
    QVERIFY(read.damagedLines.isEmpty());
    QVERIFY(read.canonical);
    QCOMPARE(read.entries, written);
}

void JournalFileTest::lineAsASpreadsheetReadsIt()
{
    QCOMPARE(recordLine(rcFilter()),
             "2026-12-07 18:50:31;Fréquence de coupure d'un filtre RC;frequence_coupure_rc.zvfc;"
             "1000000/(2*PI*10*22);723,431559508615;;Résistance R (kOhm);10;Capacité C (nF);22;"
             ";;;;;;;;;;;;;;\r\n"_ba);
    QVERIFY(fileHeader().startsWith("\xEF\xBB\xBF"
                                    "Date;Origine;"));
    QCOMPARE(
        lineText(rcFilter(), QLocale(QLocale::French, QLocale::France)),
        u"Fréquence de coupure d'un filtre RC : Résistance R (kOhm) = 10, Capacité C (nF) = 22 "
        u"→ 723,431559508615"_s);
}

void JournalFileTest::fileWithoutUnitsIsReadAndRewritten()
{
    const QByteArray before = "\xEF\xBB\xBF"
                              "Date;Origine;Fichier;Expression;Résultat;Erreur;Légende 1;Donnée 1;"
                              "Légende 2;Donnée 2;Légende 3;Donnée 3;Légende 4;Donnée 4;Légende 5;"
                              "Donnée 5;Légende 6;Donnée 6\r\n"
                              + recordLine(rcFilter()).replace(";;;;;;;;;;;;;;\r\n", ";;;;;;;\r\n");
    const ParsedFile read = parseFile(before);
    QCOMPARE(read.entries, QList<Entry>{rcFilter()});
    QVERIFY(read.damagedLines.isEmpty());
    QVERIFY(!read.canonical);
    m_dir->writeFile(u"parametres/journal.csv"_s, before);
    Journal journal(path());
    QCOMPARE(journal.entries(), QList<Entry>{rcFilter()});
    journal.flush();
    QCOMPARE(test::readFile(path()), fileBytes({rcFilter()}));
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(lineText(withUnits(), QLocale(QLocale::French, QLocale::France)),
             u"Fréquence de coupure d'un filtre RC : Résistance R (kOhm) = 10 kΩ, "
             u"Capacité C (nF) = 22n → 723,431559508615 Hz"_s);
}

void JournalFileTest::damagedLinesAreLeftOut_data()
{
    QTest::addColumn<QByteArray>("line");
    // Date, source, file, expression, result, reason, then the twelve fields of the inputs.
    const auto line = [](const QByteArray &head, const QByteArray &inputs = QByteArray()) {
        return head + (inputs.isEmpty() ? QByteArray(";;;;;;;;;;;;") : inputs) + ";;;;;;;";
    };
    QTest::newRow("well formed, as a check of the others")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;");
    QTest::newRow("too few fields") << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6");
    QTest::newRow("too many fields") << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;;");
    QTest::newRow("unclosed quote") << line("2026-12-07 10:00:05;\"Moteur d'équations;;5+1;6;");
    QTest::newRow("text after a closing quote") << line("2026-12-07 10:00:05;\"Moteur\"x;;5+1;6;");
    QTest::newRow("impossible date") << line("2026-02-30 10:00:05;Moteur d'équations;;5+1;6;");
    QTest::newRow("number with a point")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6.5;");
    QTest::newRow("not a number") << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;six;");
    QTest::newRow("result and reason together")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;raison");
    QTest::newRow("neither result nor reason")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;;");
    QTest::newRow("typed text without its legend")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;", ";;;;;;;;;;;x");
    QTest::newRow("not UTF-8") << line("2026-12-07 10:00:05;Mot\xE9ur;;5+1;6;");
    QTest::newRow("half a line, as a crash leaves it") << QByteArray("2026-12-07 10:00:05;Mot");
}

void JournalFileTest::damagedLinesAreLeftOut()
{
    QFETCH(QByteArray, line);
    const ParsedFile read = parseFile(
        lines({recordLine(entryAt(1)).chopped(2), line, recordLine(entryAt(2)).chopped(2)}));
    if (QTest::currentDataTag() == QByteArray("well formed, as a check of the others")) {
        QCOMPARE(read.entries.size(), 3);
        QCOMPARE(read.entries[1].value, 6.0);
        return;
    }
    QCOMPARE(read.entries, (QList<Entry>{entryAt(1), entryAt(2)}));
    QCOMPARE(read.damagedLines, QList<int>{3});
    QVERIFY(!read.canonical);
}

void JournalFileTest::damagedFileIsToldKeptAsACopyAndRepaired()
{
    const QByteArray damaged = lines({recordLine(entryAt(1)).chopped(2), "garbage"_ba})
                               + recordLine(entryAt(2)).left(20);
    m_dir->writeFile(u"parametres/journal.csv"_s, damaged);
    Journal journal(path());
    QCOMPARE(journal.entries(), QList<Entry>{entryAt(1)});
    QTRY_COMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(u"2 lignes abîmées"_s));
    QCOMPARE(test::readFile(m_dir->filePath(u"parametres/journal-avant-reparation.csv"_s)), damaged);
    QTRY_COMPARE(test::readFile(path()), fileBytes({entryAt(1)}));
    journal.append(entryAt(3));
    QCOMPARE(test::readFile(path()), fileBytes({entryAt(1), entryAt(3)}));
}

void JournalFileTest::fullJournalKeepsTheNewest()
{
    QList<Entry> many;
    for (int i = 0; i < Journal::Capacity + 5; ++i)
        many.append(entryAt(i));
    m_dir->writeFile(u"parametres/journal.csv"_s, fileBytes(many));
    Journal journal(path());
    QCOMPARE(journal.entries().size(), Journal::Capacity);
    QCOMPARE(journal.entries().first(), entryAt(5));
    journal.append(entryAt(-1));
    QCOMPARE(journal.entries().size(), Journal::Capacity);
    QCOMPARE(journal.entries().first(), entryAt(6));
    QCOMPARE(journal.entries().last(), entryAt(-1));
    journal.flush();
    const ParsedFile onDisk = parseFile(test::readFile(path()));
    QCOMPARE(onDisk.entries, journal.entries());
    QVERIFY(m_platform->messages.isEmpty());
}

void JournalFileTest::appendsWithoutRewriting()
{
    Journal journal(path());
    journal.append(entryAt(1));
    QCOMPARE(test::readFile(path()), fileBytes({entryAt(1)}));
    // A line written by another hand after ours stays: appending never rewrites.
    QFile file(path());
    QVERIFY(file.open(QIODevice::Append));
    file.write(recordLine(entryAt(7)));
    file.close();
    journal.append(entryAt(2));
    QCOMPARE(parseFile(test::readFile(path())).entries,
             (QList<Entry>{entryAt(1), entryAt(7), entryAt(2)}));
    journal.remove(0);
    QCOMPARE(test::readFile(path()), fileBytes({entryAt(2)}));
    journal.clear();
    QCOMPARE(test::readFile(path()), fileHeader());
}

void JournalFileTest::unreadableFileIsNeverWrittenOver()
{
    m_dir->makeDir(u"parametres/journal.csv"_s);
    Journal journal(path());
    journal.append(entryAt(1));
    journal.flush();
    QCOMPARE(journal.entries(), QList<Entry>{entryAt(1)});
    QTRY_COMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(u"ne peut pas être lu"_s));
    QVERIFY(QFileInfo(path()).isDir());
}

void JournalFileTest::unwritableFolderIsToldOnce()
{
    m_dir->writeFile(u"parametres"_s, "not a folder");
    Journal journal(path());
    for (int i = 0; i < 3; ++i) {
        journal.append(entryAt(i));
        QCoreApplication::processEvents();
    }
    QCOMPARE(journal.entries().size(), 3);
    QTRY_COMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains(u"ne peut pas être enregistré"_s));
    QCOMPARE(m_platform->messages[0].buttons, MessageButtons::Ok);
}

void JournalFileTest::exportReadsBackInARealCsvReader()
{
    const QString python = QStandardPaths::findExecutable(u"python3"_s);
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    Journal journal(path());
    Entry quoted = rcFilter();
    quoted.source = u"Gain « A » ; \"B\""_s;
    quoted.expression = u"-2*3"_s;
    journal.append(quoted);
    Entry refused = engineEntry(u"3/(1-1)"_s);
    refused.setRefusal(u"division par zéro"_s);
    journal.append(refused);
    const QString exported = m_dir->filePath(u"export.csv"_s);
    QCOMPARE(journal.exportTo(exported), QString());

    QProcess reader;
    reader.start(python,
                 {u"-c"_s,
                  u"import csv, sys, json\n"
                  "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                  "    print(json.dumps(list(csv.reader(f, delimiter=';'))))"_s,
                  exported});
    QVERIFY(reader.waitForFinished());
    QCOMPARE(reader.exitCode(), 0);
    const QString expected = u"[[\"Date\", \"Origine\", \"Fichier\", \"Expression\", "
                             "\"R\\u00e9sultat\", \"Erreur\""_s;
    const QByteArray output = reader.readAllStandardOutput();
    QVERIFY2(output.startsWith(expected.toUtf8()), output.constData());
    QVERIFY2(output.contains(
                 "[\"2026-12-07 18:50:31\", \"Gain \\u00ab A \\u00bb ; \\\"B\\\"\", "
                 "\"frequence_coupure_rc.zvfc\", \"'-2*3\", \"723,431559508615\", \"\", "),
             output.constData());
    QVERIFY2(output.contains("\"Moteur d'\\u00e9quations\", \"\", \"3/(1-1)\", \"\", "
                             "\"division par z\\u00e9ro\""),
             output.constData());
    QCOMPARE(output.count('['), 4);
}

QTEST_GUILESS_MAIN(JournalFileTest)
#include "test_journal_file.moc"
