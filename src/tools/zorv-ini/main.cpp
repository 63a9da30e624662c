// zorv-ini: reads and writes keys of profile files from the command line, through the same store
// as the program, for people who script their function and values files. The help text below is
// the contract; README.md repeats it.

#include "settings/core/ini.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

constexpr char Usage[] = "usage: zorv-ini read SECTION KEY FILE DEFAULT\n"
                         "       zorv-ini write SECTION KEY VALUE FILE\n"
                         "       zorv-ini --help | --version\n";

constexpr char Help[]
    = "\n"
      "Lit ou écrit une clé d'un fichier de profil (fonction, valeurs, réglages de ZORV).\n"
      "  read    affiche la valeur de la clé, ou DEFAULT quand le fichier, la section ou\n"
      "          la clé n'existe pas.\n"
      "  write   enregistre VALUE (sans les blancs de ses extrémités) et affiche 1 quand\n"
      "          le fichier est écrit, 0 quand il ne l'est pas (il reste alors tel quel).\n"
      "Arguments et sortie en UTF-8 ; le fichier garde son codage (Windows-1252).\n"
      "\n"
      "Code de sortie :\n"
      "  0  fait, et la sortie est écrite ;\n"
      "  1  write : le fichier n'est pas écrit ;\n"
      "  2  erreur d'utilisation ;\n"
      "  3  la sortie n'a pas pu être écrite (pour write, le fichier est bien écrit).\n";

enum Status {
    Done = 0,
    NotWritten = 1,
    UsageError = 2,
    OutputLost = 3,
};

// Whether everything printed so far has reached standard output.
bool outputWritten()
{
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

Status print(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    if (outputWritten())
        return Done;
    std::fputs("zorv-ini: impossible d'écrire la sortie\n", stderr);
    return OutputLost;
}

} // namespace

int main(int argc, char **argv)
{
    const auto arg = [&](int i) { return QString::fromUtf8(argv[i]); };
    if (argc == 6 && std::strcmp(argv[1], "read") == 0)
        return print(zorv::ReadIniValue(arg(2), arg(3), arg(4), arg(5)).toUtf8() + '\n');
    if (argc == 6 && std::strcmp(argv[1], "write") == 0) {
        const qint32 result = zorv::WriteIniValue(arg(2), arg(3), arg(4), arg(5));
        // The file's fate comes first: a lost "0" must not read as a written file.
        const Status printed = print(QByteArray::number(result) + '\n');
        return result == 0 ? NotWritten : printed;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return print(QByteArray(Usage) + Help);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return print(QByteArrayLiteral("zorv-ini " ZORV_VERSION_TEXT "\n"));
    std::fputs(Usage, stderr);
    return UsageError;
}
