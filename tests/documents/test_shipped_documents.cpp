#include "documents/core/read_a_file.h"
#include "engine/core/calcule.h"
#include "engine/core/number_text.h"
#include "support/temp_app_dir.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace zorv;
using namespace Qt::StringLiterals;

namespace {

const QStringList ShippedDocuments = {
    u"343aubcde465360adaubcdaub.dczv"_s,
    u"sdkdoc.dczv"_s,
    u"const.dczv"_s,
    u"mteq.dczv"_s,
};

// The documents print every worked example alone on its line, indented by two spaces, with two
// spaces on both sides of the "=": "  2(3+4)  =  14". The value is written as the program shows
// it in French, or "erreur" where the evaluation fails, followed by " : " and the reason where the
// line has room for it: "  V-4  =  erreur : racine carrée d'un nombre négatif".
const QRegularExpression ExampleLine(u"^  (\\S.*?)  =  (\\S.*)$"_s);

QStringList documentLines(const QString &file)
{
    const std::optional<QString> text = documents::ReadAfile(
        test::shippedDataPath(u"docs/"_s + file));
    if (!text)
        return {};
    QStringList lines = text->split(u"\r\n"_s);
    lines.removeLast(); // after the CR LF that ends the last line
    return lines;
}

struct Example
{
    QString file;
    QString expression;
    QString value;
};

// The rows of README's table of worked examples, the one headed "| typed | ZORV gives |":
// "| `2(3+4)` | 14 |".
QList<Example> readmeExamples()
{
    const QByteArray bytes = test::readFile(test::shippedDataPath(u"../README.md"_s));
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    static const QRegularExpression row(u"^\\| `([^`]+)` \\| ([^|]+) \\|$"_s);
    QList<Example> examples;
    qsizetype i = lines.indexOf(u"| typed | ZORV gives |"_s);
    if (i < 0)
        return examples;
    for (i += 2; i < lines.size() && lines.at(i).startsWith(u'|'); ++i) {
        const QRegularExpressionMatch match = row.match(lines.at(i));
        examples.append({u"README.md"_s, match.captured(1), match.captured(2)});
    }
    return examples;
}

QList<Example> workedExamples()
{
    QList<Example> examples;
    for (const QString &file : ShippedDocuments) {
        for (const QString &line : documentLines(file)) {
            const QRegularExpressionMatch match = ExampleLine.match(line);
            if (match.hasMatch())
                examples.append({file, match.captured(1), match.captured(2)});
        }
    }
    return examples;
}

} // namespace

class ShippedDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void document_data();
    void document();
    void workedExample_data();
    void workedExample();
    void engineDocumentShowsItsRulesByExamples();
    void engineDocumentShowsEveryRefusal();
};

void ShippedDocumentsTest::document_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : ShippedDocuments)
        QTest::newRow(qPrintable(file)) << file;
}

void ShippedDocumentsTest::document()
{
    QFETCH(QString, file);
    QFile in(test::shippedDataPath(u"docs/"_s + file));
    QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(in.fileName()));
    const QByteArray bytes = in.readAll();
    QVERIFY(bytes.size() > 200);

    // CR LF line ends only, and a line end after the last line.
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

    // Windows-1252 text: no byte the code page leaves undefined, no other control character, no
    // UTF-8 sequence of a French letter read as two characters.
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        QVERIFY2(byte >= 0x20 || c == '\r' || c == '\n', qPrintable(u"control byte %1"_s.arg(byte)));
        QVERIFY2(byte != 0x81 && byte != 0x8d && byte != 0x8f && byte != 0x90 && byte != 0x9d,
                 qPrintable(u"undefined byte %1"_s.arg(byte)));
    }
    const QString text = documents::documentText(bytes);
    QVERIFY(!text.contains(u'Ã'));
    QVERIFY(text.contains(u'é'));

    // Short enough to read in the viewer without the lines breaking in odd places.
    for (const QString &line : documentLines(file))
        QVERIFY2(line.size() <= 60, qPrintable(line));
}

void ShippedDocumentsTest::workedExample_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("value");
    const QList<Example> examples = workedExamples();
    QVERIFY(examples.size() > 10);
    const QList<Example> readme = readmeExamples();
    QVERIFY(readme.size() >= 10);
    for (const Example &example : examples + readme) {
        const QString tag = example.file + u": "_s + example.expression;
        QTest::newRow(qPrintable(tag)) << example.expression << example.value;
    }
}

void ShippedDocumentsTest::workedExample()
{
    QFETCH(QString, expression);
    QFETCH(QString, value);
    if (value == u"erreur"_s || value.startsWith(u"erreur : "_s)) {
        try {
            const double result = engine::Calcule(expression);
            QFAIL(qPrintable(u"evaluates to "_s + QString::number(result, 'g', 15)));
        } catch (const engine::EvalError &error) {
            if (value != u"erreur"_s)
                QCOMPARE(u"erreur : "_s + error.reason(), value);
        }
        return;
    }
    const double result = engine::Calcule(expression);
    QCOMPARE(engine::userNumberText(result, QLocale(QLocale::French, QLocale::France)), value);
}

void ShippedDocumentsTest::engineDocumentShowsItsRulesByExamples()
{
    int engineExamples = 0;
    for (const Example &example : workedExamples())
        engineExamples += example.file == u"mteq.dczv"_s ? 1 : 0;
    // The engine's document shows each of its rules by an example.
    QVERIFY(engineExamples >= 20);
}

void ShippedDocumentsTest::engineDocumentShowsEveryRefusal()
{
    QList<engine::EvalFailure> shown;
    for (const Example &example : workedExamples()) {
        if (example.file != u"mteq.dczv"_s || !example.value.startsWith(u"erreur"_s))
            continue;
        try {
            engine::Calcule(example.expression);
        } catch (const engine::EvalError &error) {
            shown.append(error.failure());
        }
    }
    // Every refusal but the one for a text too long to print.
    for (int failure = 0; failure <= int(engine::EvalFailure::TooLong); ++failure) {
        const auto kind = engine::EvalFailure(failure);
        if (kind != engine::EvalFailure::TooLong)
            QVERIFY2(shown.contains(kind), qPrintable(engine::frenchReason(kind, u"x"_s)));
    }
}

QTEST_GUILESS_MAIN(ShippedDocumentsTest)
#include "test_shipped_documents.moc"
