#pragma once

#include <QString>
#include <QTest>

#include <cmath>

// QCOMPARE compares doubles with a tolerance; the engine's numbers are exact decimal roundings,
// so a digit too many must show. Negative and positive zero are told apart too.
#define ZORV_COMPARE_EXACTLY(actual, expected) \
    do { \
        const double actualValue_ = (actual); \
        const double expectedValue_ = (expected); \
        QVERIFY2(actualValue_ == expectedValue_ \
                     && std::signbit(actualValue_) == std::signbit(expectedValue_), \
                 qPrintable(u"%1 instead of %2"_s.arg(actualValue_, 0, 'g', 17) \
                                .arg(expectedValue_, 0, 'g', 17))); \
    } while (false)
