#pragma once

#include "model/VexoBEditorPreset.h"
#include "sequencer/SequencerComponent.h"
#include "support/MessageLoop.h"
#include "support/OnScreen.h"
#include "widgets/NumberBoxComponent.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

// What the sequencer's tests share: a preset with a sequence, the user's gestures on the table and
// the velocity editors, and the pixels of what was drawn.
namespace sequencer_test
{
inline VexoBEditorPreset::Ptr makePreset()
{
    return new VexoBEditorPreset();
}

inline VexoBSequencerTrack::Ptr track (const VexoBEditorPreset::Ptr& preset, int index)
{
    return preset->getSequencer()->getTrack (index);
}

inline juce::String stepName (int step)
{
    return VexoBSequencerTrack::getStepParameterName (step);
}

inline int stepOf (const VexoBEditorPreset::Ptr& preset, int trackIndex, int step)
{
    return track (preset, trackIndex)->getParameterInt (stepName (step));
}

inline void setStep (const VexoBEditorPreset::Ptr& preset, int trackIndex, int step, int velocity)
{
    track (preset, trackIndex)->setParameterValue (stepName (step), velocity);
}

inline int lengthOf (const VexoBEditorPreset::Ptr& preset)
{
    return preset->getSequencer()->getParameterInt (VexoBSequencer::Param::sequenceLength);
}

// The value changes of the model reach the views through the message loop.
inline void settle()
{
    testing_support::pumpMessages (30);
}

// A mouse event on a component, as the desktop's mouse would deliver it.
inline juce::MouseEvent mouseEventOn (juce::Component& component, juce::Point<float> position, int clicks)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, {},
                             juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f, &component,
                             &component, now, position, now, clicks, false);
}

// The table's column area of a column, in the table's coordinates; empty when hidden.
inline juce::Rectangle<int> columnArea (juce::TableListBox& table, int columnId)
{
    auto& header = table.getHeader();
    const auto index = header.getIndexOfColumnId (columnId, true);
    return index < 0 ? juce::Rectangle<int>() : header.getColumnPosition (index);
}

// A double-click where the user sees the cell: delivered to whatever the table has at that point.
inline void doubleClickCell (juce::TableListBox& table, int row, int columnId)
{
    table.scrollToEnsureRowIsOnscreen (row);
    auto* rowComponent = table.getComponentForRowNumber (row);
    ASSERT_NE (rowComponent, nullptr);
    const juce::Point<float> where ((float)columnArea (table, columnId).getCentreX(),
                                    (float)rowComponent->getHeight() / 2.0f);
    auto* target = rowComponent->getComponentAt (where.toInt());
    ASSERT_NE (target, nullptr);
    const auto local = target->getLocalPoint (rowComponent, where);
    target->mouseDoubleClick (mouseEventOn (*target, local, 2));
}

// One click opens the box's editor, the text replaces the number and return commits it.
inline void typeInto (NumberBoxComponent<int>& box, const juce::String& text)
{
    settle();
    const testing_support::OnScreen shown (box);
    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    editor->insertTextAtCaret (text);
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    settle();
}

// The cell component the table shows for a row and column; null when it shows none.
template <typename CellType>
CellType* cellAt (juce::TableListBox& table, int row, int columnId)
{
    return dynamic_cast<CellType*> (table.getCellComponent (columnId, row));
}

inline juce::Image snapshotOf (juce::Component& component)
{
    return component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
}

// With VEXOB_SNAPSHOT_DIR set, the picture is kept there for a person to look at.
inline void keepForViewing (const juce::Image& image, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable ("VEXOB_SNAPSHOT_DIR", {});
    if (folder.isEmpty())
        return;

    const juce::File file (juce::File (folder).getChildFile (name + ".png"));
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;
    if (out.openedOk())
        png.writeImageToStream (image, out);
}

inline float luminance (juce::Colour colour)
{
    return 0.299f * colour.getRed() + 0.587f * colour.getGreen() + 0.114f * colour.getBlue();
}

inline bool near (juce::Colour a, juce::Colour b, int tolerance = 3)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance &&
           std::abs (a.getGreen() - b.getGreen()) <= tolerance &&
           std::abs (a.getBlue() - b.getBlue()) <= tolerance &&
           std::abs (a.getAlpha() - b.getAlpha()) <= tolerance;
}
} // namespace sequencer_test
