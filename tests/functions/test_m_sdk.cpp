#include "functions/core/function_file.h"
#include "functions/core/new_function_file.h"
#include "functions/core/picked_function.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/m_sdk.h"
#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "settings/core/ini.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"
#include "support/window_cleanup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zorv;
using namespace zorv::test;
using namespace Qt::StringLiterals;

namespace {

// The grid in the order in which "&Générer" writes it: box, section, key.
struct Entry
{
    const char *box;
    const char *section;
    const char *key;
};

constexpr std::array<Entry, 10> Entries{{
    {"Text2", "GeneralInfo", "NomFonc"},
    {"Text8", "GeneralInfo", "NomAuteur"},
    {"Text7", "Fonc", "d1"},
    {"Text6", "Fonc", "d2"},
    {"Text5", "Fonc", "d3"},
    {"Text11", "Fonc", "d4"},
    {"Text10", "Fonc", "d5"},
    {"Text9", "Fonc", "d6"},
    {"Text4", "Calc", "Fnc"},
    {"Text3", "ePrf", "Description"},
}};

const QByteArray TemplateBytes
    = "; modèle\r\n[GeneralInfo]\r\nNomFonc=0\r\n[Extra]\r\nGarde=oui\r\n";

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

} // namespace

class MSdkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void labelArrayByIndex();
    void windowKind();
    void captionsFit();
    void keyboardOrder();

    void okCopiesTheTemplateAndUnlocks();
    void generateWritesTheTenEntriesInOrder();
    void unitsAreWrittenAsTheCalculatorReadsThem();
    void generateBeforeOkWritesInitialTexts();
    void okAgainOverwrites();
    void emptyNameGivesDotZvfc();
    void badNamesAreRefused_data();
    void badNamesAreRefused();
    void copyFailuresAreTold_data();
    void copyFailuresAreTold();
    void readOnlyPlacesAreTold_data();
    void readOnlyPlacesAreTold();
    void generateFailureIsTold();
    void linksAreNotWrittenThrough_data();
    void linksAreNotWrittenThrough();
    void theLongestNameCanBeWrittenAgain();
    void textsTheFileCannotHoldAreTold_data();
    void textsTheFileCannotHoldAreTold();
    void shippedTemplateMakesAFunctionTheCalculatorReads();
    void libraryButtonFollowsTheGeneratedFile();
    void addsToTheLibrary_data();
    void addsToTheLibrary();
    void replacingAFunctionIsAskedFirst();
    void linksAreNotFollowed_data();
    void linksAreNotFollowed();
    void libraryThatCannotBeWrittenIsTold();

private:
    template<class T>
    T *control(const QString &name) const;

    QLineEdit *box(const char *name) const { return control<QLineEdit>(QString::fromLatin1(name)); }

    QString outFile(const QString &name) const { return m_app->filePath(u"out/"_s + name); }

    std::unique_ptr<TempAppDir> m_app;
    std::unique_ptr<RecordingPlatform> m_platform;
    m_sdk *m_window = nullptr;
};

void MSdkTest::initTestCase()
{
    installProgramFont();
}

void MSdkTest::init()
{
    m_app = std::make_unique<TempAppDir>();
    m_platform = std::make_unique<RecordingPlatform>();
    m_app->writeFile(u"Template.zvfc"_s, TemplateBytes);
    m_app->makeDir(u"out"_s);
    m_window = SingleInstance<m_sdk>::get();
}

void MSdkTest::cleanup()
{
    const QStringList left = test::closeAllWindows();
    m_window = nullptr;
    m_platform.reset();
    m_app.reset();
    QCOMPARE(left, QStringList());
}

