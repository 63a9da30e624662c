// Test helper: writes key KEY ("n" by default) of section "c" of the file given, with the values
// FIRST, FIRST + 1, ... for ever, or COUNT times, printing each value once its write has returned.
// test_ini_crash kills it at random, and runs two of them on one file. Before each write it checks
// that the value it wrote last is still in the file: status 3 when another writer lost it.

#include "settings/core/ini.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 5) {
        std::fputs("usage: ini_crash_writer FILE FIRST [KEY COUNT]\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString section = u"c"_s;
    const QString key = argc == 5 ? QString::fromLocal8Bit(argv[3]) : u"n"_s;
    const long long first = std::atoll(argv[2]);
    const long long end = argc == 5 ? first + std::atoll(argv[4]) : -1;
    for (long long n = first; n != end; ++n) {
        if (n != first
            && zorv::ReadIniValue(section, key, path, QString()) != QString::number(n - 1))
            return 3;
        if (zorv::WriteIniValue(section, key, QString::number(n), path) == 0)
            return 1;
        std::printf("%lld\n", n);
        std::fflush(stdout);
    }
    return 0;
}
