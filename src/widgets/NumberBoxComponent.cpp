#include "widgets/NumberBoxComponent.h"

#include <limits>
#include <utility>

template <typename ValueType>
NumberBoxComponent<ValueType>::NumberBoxComponent (const juce::String& name, ValueType minimum_,
                                                   ValueType maximum_, ValueType initialValue)
    : minimum (minimum_)
    , maximum (maximum_)
    , value (initialValue)
{
    // The name is the field's caption in the panels that show one.
    setName (name);
    setEditable (true, false, false);
    setText (juce::String (initialValue), juce::dontSendNotification);
}

template <typename ValueType>
NumberBoxComponent<ValueType>::~NumberBoxComponent() = default;

template <typename ValueType>
void NumberBoxComponent<ValueType>::setValue (ValueType newValue, juce::NotificationType notification)
{
    if (newValue < minimum || newValue > maximum)
    {
        showValue();
        return;
    }

    value = newValue;
    showValue();

    if (notification == juce::dontSendNotification)
        return;

    // A listener may take itself out of the list while it is being told.
    for (int i = listeners.size(); --i >= 0;)
    {
        i = juce::jmin (i, listeners.size() - 1);

        if (i < 0)
            break;

        listeners.getUnchecked (i)->numberBoxChanged (this);
    }
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::showValue()
{
    // Setting the text closes an open editor, which would otherwise take its half-typed text as
    // an entry in the middle of this call; a number set from outside replaces the edit instead.
    if (isBeingEdited())
    {
        const juce::ScopedValueSetter<bool> dropping (droppingEdit, true);
        hideEditor (true);
    }

    const juce::String text (value);
    setText (text, juce::dontSendNotification);

    // The label skips a text it believes it shows already, but the value it is bound to may
    // have been changed by someone else in the meantime: give it the number back.
    if (getTextValue().toString() != text)
        getTextValue() = text;
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::addListener (Listener* listener)
{
    listeners.addIfNotAlreadyThere (listener);
}

template <typename ValueType>
ValueType NumberBoxComponent<ValueType>::readNumber (const juce::String& text)
{
    auto p = text.getCharPointer();

    while (p.isWhitespace())
        ++p;

    bool negative = false;

    if (*p == '-' || *p == '+')
    {
        negative = *p == '-';
        ++p;
    }

    // Accumulate the magnitude, stopping one past the largest the type can hold either way.
    using Limits = std::numeric_limits<ValueType>;
    const juce::int64 ceiling = (juce::int64)Limits::max() + 1;
    juce::int64 magnitude = 0;

    while (p.isDigit())
    {
        magnitude = juce::jmin (ceiling, magnitude * 10 + (juce::int64) (*p - '0'));
        ++p;
    }

    const auto signedValue = negative ? -magnitude : magnitude;
    return (ValueType)juce::jlimit ((juce::int64)Limits::min(), (juce::int64)Limits::max(), signedValue);
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::paint (juce::Graphics& g)
{
    if (editing)
        return;

    g.fillAll (findColour (juce::Label::backgroundColourId));
    g.setColour (findColour (juce::Label::textColourId));
    g.setFont (getFont());
    g.drawText (juce::String (value), 5, 0, getWidth(), getHeight(), juce::Justification::left, false);
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::editorShown (juce::TextEditor* shownEditor)
{
    shownEditor->setLookAndFeel (&getLookAndFeel());
    editing = true;

    shownEditor->setColour (juce::Label::backgroundColourId, juce::Colours::transparentBlack);
    shownEditor->setColour (juce::TextEditor::textColourId, findColour (juce::Label::textColourId));
    shownEditor->setColour (juce::TextEditor::highlightedTextColourId,
                            findColour (juce::Label::textColourId));

    shownEditor->setInputRestrictions (0, "0123456789-+");
    shownEditor->setMultiLine (false, true);
    shownEditor->setScrollbarsShown (false);
    shownEditor->setCaretVisible (true);
    shownEditor->moveCaretToEnd();

    // Quietly: announced, the change would reach the label, and a label without the keyboard
    // focus takes any change as the end of the edit and deletes the editor while it is still
    // being shown.
    shownEditor->setText (juce::String (value), false);
    shownEditor->selectAll();
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::settleEditorText (juce::TextEditor& textEditor)
{
    // The label takes the editor's text as its own, and writes it into the value its text may be
    // bound to (a control parameter), before and after this box reads it. Leaving it the number
    // the box will hold means that what was typed ("200", "+5", "7-3") never reaches the
    // parameter, not even for a moment.
    const auto typed = textEditor.getText();
    emptyEdit = typed.isEmpty();
    const auto number = readNumber (typed);
    const bool accepted = !emptyEdit && number >= minimum && number <= maximum;
    textEditor.setText (juce::String (accepted ? number : value), false);
    editSettled = true;
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::textEditorReturnKeyPressed (juce::TextEditor& textEditor)
{
    if (!droppingEdit)
        settleEditorText (textEditor);
    juce::Label::textEditorReturnKeyPressed (textEditor);
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::editorAboutToBeHidden (juce::TextEditor* closingEditor)
{
    editing = false;

    if (droppingEdit)
        return;

    // Closed by a click elsewhere rather than by return: not settled yet.
    if (!std::exchange (editSettled, false))
        settleEditorText (*closingEditor);

    if (std::exchange (emptyEdit, false))
        showValue();
    else
        setValue (readNumber (closingEditor->getText()), juce::sendNotificationSync);
}

template <typename ValueType>
void NumberBoxComponent<ValueType>::valueChanged (juce::Value& boundValue)
{
    // The text may be bound to a value that others write: follow it, and put the current number
    // back when what they wrote is out of range.
    setValue (readNumber (boundValue.toString()), juce::sendNotificationAsync);
    juce::Label::valueChanged (boundValue);
}

template class NumberBoxComponent<int>;
