#pragma once

#include <QString>

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

    int count() const { return m_count; }

private:
    QString m_folder;
    int m_count = 0;
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
