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
// it in French, or "erreur" where the evaluation fails.
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
    for (const Example &example : examples) {
        const QString tag = example.file + u": "_s + example.expression;
        QTest::newRow(qPrintable(tag)) << example.expression << example.value;
    }
}

void ShippedDocumentsTest::workedExample()
{
    QFETCH(QString, expression);
    QFETCH(QString, value);
    if (value == u"erreur"_s) {
        QVERIFY_THROWS_EXCEPTION(engine::EvalError, engine::Calcule(expression));
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

QTEST_GUILESS_MAIN(ShippedDocumentsTest)
#include "test_shipped_documents.moc"
