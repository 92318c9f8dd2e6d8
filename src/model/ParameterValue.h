#pragma once

#include <juce_data_structures/juce_data_structures.h>

// The value source of a parameter declared by its control kind. To views it is an ordinary shared
// juce::Value source that holds any var and tells its listeners of every real change, exactly like
// the one a plain juce::Value makes for itself. The control's byte records read and write it as an
// int without going through a var each time.
class ParameterValue : public juce::Value::ValueSource
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ParameterValue>;

    // The value as the byte records see it, worked out whenever it is set, so that reading it is a
    // plain load: asInt is what (int) on the var gives; heldInt equals asInt when the var holds
    // exactly that int, and lies outside the range of int when it holds anything else.
    struct IntView
    {
        int asInt;
        juce::int64 heldInt;
    };

    explicit ParameterValue (int initialValue)
        : value (initialValue)
        , view{initialValue, initialValue}
    {
    }

    juce::var getValue() const override { return value; }

    // A change only when the type or the value differs, as for a plain juce::Value: text "5" becomes
    // the number 5 with a notification.
    void setValue (const juce::var& newValue) override;

    const IntView& getIntView() const noexcept { return view; }
    int getIntValue() const noexcept { return view.asInt; }

    // setValue with an int.
    void setIntValue (int newValue)
    {
        if (view.heldInt != newValue)
            storeInt (newValue);
    }

    // setIntValue for a caller that has seen through getIntView that the value differs.
    void storeInt (int newValue);

private:
    juce::var value;
    IntView view;

    JUCE_DECLARE_NON_COPYABLE (ParameterValue)
};