template<class T>
T *MSdkTest::control(const QString &name) const
{
    T *found = m_window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void MSdkTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Label1") << u"Label1"_s << u"m_sdk"_s << u"Nom du fichier : "_s;
    QTest::newRow("Text1") << u"Text1"_s << u"m_sdk"_s << u""_s;
    QTest::newRow("Command1") << u"Command1"_s << u"m_sdk"_s << u"o&k"_s;
    QTest::newRow("Frame1") << u"Frame1"_s << u"m_sdk"_s << u"Création"_s;
    QTest::newRow("Command2") << u"Command2"_s << u"m_sdk"_s << u"&Générer"_s;
    QTest::newRow("Command3") << u"Command3"_s << u"m_sdk"_s << u"Ajouter à la &bibliothèque"_s;

    const struct
    {
        const char *box;
        const char *initial;
    } boxes[] = {{"Text2", "0"},
                 {"Text8", "0"},
                 {"Text7", "(Vide)"},
                 {"Text6", "(Vide)"},
                 {"Text5", "(Vide)"},
                 {"Text11", "(Vide)"},
                 {"Text10", "(Vide)"},
                 {"Text9", "(Vide)"},
                 {"Text4", "0"},
                 {"Text3", "0"}};

    for (const auto &line : boxes)
        QTest::newRow(line.box) << QString::fromLatin1(line.box) << u"Frame1"_s
                                << QString::fromLatin1(line.initial);
}

void MSdkTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QCOMPARE(m_window->windowTitle(), u"SDK"_s);
    QCOMPARE(m_window->size(), twipsSize(5565, 5745));
    const QWidget *widget = control<QWidget>(name);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (const auto *button = qobject_cast<const QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        QCOMPARE(frame->title(), caption);
    else
        QCOMPARE(qobject_cast<const QLineEdit *>(widget)->text(), caption);
}

void MSdkTest::labelArrayByIndex()
{
    const struct
    {
        const char *caption;
    } labels[] = {{"Nom"},
                  {"Auteur"},
                  {"Variable3"},
                  {"Variable2"},
                  {"Variable1"},
                  {"Description"},
                  {"Equation"},
                  {"Variable6"},
                  {"Variable5"},
                  {"Variable4"}};

    for (int i = 0; i < 10; ++i) {
        const auto *label = control<QLabel>(u"Label2_"_s + QString::number(i));
        QCOMPARE(label->text(), QString::fromLatin1(labels[i].caption));
        QCOMPARE(label->parentWidget()->objectName(), u"Frame1"_s);
    }
}

void MSdkTest::windowKind()
{
    QCOMPARE(m_sdk::windowKind, WindowKind::FrameChild);
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!control<QGroupBox>(u"Frame1"_s)->isEnabled());
    QVERIFY(box("Text1")->isEnabled());
    QVERIFY(control<QPushButton>(u"Command1"_s)->isEnabled());
    QVERIFY(control<QPushButton>(u"Command2"_s)->isEnabled());
    QVERIFY(!control<QPushButton>(u"Command3"_s)->isEnabled());
}

void MSdkTest::captionsFit()
{
    QCOMPARE(captionsThatDoNotFit(m_window), QStringList());
}

void MSdkTest::keyboardOrder()
{
    const QStringList expected{u"Text1"_s,     u"Text2"_s,     u"Text8"_s,     u"Text7"_s,
                               u"Text6"_s,     u"Text5"_s,     u"Text11"_s,    u"Text10"_s,
                               u"Text9"_s,     u"Text4"_s,     u"Text3"_s,     u"txtUnite0"_s,
                               u"txtUnite1"_s, u"txtUnite2"_s, u"txtUnite3"_s, u"txtUnite4"_s,
                               u"txtUnite5"_s, u"txtUnite6"_s, u"Command1"_s,  u"Command2"_s,
                               u"Command3"_s};
    QCOMPARE(focusOrder(m_window, expected), expected);
}

