#include "support/IgnoreXErrors.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

// Under a sanitizer, the stack that raised an assertion is printed with names and lines.
extern "C" void __sanitizer_print_stack_trace() __attribute__ ((weak));

namespace
{
std::atomic<bool> testsRunning{false};

// A Debug build reports each failed jassert (JUCE's or ours), each leaked object and each deletion
// through a dangling pointer as "JUCE Assertion failure in <file>:<line>" to the current logger.
// Here it fails the test that raised it. A leak is only found once the program ends, after every
// test: as CTest runs each test in a process of its own, ending that process with a failure fails
// the test that leaked.
class AssertionsFailTests final : public juce::Logger
{
    void logMessage (const juce::String& message) override
    {
        juce::Logger::outputDebugString (message);
        const juce::String prefix ("JUCE Assertion failure in ");
        if (!message.startsWith (prefix))
            return;
        const auto where = message.substring (prefix.length());
        const auto file = where.upToLastOccurrenceOf (":", false, false);
        const auto line = where.fromLastOccurrenceOf (":", false, false).getIntValue();
        if (testsRunning)
        {
            if (__sanitizer_print_stack_trace != nullptr)
                __sanitizer_print_stack_trace();
            ADD_FAILURE_AT (file.toRawUTF8(), line) << message;
            return;
        }
        std::fprintf (stderr, "%s, outside any test (a leak is found as the program ends): the run fails\n",
                      message.toRawUTF8());
        std::fflush (stderr);
        std::_Exit (EXIT_FAILURE);
    }
};
} // namespace

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    testing_support::ignoreXErrorsLikeTheProgram();
    // Never deleted: leaks are reported to it after main has returned.
    juce::Logger::setCurrentLogger (new AssertionsFailTests());
    // The message manager belongs to this thread for the whole run, as it would in the program.
    juce::ScopedJuceInitialiser_GUI juce;
    testsRunning = true;
    const auto result = RUN_ALL_TESTS();
    testsRunning = false;
    return result;
}
