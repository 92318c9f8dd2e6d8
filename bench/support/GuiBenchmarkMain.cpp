#include "support/IgnoreXErrors.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

// The GUI benchmarks run with the framework's GUI started, on the message thread, and open windows
// on a display without a window manager as the program may.
int main (int argc, char** argv)
{
    testing_support::ignoreXErrorsLikeTheProgram();
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);
    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