void MSdkTest::okCopiesTheTemplateAndUnlocks()
{
    box("Text1")->setText(u"essai"_s);
    QTest::mouseClick(control<QPushButton>(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(readFile(outFile(u"essai.zvfc"_s)), TemplateBytes);
    QCOMPARE(m_platform->copies.size(), 1);
    QCOMPARE(m_platform->copies[0],
             (QStringList{donnees::appPath(u"Template.zvfc"_s),
                          donnees::appPath(u"out/essai.zvfc"_s)}));
    QVERIFY(control<QGroupBox>(u"Frame1"_s)->isEnabled());
    QVERIFY(!box("Text1")->isEnabled());
    QVERIFY(m_platform->messages.isEmpty());
}

void MSdkTest::generateWritesTheTenEntriesInOrder()
{
    box("Text1")->setText(u"essai"_s);
    m_window->Command1_Click();
    for (const Entry &entry : Entries)
        box(entry.box)->setText(u"valeur de "_s + QString::fromLatin1(entry.key));
    QTest::mouseClick(control<QPushButton>(u"Command2"_s), Qt::LeftButton);

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, u"Effectué!"_s);
    QCOMPARE(m_platform->messages[0].title, u"SDK"_s);
    QCOMPARE(m_platform->messages[0].buttons, MessageButtons::Ok);
    const QString file = outFile(u"essai.zvfc"_s);
    for (const Entry &entry : Entries)
        QCOMPARE(ReadIniValue(QString::fromLatin1(entry.section),
                              QString::fromLatin1(entry.key),
                              file,
                              u"absent"_s),
                 u"valeur de "_s + QString::fromLatin1(entry.key));
    // The template's own entries stay, and the sections come in the order of the writes.
    QCOMPARE(ReadIniValue(u"Extra"_s, u"Garde"_s, file, u"absent"_s), u"oui"_s);
    const QByteArray bytes = readFile(file);
    QVERIFY(bytes.indexOf("[Fonc]") < bytes.indexOf("[Calc]"));
    QVERIFY(bytes.indexOf("[Calc]") < bytes.indexOf("[ePrf]"));
    QVERIFY(bytes.indexOf("d1=") < bytes.indexOf("d6="));
}

void MSdkTest::unitsAreWrittenAsTheCalculatorReadsThem()
{
    box("Text1")->setText(u"essai"_s);
    QVERIFY(!control<QGroupBox>(u"fraUnites"_s)->isEnabled());
    m_window->Command1_Click();
    QVERIFY(control<QGroupBox>(u"fraUnites"_s)->isEnabled());
    const QStringList typed{u" kΩ "_s, u"μF"_s, QString(), u"mm²"_s, QString(), u"°C"_s, u"Hz"_s};
    for (int i = 0; i < 7; ++i)
        box("txtUnite" + QByteArray::number(i))->setText(typed[i]);
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    const functions::PickedFunction read = functions::readPickedFunction(u"essai"_s,
                                                                         outFile(u"essai.zvfc"_s));
    QCOMPARE(read.units.inputs,
             (std::array<QString, 6>{u"kohm"_s, u"µF"_s, {}, u"mm²"_s, {}, u"°C"_s}));
    QCOMPARE(read.units.result, u"Hz"_s);

    box("txtUnite6")->setText(u"≤"_s);
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 2);
    QVERIFY2(m_platform->messages[1].text.contains(u"« Unité du résultat » contient « ≤ »"_s),
             qPrintable(m_platform->messages[1].text));
}

void MSdkTest::generateBeforeOkWritesInitialTexts()
{
    box("Text1")->setText(u"brut"_s);
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, u"Effectué!"_s);
    const QString file = outFile(u"brut.zvfc"_s);
    QCOMPARE(ReadIniValue(u"GeneralInfo"_s, u"NomFonc"_s, file, u"absent"_s), u"0"_s);
    QCOMPARE(ReadIniValue(u"Fonc"_s, u"d4"_s, file, u"absent"_s), u"(Vide)"_s);
    QCOMPARE(ReadIniValue(u"ePrf"_s, u"Description"_s, file, u"absent"_s), u"0"_s);
    QVERIFY(!readFile(file).contains("modèle"));
}

void MSdkTest::okAgainOverwrites()
{
    box("Text1")->setText(u"essai"_s);
    m_window->Command1_Click();
    box("Text2")->setText(u"Ma fonction"_s);
    m_window->Command2_Click();
    const QString file = outFile(u"essai.zvfc"_s);
    QCOMPARE(ReadIniValue(u"GeneralInfo"_s, u"NomFonc"_s, file, u"absent"_s), u"Ma fonction"_s);
    m_window->Command1_Click();
    QCOMPARE(readFile(file), TemplateBytes);
}

void MSdkTest::emptyNameGivesDotZvfc()
{
    m_window->Command1_Click();
    QCOMPARE(readFile(outFile(u".zvfc"_s)), TemplateBytes);
    QCOMPARE(filesBelow(m_app->filePath(u"out"_s)), QStringList{u".zvfc"_s});
    QVERIFY(control<QGroupBox>(u"Frame1"_s)->isEnabled());
}

