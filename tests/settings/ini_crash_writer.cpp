// Test helper: writes key "n" of section "c" of the file given, with the values 1, 2, 3, ... for
// ever, printing each value once its write has returned. test_ini_crash kills it at random.

#include "settings/core/ini.h"

#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: ini_crash_writer FILE FIRST\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (long long n = std::atoll(argv[2]);; ++n) {
        if (zorv::WriteIniValue(QStringLiteral("c"), QStringLiteral("n"), QString::number(n), path)
            == 0)
            return 1;
        std::printf("%lld\n", n);
        std::fflush(stdout);
    }
}
