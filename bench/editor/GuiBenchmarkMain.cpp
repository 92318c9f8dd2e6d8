#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#if JUCE_LINUX || JUCE_BSD
#include <dlfcn.h>

// A program made by JUCE ignores X errors (it asks a display without a window manager for the
// manager's properties); these benchmarks open windows too, so they do the same.
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

// The editor's benchmarks run with the framework's GUI started, on the message thread.
int main (int argc, char** argv)
{
#if JUCE_LINUX || JUCE_BSD
    ignoreXErrorsLikeTheProgram();
#endif
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);
    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