void MSdkTest::badNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told");
    QTest::newRow("parent folder") << u"../evil"_s << u"séparateur de dossier"_s;
    QTest::newRow("absolute path") << u"/tmp/evil"_s << u"séparateur de dossier"_s;
    QTest::newRow("backslash") << u"..\\evil"_s << u"séparateur de dossier"_s;
    QTest::newRow("two dots") << u".."_s << u"« .. »"_s;
    QTest::newRow("colon") << u"c:evil"_s << u"caractère interdit"_s;
    QTest::newRow("question mark") << u"quoi?"_s << u"caractère interdit"_s;
    QTest::newRow("control character") << u"a\tb"_s << u"caractère interdit"_s;
    QTest::newRow("too long") << QString(300, u'x') << u"trop long"_s;
}

void MSdkTest::badNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, told);
    const QStringList before = filesBelow(m_app->path());
    box("Text1")->setText(name);
    m_window->Command1_Click();
    m_window->Command2_Click();
    QCOMPARE(filesBelow(m_app->path()), before);
    QVERIFY(!QFileInfo::exists(m_app->filePath(u"../evil.zvfc"_s)));
    QVERIFY(!QFileInfo::exists(u"/tmp/evil.zvfc"_s));
    QVERIFY(m_platform->copies.isEmpty());
    QCOMPARE(m_platform->messages.size(), 2);
    for (const MessageRecord &message : m_platform->messages) {
        QCOMPARE(message.title, u"SDK"_s);
        QVERIFY2(message.text.contains(told), qPrintable(message.text));
    }
    QVERIFY(!control<QGroupBox>(u"Frame1"_s)->isEnabled());
    QVERIFY(box("Text1")->isEnabled());
}

void MSdkTest::copyFailuresAreTold_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("told");
    QTest::newRow("template missing") << u"template"_s << u"est introuvable"_s;
    QTest::newRow("output folder missing") << u"missing"_s << u"n'existe pas"_s;
    QTest::newRow("output folder is a file") << u"file"_s << u"n'existe pas"_s;
}

void MSdkTest::copyFailuresAreTold()
{
    QFETCH(QString, cause);
    QFETCH(QString, told);
    if (cause == u"template"_s)
        QFile::remove(m_app->filePath(u"Template.zvfc"_s));
    if (cause != u"template"_s)
        QDir(m_app->filePath(u"out"_s)).removeRecursively();
    if (cause == u"file"_s)
        m_app->writeFile(u"out"_s, "not a folder");
    box("Text1")->setText(u"essai"_s);
    m_window->Command1_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, u"SDK"_s);
    QVERIFY2(m_platform->messages[0].text.contains(told), qPrintable(m_platform->messages[0].text));
    QVERIFY(m_platform->messages[0].text.contains(donnees::appPath(u"out/essai.zvfc"_s)));
    QVERIFY(!control<QGroupBox>(u"Frame1"_s)->isEnabled());
    QVERIFY(box("Text1")->isEnabled());
    QVERIFY(!QFileInfo(outFile(u"essai.zvfc"_s)).isFile());
}

void MSdkTest::readOnlyPlacesAreTold_data()
{
    QTest::addColumn<QString>("markedReadOnly");
    QTest::addColumn<QString>("told");
    QTest::newRow("output folder") << u"out"_s << u"n'est pas accessible en écriture"_s;
    QTest::newRow("existing file") << u"out/essai.zvfc"_s << u"il est protégé en écriture"_s;
}

// The mark counts even for the superuser, whom the system would let write.
void MSdkTest::readOnlyPlacesAreTold()
{
    QFETCH(QString, markedReadOnly);
    QFETCH(QString, told);
    m_app->writeFile(u"out/essai.zvfc"_s, "[GeneralInfo]\r\nNomFonc=Ancienne\r\n");
    QFile(m_app->filePath(markedReadOnly))
        .setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner);
    box("Text1")->setText(u"essai"_s);
    m_window->Command1_Click();
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 2);
    for (const MessageRecord &message : m_platform->messages)
        QVERIFY2(message.text.contains(told), qPrintable(message.text));
    QVERIFY(!control<QGroupBox>(u"Frame1"_s)->isEnabled());
    QCOMPARE(readFile(outFile(u"essai.zvfc"_s)),
             QByteArray("[GeneralInfo]\r\nNomFonc=Ancienne\r\n"));
}

