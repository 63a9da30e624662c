// zorv-ini: reads and writes keys of profile files from the command line, through the same store
// as the program, for people who script their function and values files. The help text below is
// the contract; README.md repeats it.

#include "settings/core/ini.h"
#include "settings/core/profile_store.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <csignal>
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
      "          la clé n'existe pas, ou quand le fichier ne peut pas être lu.\n"
      "  write   enregistre VALUE (sans les blancs de ses extrémités) et affiche 1 quand\n"
      "          le fichier est écrit, 0 quand il ne l'est pas (il reste alors tel quel).\n"
      "Arguments et sortie en UTF-8 ; le fichier garde son codage (Windows-1252).\n"
      "\n"
      "Code de sortie :\n"
      "  0  fait, et la sortie est écrite ;\n"
      "  1  write : le fichier n'est pas écrit ; read : le fichier existe mais ne peut pas\n"
      "     être lu (la raison sur l'erreur standard) ;\n"
      "  2  erreur d'utilisation ;\n"
      "  3  la sortie n'a pas pu être écrite (pour write, le fichier est bien écrit).\n";

enum Status {
    Done = 0,
    NotWritten = 1,
    Unreadable = 1,
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

// Why a file that is there cannot be read as a profile file: empty when it can, or is not there
// (a missing file reads as the default, as documented).
QString unreadable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    if (info.isDir())
        return QStringLiteral("c'est un dossier");
    if (!info.isFile())
        return QStringLiteral("ce n'est pas un fichier");
    if (info.size() > zorv::settings::MaxProfileFileSize)
        return QStringLiteral("il dépasse %1 Mio").arg(zorv::settings::MaxProfileFileSize >> 20);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("lecture refusée (%1)").arg(file.errorString());
    return QString();
}

Status read(const QString &section, const QString &key, const QString &path, const QString &def)
{
    const Status printed = print(zorv::ReadIniValue(section, key, path, def).toUtf8() + '\n');
    const QString why = unreadable(path);
    if (why.isEmpty())
        return printed;
    std::fprintf(stderr,
                 "zorv-ini: impossible de lire « %s » : %s\n",
                 path.toUtf8().constData(),
                 why.toUtf8().constData());
    return Unreadable;
}

} // namespace

int main(int argc, char **argv)
{
    // A closed pipe is output that could not be written: status 3, not death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    const auto arg = [&](int i) { return QString::fromUtf8(argv[i]); };
    if (argc == 6 && std::strcmp(argv[1], "read") == 0)
        return read(arg(2), arg(3), arg(4), arg(5));
    if (argc == 6 && std::strcmp(argv[1], "write") == 0) {
        const qint32 result = zorv::WriteIniValue(arg(2), arg(3), arg(4), arg(5));
        // The file's fate comes first: a lost "0" must not read as a written file.
        const Status printed = print(QByteArray::number(result) + '\n');
        return result == 0 ? NotWritten : printed;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return print(QByteArray(Usage) + Help);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return print(QByteArrayLiteral("zorv-ini " ZORV_VERSION "\n"));
    std::fputs(Usage, stderr);
    return UsageError;
}
