// ZORV: technical and scientific calculations, chiefly the formulas of electronics.

#include "journal/core/journal.h"
#include "journal/windows/journal_problems.h"
#include "platform/program_font.h"
#include "platform/qt_platform.h"
#include "platform/user_files.h"
#include "platform/window_openers.h"
#include "shell/windows/a_start.h"
#include "shell/windows/b_window.h"
#include "shell/windows/program_icon.h"
#include "shell/windows/result_links.h"
#include "values/windows/v_normalisees.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(zorv::ApplicationName);
    // The program ends only through the menu: the splash closing before the menu shows, or the
    // main frame closing, must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // The program speaks French, whatever the user's language: Qt's own texts too (the frame's
    // window menus, the standard buttons), when the translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(u"qtbase_fr"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QApplication::setWindowIcon(zorv::programIcon());
    zorv::installProgramFont();

    zorv::QtPlatform platform;
    zorv::PlatformScope platformScope(platform);
    zorv::MainFrameHost frameHost;
    zorv::ProgramResultLinks resultLinks;
    zorv::journal::Journal journal(zorv::journal::journalFilePath());
    zorv::journal::JournalScope journalScope(journal);
    zorv::journal::showProblemsOf(journal);
    zorv::setStandardValuesOpener(&zorv::v_normalisees::open);

    zorv::a_start *splash = zorv::SingleInstance<zorv::a_start>::get();
    QObject::connect(splash, &zorv::a_start::startupFailed, &app, [] {
        QCoreApplication::exit(EXIT_FAILURE);
    });
    zorv::SingleInstance<zorv::a_start>::show();
    return app.exec();
}