void MSdkTest::generateFailureIsTold()
{
    QDir(m_app->filePath(u"out"_s)).removeRecursively();
    m_app->writeFile(u"out"_s, "not a folder");
    box("Text1")->setText(u"essai"_s);
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, u"SDK"_s);
    QVERIFY(m_platform->messages[0].text.startsWith(u"Impossible d'écrire le fichier"_s));
    QCOMPARE(readFile(m_app->filePath(u"out"_s)), QByteArray("not a folder"));
}

void MSdkTest::linksAreNotWrittenThrough_data()
{
    QTest::addColumn<QByteArray>("outside"); // a null array: the link leads nowhere
    QTest::newRow("a link to a file outside the output folder") << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("a link to nothing") << QByteArray();
}

void MSdkTest::linksAreNotWrittenThrough()
{
    QFETCH(QByteArray, outside);
    const QString target = m_app->filePath(u"outside.zvfc"_s);
    if (!outside.isNull())
        m_app->writeFile(u"outside.zvfc"_s, outside);
    QVERIFY(QFile::link(target, outFile(u"l.zvfc"_s)));
    box("Text1")->setText(u"l"_s);
    m_window->Command1_Click();
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 2);
    for (const MessageRecord &message : m_platform->messages)
        QVERIFY2(message.text.contains(u"c'est un lien symbolique"_s), qPrintable(message.text));
    QVERIFY(!control<QGroupBox>(u"Frame1"_s)->isEnabled());
    QCOMPARE(QFileInfo::exists(target), !outside.isNull());
    QCOMPARE(readFile(target), outside);
}

// The temporary file of a write has a short name of its own, so any name that the window takes
// can be written again and again.
void MSdkTest::theLongestNameCanBeWrittenAgain()
{
    const QString name(125, u'é'); // 255 bytes with ".zvfc"
    box("Text1")->setText(name);
    m_window->Command1_Click();
    box("Text2")->setText(u"Longue"_s);
    m_window->Command2_Click();
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->messages.last().text, u"Effectué!"_s);
    const QString file = outFile(name + u".zvfc"_s);
    QCOMPARE(QFile::encodeName(QFileInfo(file).fileName()).size(), 255);
    QCOMPARE(ReadIniValue(u"GeneralInfo"_s, u"NomFonc"_s, file, u"absent"_s), u"Longue"_s);
    QCOMPARE(filesBelow(m_app->filePath(u"out"_s)), QStringList{name + u".zvfc"_s});
}

void MSdkTest::textsTheFileCannotHoldAreTold_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("told");
    QTest::newRow("ohm sign in a legend")
        << u"Text6"_s << u"R (kΩ)"_s << u"La case « Variable2 » contient « Ω »"_s;
    QTest::newRow("line break in the description")
        << u"Text3"_s << u"deux\nlignes"_s
        << u"La case « Description » contient le caractère de code U+000A"_s;
    // The file gives back 254 characters of a value: a longer one would be cut in silence.
    QTest::newRow("formula past what the file gives back")
        << u"Text4"_s << u"d1"_s + QString(253, u'+') << u"La case « Equation » compte 255 "_s;
    QTest::newRow("name past what the file gives back")
        << u"Text2"_s << QString(300, u'n') << u"La case « Nom » compte 300 "_s;
}

void MSdkTest::textsTheFileCannotHoldAreTold()
{
    QFETCH(QString, boxName);
    QFETCH(QString, text);
    QFETCH(QString, told);
    control<QLineEdit>(boxName)->setText(text);
    box("Text1")->setText(u"essai"_s);
    m_window->Command1_Click();
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, u"SDK"_s);
    QVERIFY2(m_platform->messages[0].text.startsWith(told),
             qPrintable(m_platform->messages[0].text));
    // Nothing was written: the file is still the template.
    QCOMPARE(readFile(outFile(u"essai.zvfc"_s)), TemplateBytes);
}

