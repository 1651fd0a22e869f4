#pragma once

namespace Zorvane {

// How the program reaches the platform: each seam is a small interface whose production
// implementation shows the real dialog, opens the real browser or reads the real clock. Tests put
// an implementation of their own in place, and take it out again, through install().
template <typename Interface> class Seam
{
public:
    // The implementation in use: the installed one, or else production's.
    static Interface &get() { return s_installed ? *s_installed : production(); }
    // Puts implementation in place of production's; nullptr puts production's back.
    static void install(Interface *implementation) { s_installed = implementation; }

private:
    // Defined beside each interface, in the platform library.
    static Interface &production();

    static inline Interface *s_installed = nullptr;
};

} // namespace Zorvane
