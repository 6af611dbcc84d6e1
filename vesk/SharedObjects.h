#pragma once

namespace vesk {

class DemoSession;
class NavigationState;
class Preferences;

// The three objects every screen of the main window works with, made once by
// the application and handed down by reference.
struct SharedObjects
{
    DemoSession &session;
    Preferences &preferences;
    NavigationState &navigation;
};

} // namespace vesk
