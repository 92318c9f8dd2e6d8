#include <juce_events/juce_events.h>

// This test program holds the application object, one at a time, as the editor does: JUCE accepts
// an application object only in a program it knows to be an application, which is one that says
// how its application is made. The tests make theirs themselves, each with its own fakes, so the
// maker is never called. Set before main, so that the message manager and the display connection
// are set up as they are for the editor.
namespace
{
juce::JUCEApplicationBase* neverCalled()
{
    return nullptr;
}

[[maybe_unused]] const bool isApplicationProgram = []
{
    juce::JUCEApplicationBase::createInstance = &neverCalled;
    return true;
}();
} // namespace
