#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The program's whole-number field: a label showing the number, which becomes a one-line editor
// on a single click, takes only digits and signs, keeps the number inside its range and tells its
// listeners when a number is set. Only ever used with int.
template <typename ValueType>
class NumberBoxComponent : public juce::Label
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void numberBoxChanged (NumberBoxComponent* box) = 0;
    };

    // The initial value is shown as given, even outside the range, until the first setValue.
    NumberBoxComponent (const juce::String& name, ValueType minimum, ValueType maximum,
                        ValueType initialValue);
    ~NumberBoxComponent() override;

    // A value inside minimum..maximum is kept, shown and, unless told not to, reported to every
    // listener at once, the last added first. Any other value is refused: the current value is
    // shown again and nobody is told. An edit in progress is dropped either way.
    void setValue (ValueType newValue, juce::NotificationType notification);
    ValueType getValue() const { return value; }

    ValueType getMinimum() const { return minimum; }
    ValueType getMaximum() const { return maximum; }

    // Listeners are not owned and cannot be removed: each must outlive the box.
    void addListener (Listener* listener);

    // Reads leading white space, one optional sign and the digits up to the first other
    // character; no digits read as 0. Numbers beyond the type's limits stop at the limit, so a
    // long run of digits can never come back into range.
    static ValueType readNumber (const juce::String& text);

    void paint (juce::Graphics& g) override;

protected:
    void editorShown (juce::TextEditor* editor) override;
    void editorAboutToBeHidden (juce::TextEditor* editor) override;
    void valueChanged (juce::Value& textValue) override;
    void textEditorReturnKeyPressed (juce::TextEditor& editor) override;

private:
    void showValue();
    void settleEditorText (juce::TextEditor& editor);

    juce::Array<Listener*> listeners;
    ValueType minimum;
    ValueType maximum;
    ValueType value;
    bool editing = false;
    bool droppingEdit = false;
    bool editSettled = false;
    bool emptyEdit = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NumberBoxComponent)
};

extern template class NumberBoxComponent<int>;
