#pragma once

namespace zorv {

// What the menu calls when the main frame could not be docked because the user had maximized or
// minimized it: a maximized frame covered the menu, so the menu is put back above every other
// window (without taking the keyboard focus), ready for the frame to hang below it again.
class AlignRecoveryComponent
{
public:
    void Recover();
};

} // namespace zorv
