#pragma once

namespace zorv {

// The component that the information window calls when it cannot show a function (no function is
// picked in the calculator). Created, run once, released; its result means nothing to the caller.
class InfoFailureComponent
{
public:
    // Tells the user, in a message box, that a function must be picked first.
    int Run();
};

} // namespace zorv