void MSdkTest::shippedTemplateMakesAFunctionTheCalculatorReads()
{
    m_app->copyFromShippedData(u"Template.zvfc"_s);
    box("Text1")->setText(u"nouvelle"_s);
    m_window->Command1_Click();
    box("Text2")->setText(u"Ma fonction"_s);
    box("Text8")->setText(u"Moi"_s);
    box("Text7")->setText(u"Tension U (V)"_s);
    box("Text6")->setText(u"Courant I (mA)"_s);
    box("Text5")->setText(u"Facteur k"_s);
    box("Text4")->setText(u"d1*d2*d3"_s);
    box("Text3")->setText(u"Une description"_s);
    box("txtUnite0")->setText(u"V"_s);
    box("txtUnite1")->setText(u"mA"_s);
    m_window->Command2_Click();
    QCOMPARE(m_platform->messages.last().text, u"Effectué!"_s);

    m_app->makeDir(u"res/Fonc"_s);
    QVERIFY(
        QFile::rename(outFile(u"nouvelle.zvfc"_s), m_app->filePath(u"res/Fonc/nouvelle.zvfc"_s)));
    QCOMPARE(c_calculs::ReadAClause(u"nouvelle.zvfc"_s, u"GeneralInfo"_s, u"NomFonc"_s),
             u"Ma fonction"_s);
    QCOMPARE(c_calculs::ReadAClause(u"nouvelle.zvfc"_s, u"Calc"_s, u"Fnc"_s), u"d1*d2*d3"_s);

    c_calculs *calculator = SingleInstance<c_calculs>::get();
    calculator->findChild<QComboBox *>(u"cmbFonction"_s)->setCurrentIndex(0);
    calculator->cmbFonction_Click();
    const auto *legend = calculator->findChild<QListWidget *>(u"lstLegende"_s);
    QCOMPARE(legend->count(), 6);
    QCOMPARE(legend->item(0)->text(), u"Tension U (V)"_s);
    for (int line = 3; line < 6; ++line)
        QCOMPARE(legend->item(line)->text(), u"(Vide)"_s);
    // The template's empty units are no units: box 3 takes a bare number only.
    calculator->setDonnee(1, u"5 V"_s);
    calculator->setDonnee(2, u"0,02 A"_s);
    calculator->setDonnee(3, u"2"_s);
    calculator->Command1_Click();
    QCOMPARE(calculator->findChild<QLineEdit *>(u"txtResultat"_s)->text(), u"200"_s);
}

// Enabled while the file of the name shown holds what "&Générer" wrote.
void MSdkTest::libraryButtonFollowsTheGeneratedFile()
{
    auto *add = control<QPushButton>(u"Command3"_s);
    box("Text1")->setText(u"brut"_s);
    m_window->Command2_Click();
    QVERIFY(add->isEnabled());
    box("Text1")->setText(u"autre"_s);
    QVERIFY(!add->isEnabled());
    m_window->Command1_Click();
    QVERIFY(!add->isEnabled());
    m_window->Command2_Click();
    QVERIFY(add->isEnabled());
    m_window->Command1_Click(); // the file is the template again
    QVERIFY(!add->isEnabled());
}

void MSdkTest::addsToTheLibrary_data()
{
    QTest::addColumn<bool>("programFolderWritable");
    QTest::newRow("writable program folder: into res/Fonc") << true;
    QTest::newRow("read-only program folder: into the user's Fonc") << false;
}

