#include "app/ChooserBox.h"

#include "services/WindowStacking.h"

namespace
{
// Hiding is what the box's own Cancel button does (its handler is private): a modal box taken
// off the screen ends its modal state with 0, the framework's "cancelled".
class CancelOnCloseDialogBox final : public juce::FileChooserDialogBox
{
public:
    using juce::FileChooserDialogBox::FileChooserDialogBox;

    void userTriedToCloseWindow() override { setVisible (false); }
};
} // namespace

// Put together as the framework puts its own box together, in the same order: the box refers to the
// browser, which refers to the filter.
struct ChooserBox::FrameworkBox
{
    FrameworkBox (const juce::String& title, const juce::String& pattern, int flags)
        : filter (pattern, {}, {})
        , browser (flags, {}, &filter, nullptr)
        , box (title, {}, browser, (flags & juce::FileBrowserComponent::warnAboutOverwriting) != 0,
               browser.findColour (juce::AlertWindow::backgroundColourId), nullptr)
    {
    }

    juce::File getChosen() const
    {
        return browser.getNumSelectedFiles() > 0 ? browser.getSelectedFile (0) : juce::File();
    }

    juce::WildcardFileFilter filter;
    juce::FileBrowserComponent browser;
    CancelOnCloseDialogBox box;
};

ChooserBox::ChooserBox (const juce::String& title, const juce::String& pattern, Purpose purposeToUse)
    : purpose (purposeToUse)
    , desktopChooser (title, {}, pattern)
{
    if (!juce::FileChooser::isPlatformDialogAvailable())
    {
        frameworkBox = std::make_unique<FrameworkBox> (title, pattern.trim().isEmpty() ? "*" : pattern,
                                                       getBrowserFlags());
        WindowStacking::carryTitle (frameworkBox->box);
    }
}

ChooserBox::~ChooserBox() = default;

int ChooserBox::getBrowserFlags() const
{
    using Browser = juce::FileBrowserComponent;
    return Browser::canSelectFiles |
           (purpose == Purpose::save ? Browser::saveMode | Browser::warnAboutOverwriting : Browser::openMode);
}

juce::File ChooserBox::choose()
{
    if (frameworkBox != nullptr)
        return frameworkBox->box.show() ? frameworkBox->getChosen() : juce::File();

    const auto chosen = purpose == Purpose::save ? desktopChooser.browseForFileToSave (true)
                                                 : desktopChooser.browseForFileToOpen();
    return chosen ? desktopChooser.getResult() : juce::File();
}

void ChooserBox::launch (std::function<void (const juce::File&)> onChosen)
{
    if (frameworkBox == nullptr)
    {
        desktopChooser.launchAsync (getBrowserFlags(),
                                    [onChosen = std::move (onChosen)] (const juce::FileChooser& answered)
                                    { onChosen (answered.getResult()); });
        return;
    }

    // The box is this object's, never the framework's to delete; one deleted while it is up still
    // hears the end of its modal state, and must not answer then.
    auto& box = frameworkBox->box;
    box.centreWithDefaultSize (nullptr);
    box.enterModalState (true,
                         juce::ModalCallbackFunction::create (
                             [framework = frameworkBox.get(), shown = juce::Component::SafePointer (&box),
                              onChosen = std::move (onChosen)] (int result)
                             {
                                 if (shown != nullptr)
                                     onChosen (result != 0 ? framework->getChosen() : juce::File());
                             }),
                         false);
}
