#pragma once

#include "platform/hook.h"

#include <QPointer>
#include <QWidget>

namespace zorv {

// Where a window opens: on its own, or as a child of the main frame.
enum class WindowKind {
    TopLevel,
    FrameChild
};

// The main frame, as the windows see it. The shell installs it (Installed<FrameHost>); without one
// (tests, screenshots) a frame child opens as a window of its own.
class FrameHost
{
public:
    virtual ~FrameHost() = default;

    // Shows the child inside the frame (adopting it on first use), shows the frame if it is
    // hidden and brings the child to the front.
    virtual void showChild(QWidget *child) = 0;
};

// Shows a window of the given kind, or brings it to the front when it is shown already.
void showWindow(QWidget *window, WindowKind kind);

// Closes a window, or the frame's sub-window that holds it.
void closeWindow(QWidget *window);

// Makes Enter on a focused push button of the window press it, as users expect of every button.
// Outside a dialog Qt's buttons answer only the space bar. No button becomes the default: Enter in
// a text box still presses nothing.
void letEnterPressFocusedButtons(QWidget *window);

// The one instance of a window class. The class declares
//     static constexpr zorv::WindowKind windowKind = ...;
// and a constructor callable as W(nullptr) that builds the controls and runs the load handler.
// A frame child declares its title-bar buttons with window flag hints on itself (for instance
// Qt::CustomizeWindowHint without Qt::WindowMaximizeButtonHint); the frame applies them.
//
// The window is deleted when it is closed (Qt::WA_DeleteOnClose); the holder forgets it then, and
// the next use creates it afresh. Its buttons answer Enter (letEnterPressFocusedButtons).
template<class W>
class SingleInstance
{
public:
    // The window, created (running its load handler) when it does not exist; never shown here.
    static W *get()
    {
        if (!s_window) {
            s_window = new W(nullptr);
            s_window->setAttribute(Qt::WA_DeleteOnClose);
            letEnterPressFocusedButtons(s_window.data());
        }
        return s_window.data();
    }

    // The window if it exists, else nullptr.
    static W *find() { return s_window.data(); }

    // Creates the window if needed, then shows it or brings it to the front.
    static W *show()
    {
        W *window = get();
        showWindow(window, W::windowKind);
        return window;
    }

    // Closes the window if it exists (it is deleted at once, so the next use starts afresh).
    static void close()
    {
        if (s_window) {
            closeWindow(s_window.data());
            delete s_window.data();
        }
    }

private:
    static inline QPointer<W> s_window;
};

} // namespace zorv
