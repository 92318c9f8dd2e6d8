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

    explicit ParameterValue (int initialValue)
        : value (initialValue)
        , intValue (initialValue)
    {
    }

    juce::var getValue() const override { return value; }

    // A change only when the type or the value differs, as for a plain juce::Value: text "5" becomes
    // the number 5 with a notification.
    void setValue (const juce::var& newValue) override;

    // The value read as an integer, as (int) on the var would read it.
    int getIntValue() const noexcept { return holdsInt ? intValue : (int)value; }

    // setValue with an int.
    void setIntValue (int newValue)
    {
        if (holdsInt && intValue == newValue)
            return;

        storeInt (newValue);
    }

private:
    void storeInt (int newValue);

    juce::var value;
    int intValue;
    bool holdsInt = true;

    JUCE_DECLARE_NON_COPYABLE (ParameterValue)
};
