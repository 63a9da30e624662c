// The settings file's place and the meaning of its stored texts.

#include "settings/core/options.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace zorv;

class OptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsFileIsBelowTheProgramFolderOfTheMoment();
    void optionIsOn_data();
    void optionIsOn();
};

void OptionsTest::settingsFileIsBelowTheProgramFolderOfTheMoment()
{
    test::TempAppDir first;
    const QString expected = QDir::toNativeSeparators(
        first.filePath(u"parametres/da4bc5a4bc88a4bc88a4bc88.zorv"_s));
    QCOMPARE(settings::settingsFilePath(), expected);
    {
        test::TempAppDir second;
        QVERIFY(settings::settingsFilePath().startsWith(QDir::toNativeSeparators(second.path())));
    }
}

void OptionsTest::optionIsOn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("on");
    QTest::newRow("1 is on") << "1" << true;
    QTest::newRow("0 is off") << "0" << false;
    QTest::newRow("2 is off: only the number 1 is on") << "2" << false;
    QTest::newRow("-1 is off") << "-1" << false;
    QTest::newRow("the empty text is off") << "" << false;
    QTest::newRow("a text that is no number counts as 0") << "abc" << false;
    QTest::newRow("a number followed by letters is no number") << "1abc" << false;
    QTest::newRow("blanks around the 1") << " 1 " << true;
    QTest::newRow("1.0 is the number 1") << "1.0" << true;
    QTest::newRow("01 is the number 1") << "01" << true;
    QTest::newRow("+1 is the number 1") << "+1" << true;
    QTest::newRow("a decimal comma is no number") << "1,0" << false;
    QTest::newRow("1.5 is not 1") << "1.5" << false;
}

void OptionsTest::optionIsOn()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);
    QCOMPARE(settings::optionIsOn(stored), on);
}

QTEST_GUILESS_MAIN(OptionsTest)
#include "test_options.moc"
