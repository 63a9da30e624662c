#pragma once

#include "documents/windows/c_documents.h"
#include "documents/windows/m_help.h"
#include "engine/windows/q_resolution.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/e_more.h"
#include "functions/windows/m_sdk.h"
#include "platform/single_instance.h"
#include "settings/core/ini.h"
#include "settings/core/options.h"
#include "settings/windows/d_options.h"
#include "shell/windows/a_start.h"
#include "shell/windows/about_box.h"
#include "shell/windows/b_menu.h"
#include "shell/windows/b_window.h"
#include "shell/windows/c_outils.h"
#include "shell/windows/e_tri.h"
#include "shell/windows/z_quit.h"
#include "support/recording_platform.h"
#include "support/temp_app_dir.h"
#include "support/window_cleanup.h"
#include "values/windows/c_donnees.h"
#include "values/windows/r_chargement_data.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace zorv::test {

using namespace Qt::StringLiterals;

// A program folder with the shipped pictures and a settings folder.
class ProgramFolder : public TempAppDir
{
public:
    ProgramFolder()
    {
        copyFromShippedData(u"Data"_s);
        makeDir(u"parametres"_s);
    }

    // Stores a setting as the options window would.
    bool setOption(const QString &section, const QString &key, const QString &value) const
    {
        return WriteIniValue(section, key, value, settings::settingsFilePath()) == 1;
    }
};

// What every test of the shell runs in: a recording platform, a fresh program folder with the
// shipped pictures, and the main frame as the host of the frame's children. Every window is closed
// when it goes.
struct ShellScope
{
    ~ShellScope() { closeProgramWindows(); }

    RecordingPlatform platform;
    ProgramFolder folder;
    MainFrameHost frameHost;
    InstalledScope<FrameHost> frameScope{frameHost};
};

// The number of windows of a class that exist, shown or not.
template<class W>
int instances()
{
    int count = 0;
    const QWidgetList windows = QApplication::allWidgets();
    for (QWidget *widget : windows)
        count += qobject_cast<W *>(widget) ? 1 : 0;
    return count;
}

// The frame's sub-window holding the child, or nullptr when the child is not in the frame.
inline QMdiSubWindow *frameSubWindowOf(const QWidget *child)
{
    b_window *frame = SingleInstance<b_window>::find();
    return frame ? frame->subWindowOf(child) : nullptr;
}

// Shows the one window of a class and waits until it is the active window, as the keyboard tests
// need; a window system that does not activate it only earns a warning.
template<class W>
W *showActive()
{
    W *window = SingleInstance<W>::show();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s did not become the active window", W::staticMetaObject.className());
    return window;
}

} // namespace zorv::test
