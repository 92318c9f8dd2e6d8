#include "editor/MainContentComponent.h"

MainContentComponent::MainContentComponent (EditorPreset::Ptr presetToEdit,
                                            const juce::Image& backgroundImage)
    : preset (std::move (presetToEdit))
    , background (backgroundImage)
{
    setOpaque (true);
    if (background.isValid())
        setSize (background.getWidth(), background.getHeight());
    else
        setSize (defaultWidth, defaultHeight);
}

MainContentComponent::~MainContentComponent() = default;

void MainContentComponent::paint (juce::Graphics& g)
{
    if (background.isValid())
        g.drawImageAt (background, 0, 0);
    else
        g.fillAll (juce::Colour (0xff1c1d20));
}
