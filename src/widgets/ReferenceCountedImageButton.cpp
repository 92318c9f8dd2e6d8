#include "widgets/ReferenceCountedImageButton.h"

ReferenceCountedImageButton::ReferenceCountedImageButton (const juce::String& name)
    : juce::ImageButton (name)
{
}

ReferenceCountedImageButton::~ReferenceCountedImageButton() = default;
