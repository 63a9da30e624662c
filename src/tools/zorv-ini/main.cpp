// zorv-ini: reads and writes keys of profile files from the command line, through the same store
// as the program, for people who script their function and values files.
//
//   zorv-ini read SECTION KEY FILE DEFAULT     prints the text read
//   zorv-ini write SECTION KEY VALUE FILE      prints 1 (written, status 0) or 0 (not, status 1)
//
// Arguments and output are UTF-8; the file stays in its own encoding (Windows-1252).

#include "settings/core/ini.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

constexpr char Usage[] = "usage: zorv-ini read SECTION KEY FILE DEFAULT\n"
                         "       zorv-ini write SECTION KEY VALUE FILE\n";

void printLine(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const auto arg = [&](int i) { return QString::fromUtf8(argv[i]); };
    if (argc == 6 && std::strcmp(argv[1], "read") == 0) {
        printLine(zorv::ReadIniValue(arg(2), arg(3), arg(4), arg(5)));
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (argc == 6 && std::strcmp(argv[1], "write") == 0) {
        const qint32 result = zorv::WriteIniValue(arg(2), arg(3), arg(4), arg(5));
        printLine(QString::number(result));
        return result != 0 && std::fflush(stdout) == 0 ? 0 : 1;
    }
    std::fputs(Usage, stderr);
    return 2;
}
