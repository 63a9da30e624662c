#include "engine/core/calcule.h"
#include "engine/windows/q_resolution.h"
#include "platform/program_font.h"
#include "platform/result_menu.h"
#include "platform/single_instance.h"
#include "platform/twips.h"
#include "support/recording_platform.h"
#include "support/window_checks.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zorv;
using Window = SingleInstance<q_resolution>;

namespace {

// Where "Valeurs normalisées" would lead, recorded.
class RecordingLinks final : public ResultLinks
{
public:
    void showJournal() override {}

    bool canShowStandardValues() const override { return true; }

    void showStandardValues(double value, const QString &) override { shown.append(value); }

    QList<double> shown;
};

} // namespace

class QResolutionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheValue_data();
    void showsTheValue();
    void buttonClickComputes();
    void enterInTheExpressionDoesNotCompute();
    void enterOnTheFocusedButtonComputes();
    void cancelKeepsTheExpression();
    void failureShowsTheReason_data();
    void failureShowsTheReason();
    void resultMenuFollowsTheExpression_data();
    void resultMenuFollowsTheExpression();
    void windowLayout();
    void captionFitsTheButton();
    void engineOperationsDoNotShowTheWindow();

private:
    QLineEdit *text1() const { return Window::find()->findChild<QLineEdit *>(u"Text1"_s); }

    QPushButton *command1() const
    {
        return Window::find()->findChild<QPushButton *>(u"Command1"_s);
    }
};

void QResolutionTest::initTestCase()
{
    installProgramFont();
}

void QResolutionTest::init()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void QResolutionTest::cleanup()
{
    Window::close();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void QResolutionTest::showsTheValue_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("shown");

    const QLocale french(QLocale::French, QLocale::France);
    QTest::newRow("empty expression shows 0") << french << QString() << u"0"_s;
    QTest::newRow("implicit product") << french << u"2(3+4)"_s << u"14"_s;
    QTest::newRow("comma as decimal point") << french << u"1,5 * 2"_s << u"3"_s;
    QTest::newRow("French decimal comma") << french << u"15/2"_s << u"7,5"_s;
    QTest::newRow("French exponent form") << french << u"10°20*1,5"_s << u"1,5E+20"_s;
    QTest::newRow("small value") << french << u"0,00001"_s << u"1E-05"_s;
    QTest::newRow("square and power signs typed") << french << u"3²+2°3"_s << u"17"_s;
    QTest::newRow("English decimal point")
        << QLocale(QLocale::English, QLocale::UnitedStates) << u"15/2"_s << u"7.5"_s;
}

void QResolutionTest::showsTheValue()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expression);
    QFETCH(QString, shown);
    QLocale::setDefault(locale);
    test::RecordingPlatform platform;
    Window::show();
    QTest::keyClicks(text1(), expression);
    Window::find()->Command1_Click();
    QCOMPARE(platform.inputs.size(), 1);
    QCOMPARE(platform.inputs[0].prompt, QString());
    QCOMPARE(platform.inputs[0].title, u"Résultat"_s);
    QCOMPARE(platform.inputs[0].defaultText, shown);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(text1()->text(), expression);
}

void QResolutionTest::buttonClickComputes()
{
    test::RecordingPlatform platform;
    Window::show();
    text1()->setText(u"V9+1"_s);
    QTest::mouseClick(command1(), Qt::LeftButton);
    QCOMPARE(platform.inputs.size(), 1);
    QCOMPARE(platform.inputs[0].defaultText, u"4"_s);
}

void QResolutionTest::enterInTheExpressionDoesNotCompute()
{
    test::RecordingPlatform platform;
    Window::show();
    QTest::keyClicks(text1(), u"1+1"_s);
    QTest::keyClick(text1(), Qt::Key_Return);
    QTest::keyClick(text1(), Qt::Key_Enter);
    QVERIFY(platform.inputs.isEmpty());
    QVERIFY(!command1()->isDefault());
}

void QResolutionTest::enterOnTheFocusedButtonComputes()
{
    test::RecordingPlatform platform;
    QVERIFY(QTest::qWaitForWindowActive(Window::show()));
    QTest::keyClicks(text1(), u"1+1"_s);
    command1()->setFocus();
    QTest::keyClick(command1(), Qt::Key_Return);
    QCOMPARE(platform.inputs.size(), 1);
    QCOMPARE(platform.inputs[0].defaultText, u"2"_s);
}

void QResolutionTest::cancelKeepsTheExpression()
{
    test::RecordingPlatform platform;
    platform.cancelNextInput();
    Window::show();
    QTest::keyClicks(text1(), u"2(3+4)"_s);
    Window::find()->Command1_Click();
    QCOMPARE(platform.inputs.size(), 1);
    QCOMPARE(text1()->text(), u"2(3+4)"_s);
    QVERIFY(Window::find()->isVisible());
    // The window stays usable: a second computation works.
    Window::find()->Command1_Click();
    QCOMPARE(platform.inputs.size(), 2);
    QCOMPARE(platform.inputs[1].defaultText, u"14"_s);
}

void QResolutionTest::failureShowsTheReason_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<engine::EvalFailure>("failure");
    QTest::newRow("unclosed parenthesis")
        << u"2 * (3"_s << engine::EvalFailure::UnclosedParenthesis;
    QTest::newRow("division by zero") << u"3/(1-1)"_s << engine::EvalFailure::DivisionByZero;
    QTest::newRow("overflow") << u"10°400"_s << engine::EvalFailure::Overflow;
    QTest::newRow("zero to a negative power")
        << u"0°-1"_s << engine::EvalFailure::ZeroToNegativePower;
}

