#include "support/IgnoreXErrors.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    testing_support::ignoreXErrorsLikeTheProgram();
    // The message manager belongs to this thread for the whole run, as it would in the program.
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
