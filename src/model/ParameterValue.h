#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <vector>

// The value source of a parameter declared by its control kind. To views it is an ordinary shared
// juce::Value source that holds any var and tells its listeners of every real change, exactly like
// the one a plain juce::Value makes for itself. Byte records read and write it as an int without a
// var, and it keeps its bytes in its control's copy of the record up to date, so that writing a
// record is a plain copy.
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

    // A control's record as its values would write it. inexactFields counts the fields whose bytes,
    // read back, would not give their value exactly as held (text, a number out of byte range, ...):
    // while it is 0, a record whose field bytes equal these changes nothing when loaded.
    struct RecordCopy
    {
        std::vector<juce::uint8> bytes;
        int inexactFields = 0;
    };

    explicit ParameterValue (int initialValue)
        : view{initialValue, initialValue}
    {
    }

    juce::var getValue() const override { return holdsPlainInt ? juce::var (view.asInt) : other; }

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
    void storeInt (int newValue)
    {
        if (!holdsPlainInt)
            forgetOtherValue();

        view = {newValue, newValue};
        valueChanged();
    }

    // From now on the value's bytes at offset in the copy (two of them, high 7 bits first, for a
    // fourteen-bit pair) follow the value. The control detaches its values before it goes; a view
    // may keep a value alive longer.
    void attach (RecordCopy& copy, int offset, bool fourteenBit);
    void detach() noexcept { recordCopy = nullptr; }

private:
    void forgetOtherValue();
    void updatePairInRecordCopy();

    void valueChanged()
    {
        updateRecordCopy();

        // sendChangeMessage does nothing more without listeners; most values have none.
        if (!valuesWithListeners.isEmpty())
            sendChangeMessage (false);
    }

    void updateRecordCopy()
    {
        if (recordCopy == nullptr)
            return;

        if (pair)
        {
            updatePairInRecordCopy();
            return;
        }

        auto& byte = recordCopy->bytes[(size_t)recordOffset];
        byte = (juce::uint8)view.asInt;
        noteExactness (view.heldInt == byte);
    }

    void noteExactness (bool nowExact)
    {
        if (nowExact != exact)
        {
            recordCopy->inexactFields += nowExact ? -1 : 1;
            exact = nowExact;
        }
    }

    // An int, by far the most common value, lives in the view alone; anything else in other.
    bool holdsPlainInt = true;
    juce::var other;
    IntView view;
    RecordCopy* recordCopy = nullptr;
    int recordOffset = 0;
    bool pair = false;
    bool exact = true;

    JUCE_DECLARE_NON_COPYABLE (ParameterValue)
};