void QResolutionTest::failureShowsTheReason()
{
    QFETCH(QString, expression);
    QFETCH(engine::EvalFailure, failure);
    test::RecordingPlatform platform;
    Window::show();
    QTest::keyClicks(text1(), expression);
    Window::find()->Command1_Click();
    QVERIFY(platform.inputs.isEmpty());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].title, u"ZORV"_s);
    QCOMPARE(platform.messages[0].text,
             u"Impossible de calculer cette expression : "_s + engine::frenchReason(failure) + u'.');
    QCOMPARE(platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(text1()->text(), expression);
    QVERIFY(Window::find()->isVisible());
}

void QResolutionTest::resultMenuFollowsTheExpression_data()
{
    QTest::addColumn<QStringList>("computed"); // in turn with "->"
    QTest::addColumn<QString>("inTheBox");     // typed afterwards; empty: left as it is
    QTest::addColumn<QString>("copied");       // empty: the result items are disabled
    QTest::newRow("nothing computed") << QStringList() << u"1+1"_s << QString();
    QTest::newRow("the result of the expression") << QStringList{u"1+1"_s} << QString() << u"2"_s;
    QTest::newRow("a refusal after a result")
        << QStringList{u"1+1"_s, u"4#7"_s} << QString() << QString();
    QTest::newRow("a result after a refusal")
        << QStringList{u"4#7"_s, u"15/2"_s} << QString() << u"7,5"_s;
    QTest::newRow("edited after the result") << QStringList{u"1+1"_s} << u"1+2"_s << QString();
    QTest::newRow("edited back to what was computed")
        << QStringList{u"2*3"_s} << u"2*3"_s << u"6"_s;
}

void QResolutionTest::resultMenuFollowsTheExpression()
{
    QFETCH(QStringList, computed);
    QFETCH(QString, inTheBox);
    QFETCH(QString, copied);
    test::RecordingPlatform platform;
    RecordingLinks links;
    ResultLinks *previous = setResultLinks(&links);
    const auto restore = qScopeGuard([previous] { setResultLinks(previous); });
    Window::show();
    for (const QString &expression : computed) {
        text1()->setText(expression);
        Window::find()->Command1_Click();
    }
    if (!inTheBox.isEmpty()) {
        text1()->clear();
        QTest::keyClicks(text1(), inTheBox);
    }

    QMenu *menu = test::openContextMenu(text1());
    QVERIFY(menu);
    QAction *copy = menu->findChild<QAction *>(u"CopierResultat"_s);
    QAction *standard = menu->findChild<QAction *>(u"ValeursNormalisees"_s);
    QVERIFY(copy && standard);
    QCOMPARE(copy->isEnabled(), !copied.isEmpty());
    QCOMPARE(standard->isEnabled(), !copied.isEmpty());
    copy->trigger();
    standard->trigger();
    menu->close();
    QCOMPARE(platform.clipboard, copied);
    QCOMPARE(links.shown.size(), copied.isEmpty() ? 0 : 1);
    if (!copied.isEmpty())
        QCOMPARE(links.shown[0], QLocale().toDouble(copied));
}

void QResolutionTest::windowLayout()
{
    q_resolution *window = Window::show();
    QCOMPARE(window->windowTitle(), u"Moteur de Calcul d'équations"_s);
    QVERIFY(window->isWindow());
    QCOMPARE(window->parentWidget(), nullptr);
    QCOMPARE(q_resolution::windowKind, WindowKind::TopLevel);
    QCOMPARE(window->size(), twipsSize(4785, 660));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);

    QCOMPARE(text1()->geometry(), twips(120, 120, 3495, 375));
    QVERIFY(text1()->text().isEmpty());
    QVERIFY(!text1()->accessibleName().isEmpty());
    QCOMPARE(command1()->geometry(), twips(3840, 120, 855, 375));
    QCOMPARE(command1()->text(), u"->"_s);
    QCOMPARE(test::focusOrder(window, {u"Text1"_s, u"Command1"_s}),
             QStringList({u"Text1"_s, u"Command1"_s}));
    QCOMPARE(window->focusWidget(), text1());
}

void QResolutionTest::captionFitsTheButton()
{
    Window::show();
    QPushButton *button = command1();
    QCOMPARE(button->font().family(), programFont().family());
    const QFontMetrics metrics(programFont());
    const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
    // The style's minimum width of a button is no matter here; its margins and frame are.
    QStyle *style = button->style();
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int margins = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    QVERIFY2(text.width() + margins + frame <= button->width(),
             qPrintable(u"needs %1 pixels, has %2"_s.arg(text.width() + margins + frame)
                            .arg(button->width())));
    QVERIFY(text.height() + frame <= button->height());
}

void QResolutionTest::engineOperationsDoNotShowTheWindow()
{
    q_resolution *window = Window::get();
    QCOMPARE(window->Calcule(u"2(3+4)"_s), 14.0);
    QCOMPARE(q_resolution::GetSeparator(7, u"0+2*-3-1+0", 1), qsizetype(8));
    QCOMPARE(q_resolution::ValSp(u"-6"), u"-6.0"_s + QString(30, u'0'));
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(QResolutionTest)
#include "test_q_resolution.moc"
