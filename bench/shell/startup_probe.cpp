// startup_probe: starts the program as zorv does, on its program folder, and prints
//   splash_drawn_ms=N   from ZORV_PROBE_T0_NS (the launcher's clock, in ns since the epoch, read
//                       just before it ran this program) to the splash's first paint
//   menu_drawn_ms=N     the same, to the menu's first paint, with the splash's second not waited
//   menu_rss_kib=N      the resident memory with the menu open (VmRSS of /proc/self/status)
// Without ZORV_PROBE_T0_NS the times count from the start of main().

#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "platform/qt_platform.h"
#include "shell/first_paint.h"
#include "shell/windows/a_start.h"
#include "shell/windows/b_menu.h"
#include "shell/windows/b_window.h"
#include "shell/windows/program_icon.h"

#include <QApplication>
#include <QFile>

#include <chrono>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

qint64 residentKib()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    const qint64 mainStart = nowNs();
    const QByteArray launched = qgetenv("ZORV_PROBE_T0_NS");
    const qint64 t0 = launched.isEmpty() ? mainStart : launched.toLongLong();

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(zorv::programIcon());
    zorv::installProgramFont();
    zorv::QtPlatform platform;
    zorv::PlatformScope platformScope(platform);
    zorv::MainFrameHost frameHost;
    zorv::InstalledScope<zorv::FrameHost> frameScope(frameHost);
    zorv::donnees::setAppDir(QString::fromUtf8(ZORV_PROGRAM_DIR));

    zorv::a_start *splash = zorv::SingleInstance<zorv::a_start>::show();
    if (!waitForFirstPaint(splash)) {
        std::fprintf(stderr, "startup_probe: the splash was never painted\n");
        return 1;
    }
    const qint64 splashDrawn = nowNs();

    splash->Timer1_Timer();
    zorv::b_menu *menu = zorv::SingleInstance<zorv::b_menu>::find();
    if (!menu || !waitForFirstPaint(menu)) {
        std::fprintf(stderr, "startup_probe: the menu was never painted\n");
        return 1;
    }
    const qint64 menuDrawn = nowNs();

    std::printf("splash_drawn_ms=%.1f\nmenu_drawn_ms=%.1f\nmenu_rss_kib=%lld\n",
                double(splashDrawn - t0) / 1e6,
                double(menuDrawn - t0) / 1e6,
                residentKib());
    zorv::SingleInstance<zorv::b_menu>::close();
    zorv::SingleInstance<zorv::b_window>::close();
    return 0;
}
