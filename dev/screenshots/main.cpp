// zorv-screenshots FOLDER: renders every window of the program to PNG files in FOLDER, under the
// offscreen platform, in French, on a copy of the program folder (nothing of the real one changes).

#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "screenshots/shots.h"
#include "shell/core/donnees.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <map>

namespace zorv::shots {
std::map<std::string, ShotFunction> &registry();
}

namespace {

void copyProgramData(const QString &from, const QString &to)
{
    QDirIterator it(from,
                    QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Dirs,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(path, target);
    }
}

// The offscreen platform cannot raise windows and says so at every raise(); the pictures do not
// depend on it.
QtMessageHandler standardHandler = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise()")))
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zorv-screenshots FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    zorv::installProgramFont();

    QTemporaryDir programDir;
    copyProgramData(QString::fromUtf8(ZORV_PROGRAM_DIR), programDir.path());
    zorv::donnees::setAppDir(programDir.path());
    zorv::donnees::InitGlobals();

    zorv::shots::Shots shots(QString::fromLocal8Bit(argv[1]));
    for (const auto &[name, function] : zorv::shots::registry()) {
        function(shots);
        zorv::shots::settle();
    }
    std::printf("%d pictures\n", shots.count());
    return shots.count() > 0 ? 0 : 1;
}
