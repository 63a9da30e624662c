#pragma once

#include "platform/hook.h"

#include <QString>

#include <optional>

namespace zorv {

enum class MessageButtons {
    Ok,
    OkCancel,
    YesNo
};

enum class MessageIcon {
    None,
    Information,
    Warning,
    Critical
};

enum class MessageAnswer {
    Ok,
    Cancel,
    Yes,
    No
};

// The title of every message box that has none of its own.
extern const QString AppTitle;

// The services of the system that the windows need. Windows never open Qt's dialogs or touch the
// clipboard directly: they go through the installed platform, so that a test can answer a dialog
// without a modal loop and check what the user would have seen.
class Platform
{
public:
    virtual ~Platform() = default;

    // Shows a message box and returns the button pressed. An empty title means AppTitle.
    virtual MessageAnswer messageBox(const QString &text,
                                     const QString &title = QString(),
                                     MessageButtons buttons = MessageButtons::Ok,
                                     MessageIcon icon = MessageIcon::None)
        = 0;

    // Shows an input box with OK and Cancel; returns the text on OK, nothing on Cancel.
    virtual std::optional<QString> inputBox(const QString &prompt,
                                            const QString &title,
                                            const QString &defaultText)
        = 0;

    virtual void beep() = 0;
    virtual void setClipboardText(const QString &text) = 0;

    // Ends the program at once: every window goes, no close handler runs, nothing is asked.
    virtual void endProgram() = 0;

    // Copies a file, replacing the file at the destination; false when it could not be done (the
    // destination is then unchanged). A destination that is a link or no file is not written.
    virtual bool copyFile(const QString &source, const QString &destination) = 0;

    // Asks the user where to save a file (`filter` as Qt's file dialogs take it, "CSV (*.csv)");
    // the path chosen, nothing when the user cancels.
    virtual std::optional<QString> saveFileName(const QString &title,
                                                const QString &suggestedPath,
                                                const QString &filter)
        = 0;
};

// The platform in use: the installed one (Installed<Platform>, see hook.h), else a headless one
// (messages go to standard error, input boxes are cancelled), which is what the command-line
// tools want.
Platform &platform();

// Installs a platform for the lifetime of the scope.
using PlatformScope = InstalledScope<Platform>;

// The copy that every platform performs: the destination is replaced whole, in its own folder and
// never through a link (see FileReplacement), so a failure leaves it as it was.
bool copyFileReplacing(const QString &source, const QString &destination);

} // namespace zorv
