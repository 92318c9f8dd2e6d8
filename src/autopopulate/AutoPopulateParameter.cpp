#include "autopopulate/AutoPopulateParameter.h"

#include "autopopulate/AutoPopulateText.h"
#include "text/UiText.h"
#include "widgets/SkinImages.h"

AutoPopulateParameter::Ptr AutoPopulateParameter::create (AutoPopulateFunction::Ptr function,
                                                          AutoPopulateParameterType::Ptr editor,
                                                          bool indented)
{
    return new AutoPopulateParameter (std::move (function), std::move (editor), indented);
}

AutoPopulateParameter::Ptr AutoPopulateParameter::createStatic (const ControlList* targets,
                                                                const juce::String& parameterName,
                                                                AutoPopulateParameterType::Ptr editor,
                                                                bool indented)
{
    auto row = create (new StaticAutoPopulateFunction (targets, parameterName), std::move (editor), indented);
    row->setIndented (indented);
    return row;
}

AutoPopulateParameter::Ptr AutoPopulateParameter::createOrder (AutoPopulateFunction::Ptr function)
{
    auto box = std::make_unique<juce::ComboBox> (AutoPopulateText::orderLabel);
    box->addItem (AutoPopulateText::ascending, 1);
    box->addItem (AutoPopulateText::descending, 2);

    ComboBoxParameterComponent::Ptr order = new ComboBoxParameterComponent (std::move (box), -1);
    order->setName (AutoPopulateText::orderLabel);
    return create (std::move (function), order.get(), true);
}

AutoPopulateParameter::AutoPopulateParameter (AutoPopulateFunction::Ptr functionToApply,
                                              AutoPopulateParameterType::Ptr editorToUse,
                                              bool shouldBeIndented)
    : indented (shouldBeIndented)
    , function (std::move (functionToApply))
    , enabledToggle (new ImageToggleButton (AutoPopulateText::enabledToggle,
                                            getSkinImage (SkinImageId::enabledToggleOff),
                                            getSkinImage (SkinImageId::enabledToggleOn)))
    , editor (std::move (editorToUse))
{
    jassert (editor != nullptr);
    setLookAndFeel (&look);

    enabledToggle->setSize (18, 17);
    enabledToggle->setToggleState (false, juce::dontSendNotification);
    addAndMakeVisible (*enabledToggle);

    editor->setSize (100, 18);
    addAndMakeVisible (*editor);

    // Small enough that the longest label ("PAD OFF COLOR") clears the toggle of an unindented row.
    label.setFont (juce::Font (14.0f));
    label.setText (editor->getName(), juce::dontSendNotification);
    label.setColour (juce::Label::textColourId, juce::Colours::black);
    label.attachToComponent (editor.get(), true);
}

AutoPopulateParameter::~AutoPopulateParameter()
{
    label.attachToComponent (nullptr, false);
    setLookAndFeel (nullptr);
}

void AutoPopulateParameter::buttonClicked (juce::Button* button)
{
    if (button != nullptr && button->getName() == UiText::applyButton)
        applyIfEnabled();
}

void AutoPopulateParameter::applyIfEnabled()
{
    if (function != nullptr && enabledToggle->getToggleState())
        function->apply (editor->getValue() & 0xff);
}

void AutoPopulateParameter::setIndented (bool shouldBeIndented)
{
    if (indented == shouldBeIndented)
        return;

    indented = shouldBeIndented;
    resized();
}

void AutoPopulateParameter::resized()
{
    enabledToggle->setTopLeftPosition (indented ? 10 : 0, (getHeight() - enabledToggle->getHeight()) / 2);
    editor->setBounds (getWidth() - 100, (getHeight() - 18) / 2, 100, 18);
}
