#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    // The message manager belongs to this thread for the whole run, as it would in the program.
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
