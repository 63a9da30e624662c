#include "platform/single_instance.h"
#include "support/window_cleanup.h"

#include <QApplication>
#include <QTest>

using namespace zorv;

namespace {

int loads = 0;

class Sample : public QWidget
{
public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit Sample(QWidget *parent)
        : QWidget(parent)
    {
        ++loads;
    }
};

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void getCreatesOnceWithoutShowing();
    void closingForgetsTheWindow();
};

void SingleInstanceTest::cleanup()
{
    QCOMPARE(test::closeAllWindows(), QStringList());
    loads = 0;
}

void SingleInstanceTest::getCreatesOnceWithoutShowing()
{
    Sample *first = SingleInstance<Sample>::get();
    QCOMPARE(SingleInstance<Sample>::get(), first);
    QCOMPARE(loads, 1);
    QVERIFY(!first->isVisible());
    QCOMPARE(SingleInstance<Sample>::show(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(loads, 1);
}

void SingleInstanceTest::closingForgetsTheWindow()
{
    SingleInstance<Sample>::show()->close();
    // Deletion on close is deferred to the event loop.
    QTRY_VERIFY(!SingleInstance<Sample>::find());
    SingleInstance<Sample>::show();
    QCOMPARE(loads, 2);
}

QTEST_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
