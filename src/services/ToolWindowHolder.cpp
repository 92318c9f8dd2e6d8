#include "services/ToolWindowHolder.h"

void tool_window_detail::releaseLater (juce::ReferenceCountedObjectPtr<juce::ReferenceCountedObject> window)
{
    // Without a message loop there is no callback of the window's still running to wait for.
    if (juce::MessageManager::getInstanceWithoutCreating() == nullptr)
        return;

    juce::MessageManager::callAsync ([held = std::move (window)]() mutable { held = nullptr; });
}
