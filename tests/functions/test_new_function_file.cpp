#include "functions/core/new_function_file.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QTest>

using namespace zorv;
using namespace zorv::functions;
using namespace Qt::StringLiterals;

class NewFunctionFileTest : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void paths();
};

void NewFunctionFileTest::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<NameProblem>("problem");

    QTest::newRow("plain name") << u"ohm_tension"_s << NameProblem::None;
    QTest::newRow("empty name makes .zvfc") << u""_s << NameProblem::None;
    QTest::newRow("accents and blanks") << u"énergie stockée"_s << NameProblem::None;
    QTest::newRow("one dot") << u"filtre.v2"_s << NameProblem::None;
    QTest::newRow("slash") << u"a/b"_s << NameProblem::FolderSeparator;
    QTest::newRow("backslash") << u"a\\b"_s << NameProblem::FolderSeparator;
    QTest::newRow("parent folder with a separator") << u"../evil"_s << NameProblem::FolderSeparator;
    QTest::newRow("two dots alone") << u".."_s << NameProblem::ParentReference;
    QTest::newRow("two dots inside") << u"a..b"_s << NameProblem::ParentReference;
    for (const QChar c : u"<>:\"|?*"_s)
        QTest::addRow("forbidden %c", c.toLatin1())
            << (u"a"_s + c + u"b"_s) << NameProblem::ForbiddenCharacter;
    QTest::newRow("NUL") << (u"a"_s + QChar(0) + u"b"_s) << NameProblem::ForbiddenCharacter;
    QTest::newRow("tab") << u"a\tb"_s << NameProblem::ForbiddenCharacter;
    QTest::newRow("line feed") << u"a\nb"_s << NameProblem::ForbiddenCharacter;
    QTest::newRow("DEL") << (u"a"_s + QChar(0x7f)) << NameProblem::ForbiddenCharacter;
    QTest::newRow("250 letters fit") << QString(250, u'a') << NameProblem::None;
    QTest::newRow("251 letters do not fit with .zvfc")
        << QString(251, u'a') << NameProblem::TooLong;
    QTest::newRow("length counts bytes, not characters")
        << QString(126, u'é') << NameProblem::TooLong;
}

void NewFunctionFileTest::names()
{
    QFETCH(QString, name);
    QFETCH(NameProblem, problem);
    QCOMPARE(checkNewFunctionName(name), problem);
}

void NewFunctionFileTest::paths()
{
    test::TempAppDir app;
    const QString root = QDir::toNativeSeparators(app.path());
    QCOMPARE(templatePath(), root + QDir::separator() + u"Template.zvfc"_s);
    QCOMPARE(outputFolder(), root + QDir::separator() + u"out"_s);
    QCOMPARE(newFunctionFilePath(u"essai"_s), QDir::toNativeSeparators(root + u"/out/essai.zvfc"_s));
    QCOMPARE(newFunctionFilePath(QString()), QDir::toNativeSeparators(root + u"/out/.zvfc"_s));
}

QTEST_GUILESS_MAIN(NewFunctionFileTest)
#include "test_new_function_file.moc"
