#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#if JUCE_LINUX || JUCE_BSD
#include <dlfcn.h>

// A program made by JUCE installs an X error handler that ignores errors, and JUCE relies on it: on
// an X server without a window manager it asks for window-manager properties that do not exist, and
// the default handler would end the process. A test process is no such program, so it installs the
// same kind of handler itself. libX11 is loaded at run time by JUCE too, so it is looked up likewise.
static void ignoreXErrorsLikeTheProgram()
{
    auto* x11 = ::dlopen ("libX11.so.6", RTLD_LAZY);
    if (x11 == nullptr)
        return;
    using Handler = int (*) (void*, void*);
    using SetHandler = Handler (*) (Handler);
    if (auto setHandler = reinterpret_cast<SetHandler> (::dlsym (x11, "XSetErrorHandler")))
        setHandler ([] (void*, void*) { return 0; });
}
#endif

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
#if JUCE_LINUX || JUCE_BSD
    ignoreXErrorsLikeTheProgram();
#endif
    // The message manager belongs to this thread for the whole run, as it would in the program.
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
