#pragma once

#include "platform/platform.h"

#include <QString>

class QImage;
class QWidget;

namespace zorv::shots {

// Saves pictures of windows into one folder.
class Shots
{
public:
    explicit Shots(const QString &folder);

    // Shows the window if needed, lets it lay itself out, and saves it as NAME.png with a title bar
    // drawn above it (the offscreen platform draws none), so that its caption can be read too.
    void take(QWidget *window, const QString &name);

    // The same, with a dialog that the window opened drawn over its middle, title bar included,
    // as the user sees it.
    void takeWithDialog(QWidget *window, QWidget *dialog, const QString &name);

    int count() const { return m_count; }

private:
    void save(const QImage &image, const QString &name);

    QString m_folder;
    int m_count = 0;
};

// A platform, for the lifetime of the object, that pictures each message box over the window
// that shows it (saved as NAME.png) instead of waiting for an answer; input boxes are cancelled.
class DialogShots final : public Platform
{
public:
    DialogShots(Shots &shots, QWidget *window, const QString &name);

    MessageAnswer messageBox(const QString &text,
                             const QString &title,
                             MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<QString> inputBox(const QString &prompt,
                                    const QString &title,
                                    const QString &defaultText) override;

    void beep() override {}

    void setClipboardText(const QString &) override {}

    void endProgram() override {}

    bool copyFile(const QString &source, const QString &destination) override;

    std::optional<QString> saveFileName(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }

private:
    Shots &m_shots;
    QWidget *m_window;
    QString m_name;
    PlatformScope m_scope;
};

using ShotFunction = void (*)(Shots &);

// Registers the pictures of one subsystem; they are taken in the order of the names.
struct Registrar
{
    Registrar(const char *name, ShotFunction function);
};

// Lets pending events (layout, timers at zero, deferred deletes) run.
void settle();

} // namespace zorv::shots
