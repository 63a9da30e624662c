// The sweep window on the offscreen platform: opened from the calculator, what it draws and counts
// for the controls as they stand, its readout under the mouse and the keys, its exports, and that
// Escape closes it.

#include "functions/core/function_list.h"
#include "functions/function_test_files.h"
#include "functions/windows/c_balayage.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/sweep_chart.h"
#include "platform/program_font.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_checks.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace zorv;
using namespace zorv::test;
using namespace Qt::StringLiterals;

class CBalayageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tracerOpensTheWindowForThePickedFunction();
    void tracerWithoutPickTellsWhy();
    void drawing_data();
    void drawing();
    void readoutFollowsMouseKeysAndTable();
    void exports_data();
    void exports();
    void everyControlNamedAndCaptionsFit();
    void escapeCloses();

private:
    c_balayage *openFor(int function, const QStringList &inputs);

    std::unique_ptr<TempAppDir> m_app;
    std::unique_ptr<RecordingPlatform> m_platform;
    c_calculs *m_calculator = nullptr;
};

void CBalayageTest::initTestCase()
{
    installProgramFont();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void CBalayageTest::init()
{
    m_app = std::make_unique<TempAppDir>();
    m_platform = std::make_unique<RecordingPlatform>();
    writeFunctionFile(*m_app,
                      u"f1.zvfc"_s,
                      {.name = u"Inverse"_s,
                       .formula = u"1/d1+d2"_s,
                       .legends = {u"Courant I (A)"_s, u"Décalage"_s}});
    // Units declared for the box and the result, which the axes and the readout show.
    m_app->writeFile(u"res/Fonc/f0.zvfc"_s,
                     functionFileBytes({.name = u"Produit"_s,
                                        .formula = u"d1*d2"_s,
                                        .legends = {u"Courant I (A)"_s, u"Résistance R"_s}})
                         + "[Unites]\r\nd2=ohm\r\nResultat=V\r\n");
    m_calculator = SingleInstance<c_calculs>::get();
}

void CBalayageTest::cleanup()
{
    SingleInstance<c_balayage>::close();
    SingleInstance<c_calculs>::close();
    m_calculator = nullptr;
    m_platform.reset();
    m_app.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

c_balayage *CBalayageTest::openFor(int function, const QStringList &inputs)
{
    m_calculator->cmbFonction->setCurrentIndex(function);
    m_calculator->cmbFonction_Click();
    for (int k = 1; k <= 6; ++k)
        m_calculator->setDonnee(k, inputs.value(k - 1, u"0"_s));
    m_calculator->findChild<QPushButton *>(u"cmdTracer"_s)->click();
    return SingleInstance<c_balayage>::find();
}

void CBalayageTest::tracerOpensTheWindowForThePickedFunction()
{
    c_balayage *window = openFor(0, {u"2"_s, u"5"_s});
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), u"Balayage — Produit"_s);
    QCOMPARE(window->cmbDonnee->count(), 2);
    QCOMPARE(window->cmbDonnee->itemText(1), u"2) Résistance R"_s);
    // Two decades around the box's value, on a logarithmic scale.
    QCOMPARE(window->txtDe->text(), u"0,2"_s);
    QCOMPARE(window->txtA->text(), u"20"_s);
    QVERIFY(window->chkLogX->isChecked());
    QCOMPARE(window->curves().size(), 1);
    QCOMPARE(window->curves().first().result.points.size(), 200);
    QCOMPARE(window->curves().first().result.points.last().y, std::optional<double>(100));
    QCOMPARE(window->lblComptes->text(), u"200 points : 200 calculés, 0 refusés."_s);
    QCOMPARE(window->tblPoints->model()->rowCount(), 200);
}

void CBalayageTest::tracerWithoutPickTellsWhy()
{
    m_calculator->findChild<QPushButton *>(u"cmdTracer"_s)->click();
    QVERIFY(!SingleInstance<c_balayage>::find());
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.first().text.startsWith(u"Choisissez d'abord une fonction"_s));
}

void CBalayageTest::drawing_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("box"); // index in cmbDonnee
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("logX");
    QTest::addColumn<bool>("logY");
    QTest::addColumn<int>("second"); // index of cmbSeconde
    QTest::addColumn<QString>("values");
    QTest::addColumn<QStringList>("legends"); // of the curves drawn; none when refused
    QTest::addColumn<QString>("counts");      // lblComptes

    QTest::newRow("linear, a gap counted with its first reason")
        << 1 << 0 << u"-1"_s << u"1"_s << 3 << false << false << 0 << QString()
        << QStringList{u"Inverse"_s}
        << u"3 points : 2 calculés, 1 refusés. Premier refus, en 0 : Impossible de calculer « "
           u"Inverse » : division par zéro."_s;
    QTest::newRow("an end that cannot be read is named, nothing drawn")
        << 0 << 0 << u"1x"_s << u"5"_s << 10 << false << false << 0 << QString() << QStringList{}
        << u"De : La borne « 1x » : caractère inconnu « x »."_s;
    QTest::newRow("a logarithmic scale across zero is refused")
        << 0 << 0 << u"-1"_s << u"1"_s << 10 << true << false << 0 << QString() << QStringList{}
        << u"L'échelle logarithmique demande deux bornes non nulles et de même signe."_s;
    QTest::newRow("logarithmic ordinates over results of both signs are told")
        << 0 << 0 << u"-1"_s << u"1"_s << 5 << false << true << 0 << QString()
        << QStringList{u"Produit"_s}
        << u"5 points : 5 calculés, 0 refusés. Ordonnées linéaires : une échelle logarithmique "
           u"demande des résultats tous non nuls et de même signe."_s;
    QTest::newRow("other values of one input, one curve each")
        << 0 << 0 << u"1"_s << u"10"_s << 10 << false << false << 1 << u"10 ; 22;"_s
        << QStringList{u"Résistance R = 5"_s, u"Résistance R = 10"_s, u"Résistance R = 22"_s}
        << u"3 courbes de 10 points : 30 calculés, 0 refusés."_s;
    QTest::newRow("another function over the same input")
        << 0 << 0 << u"1"_s << u"2"_s << 2 << false << false << 2 << QString()
        << QStringList{u"Produit"_s, u"Inverse"_s}
        << u"2 courbes de 2 points : 4 calculés, 0 refusés."_s;
}