void MSdkTest::addsToTheLibrary()
{
    QFETCH(bool, programFolderWritable);
    m_app->makeDir(u"res/Fonc"_s);
    m_app->writeFile(u"res/Fonc/livree.zvfc"_s,
                     "[GeneralInfo]\r\nNomFonc=Livr\xe9"
                     "e\r\n");
    if (!programFolderWritable)
        QVERIFY(QFile::setPermissions(m_app->path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString library = programFolderWritable ? m_app->filePath(u"res/Fonc"_s)
                                                  : m_app->userDataPath() + u"/Fonc"_s;
    box("Text1")->setText(u"nouvelle"_s);
    m_window->Command1_Click();
    box("Text2")->setText(u"Ma fonction"_s);
    m_window->Command2_Click();
    QTest::mouseClick(control<QPushButton>(u"Command3"_s), Qt::LeftButton);

    const QString added = QDir::toNativeSeparators(library + u"/nouvelle.zvfc"_s);
    QCOMPARE(readFile(added), readFile(functions::newFunctionFilePath(u"nouvelle"_s)));
    QCOMPARE(m_platform->messages.size(), 2);
    const MessageRecord told = m_platform->messages[1];
    QCOMPARE(told.title, u"SDK"_s);
    QCOMPARE(told.icon, MessageIcon::Information);
    QCOMPARE(told.text,
             u"La fonction « Ma fonction » est ajoutée à la bibliothèque (%1). La calculatrice la "
             u"proposera à sa prochaine ouverture."_s.arg(added));

    // At its next opening the calculator lists it after the shipped functions.
    const auto *list = SingleInstance<c_calculs>::get()->findChild<QComboBox *>(u"cmbFonction"_s);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), u"Livrée"_s);
    QCOMPARE(list->itemText(1), u"Ma fonction"_s);
}

void MSdkTest::replacingAFunctionIsAskedFirst()
{
    const QByteArray old = "[GeneralInfo]\r\nNomFonc=Ancienne\r\n";
    m_app->writeFile(u"res/Fonc/essai.zvfc"_s, old);
    box("Text1")->setText(u"essai"_s);
    m_window->Command1_Click();
    m_window->Command2_Click();
    m_platform->messages.clear();

    m_platform->answerNextMessage(MessageAnswer::No);
    m_window->Command3_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].buttons, MessageButtons::YesNo);
    QVERIFY2(m_platform->messages[0].text.contains(u"(fonction « Ancienne »)"_s),
             qPrintable(m_platform->messages[0].text));
    QCOMPARE(readFile(m_app->filePath(u"res/Fonc/essai.zvfc"_s)), old);

    m_platform->answerNextMessage(MessageAnswer::Yes);
    m_window->Command3_Click();
    QCOMPARE(m_platform->messages.size(), 3);
    QVERIFY(m_platform->messages[2].text.startsWith(u"La fonction « 0 » est ajoutée"_s));
    QCOMPARE(readFile(m_app->filePath(u"res/Fonc/essai.zvfc"_s)),
             readFile(outFile(u"essai.zvfc"_s)));
}

void MSdkTest::linksAreNotFollowed_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("the new function file is a link") << u"out/essai.zvfc"_s;
    QTest::newRow("the library file is a link") << u"res/Fonc/essai.zvfc"_s;
}

void MSdkTest::linksAreNotFollowed()
{
    QFETCH(QString, link);
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(u"secret.zvfc"_s);
    const QByteArray secret = "[GeneralInfo]\r\nNomFonc=Secret\r\n";
    QFile file(outside);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(secret) == secret.size());
    file.close();
    m_app->makeDir(u"res/Fonc"_s);
    box("Text1")->setText(u"essai"_s);
    m_window->Command1_Click();
    m_window->Command2_Click();
    m_platform->messages.clear();
    QFile::remove(m_app->filePath(link));
    QVERIFY(QFile::link(outside, m_app->filePath(link)));

    m_window->Command3_Click();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(m_platform->messages[0].text.contains(u"est un lien symbolique"_s),
             qPrintable(m_platform->messages[0].text));
    QCOMPARE(readFile(outside), secret);
    QCOMPARE(QDir(m_app->filePath(u"res/Fonc"_s)).entryList(QDir::Files | QDir::System),
             link.startsWith(u"res"_s) ? QStringList{u"essai.zvfc"_s} : QStringList());
}

void MSdkTest::libraryThatCannotBeWrittenIsTold()
{
    box("Text1")->setText(u"essai"_s); // no res/Fonc in the program folder
    m_window->Command1_Click();
    m_window->Command2_Click();
    m_window->Command3_Click();
    QCOMPARE(m_platform->messages.size(), 2);
    QVERIFY2(m_platform->messages[1].text.startsWith(
                 u"Impossible d'ajouter la fonction à la bibliothèque : le fichier « %1 »"_s.arg(
                     donnees::appPath(u"res/Fonc/essai.zvfc"_s))),
             qPrintable(m_platform->messages[1].text));
}

QTEST_MAIN(MSdkTest)
#include "test_m_sdk.moc"