void CBalayageTest::drawing()
{
    QFETCH(int, function);
    QFETCH(int, box);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, points);
    QFETCH(bool, logX);
    QFETCH(bool, logY);
    QFETCH(int, second);
    QFETCH(QString, values);
    QFETCH(QStringList, legends);
    QFETCH(QString, counts);

    c_balayage *window = openFor(function, {u"2"_s, u"5"_s});
    window->cmbDonnee->setCurrentIndex(box);
    window->txtDe->setText(from);
    window->txtA->setText(to);
    window->spnPoints->setValue(points);
    window->chkLogX->setChecked(logX);
    window->chkLogY->setChecked(logY);
    window->cmbSeconde->setCurrentIndex(second);
    window->cmbSeconde_Click();
    window->txtSecondeValeurs->setText(values);
    window->cmdTracer_Click();

    QStringList drawn;
    for (const functions::SweepCurve &curve : window->curves()) {
        drawn << curve.legend;
        QCOMPARE(curve.result.points.size(), points);
    }
    QCOMPARE(drawn, legends);
    QCOMPARE(window->lblComptes->text(), counts);
    QCOMPARE(window->cmdCsv->isEnabled(), !legends.isEmpty());
    QCOMPARE(window->tblPoints->model()->columnCount(), legends.isEmpty() ? 0 : legends.size() + 1);
}

void CBalayageTest::readoutFollowsMouseKeysAndTable()
{
    c_balayage *window = openFor(0, {u"2"_s, u"5"_s});
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->cmbDonnee->setCurrentIndex(1);
    window->txtDe->setText(u"0"_s);
    window->txtA->setText(u"100"_s);
    window->spnPoints->setValue(101);
    window->chkLogX->setChecked(false);
    window->cmdTracer_Click();
    QCOMPARE(window->lblLecture->text(), u"Point 1 : Résistance R = 0 Ω ; Produit : 0 V"_s);

    window->chtCourbe->moveCursorNear(window->chtCourbe->positionOf(40));
    QCOMPARE(window->chtCourbe->cursorIndex(), 40);
    QCOMPARE(window->lblLecture->text(), u"Point 41 : Résistance R = 40 Ω ; Produit : 80 V"_s);
    QCOMPARE(window->tblPoints->currentIndex().row(), 40);

    window->chtCourbe->setFocus();
    QTest::keyClick(window->chtCourbe, Qt::Key_End);
    QVERIFY(window->lblLecture->text().startsWith(u"Point 101 : Résistance R = 100 Ω"_s));
    QTest::keyClick(window->chtCourbe, Qt::Key_Left);
    QCOMPARE(window->chtCourbe->cursorIndex(), 99);
    QCOMPARE(window->chtCourbe->accessibleDescription(), window->lblLecture->text());

    window->tblPoints->setCurrentIndex(window->tblPoints->model()->index(7, 1));
    QCOMPARE(window->chtCourbe->cursorIndex(), 7);
}

void CBalayageTest::exports_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("start"); // of the file written

    QTest::newRow("CSV with the journal's conventions")
        << u"cmdCsv"_s
        << QByteArray("\xEF\xBB\xBF"
                      "Courant I (A);Produit;Erreur (Produit)\r\n0,2;1;\r\n");
    QTest::newRow("PNG") << u"cmdPng"_s << QByteArray("\x89PNG");
    QTest::newRow("SVG") << u"cmdSvg"_s << QByteArray("<?xml");
}

void CBalayageTest::exports()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, start);
    c_balayage *window = openFor(0, {u"2"_s, u"5"_s});
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QString path = m_app->filePath(u"out/balayage.bin"_s);
    m_app->makeDir(u"out"_s);
    m_platform->answerNextSaveFile(path);
    window->findChild<QPushButton *>(button)->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.startsWith(start), bytes.left(80).constData());
    QVERIFY(m_platform->messages.isEmpty());
    if (button == u"cmdPng"_s)
        QVERIFY(!QImage::fromData(bytes).isNull());

    // A file that cannot be written is told, not passed over.
    m_platform->answerNextSaveFile(m_app->filePath(u"absent/balayage.bin"_s));
    window->findChild<QPushButton *>(button)->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.first().text.contains(u"ne peut pas être écrit"_s));
}

void CBalayageTest::everyControlNamedAndCaptionsFit()
{
    c_balayage *window = openFor(0, {u"2"_s, u"5"_s});
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window)
            || qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control)
            || control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"_s))
            continue;
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(captionsThatDoNotFit(window), QStringList());
    QCOMPARE(captionsThatDoNotFit(m_calculator), QStringList());
}

void CBalayageTest::escapeCloses()
{
    c_balayage *window = openFor(0, {u"2"_s, u"5"_s});
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->txtDe->setFocus();
    const QPointer<c_balayage> watched(window);
    QTest::keyClick(window->txtDe, Qt::Key_Escape);
    QTRY_VERIFY(watched.isNull());
}

QTEST_MAIN(CBalayageTest)
#include "test_c_balayage.moc"
