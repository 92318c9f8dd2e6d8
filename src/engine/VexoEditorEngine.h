#pragma once

#include "engine/MidiManager.h"
#include "engine/VexoSysEx.h"
#include "model/EditorPreset.h"
#include "model/ListenerUpdater.h"
#include "model/MEditorControl.h"
#include "model/QueueASyncUpdater.h"
#include "model/VexoGlobalSettings.h"

#include <memory>

// The one object through which the program talks to the device and to preset files. Every
// outcome reaches the listeners as a result code, later, on the message thread, in the order the
// outcomes happened.
//
// Sends and requests wait in two queues, oldest first; replies are matched to them first in,
// first out. Each queue has a time-out that runs while the queue is not empty: an answer or an
// expiry ends the oldest entry and gives the next one a full time-out of its own, so that every
// send and every request ends with exactly one result.
class VexoEditorEngine : public MidiManager::Listener,
                         public virtual juce::ReferenceCountedObject,
                         public virtual QueueASyncUpdater,
                         public juce::MultiTimer
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<VexoEditorEngine>;

    // sendPresetResult and requestPresetResult
    static constexpr int resultNoPort = 0;
    static constexpr int resultNoReply = 1;
    static constexpr int resultSuccess = 2;
    // openPresetFileResult
    static constexpr int fileInvalid = 0;
    static constexpr int fileMissing = 1;
    static constexpr int fileLoaded = 2;
    // savePresetFileResult: success is 1 here
    static constexpr int saveFailed = 0;
    static constexpr int saveWritten = 1;

    static constexpr int defaultReplyTimeoutMs = 3000;
    static constexpr int sendTimerId = 1;
    static constexpr int requestTimerId = 2;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        // The preset is the one whose send ended, or null for an acknowledgement nobody awaited.
        virtual void sendPresetResult (EditorPreset::Ptr preset, int result) = 0;
        virtual void requestPresetResult (int result) = 0;
        virtual void openPresetFileResult (int result) = 0;
        virtual void savePresetFileResult (int result) = 0;

        // The same result, with the request it ends: the preset that request was to fill and, for a
        // dump that arrived, the slot number written in the dump (-1 when none arrived). Replies are
        // matched to requests in order only, so one that issues requests of its own tells its own
        // results apart by the preset, and a late reply to an earlier request by that slot number.
        // Unless overridden, it reports through requestPresetResult.
        virtual void requestEnded (EditorPreset::Ptr preset, int slotInReply, int result);
    };

    class SendPresetResultUpdater;
    class RequestPresetResultUpdater;
    class OpenPresetFileResultUpdater;
    class SavePresetFileResultUpdater;

    VexoEditorEngine (int presetCount, int dumpSize, MidiManager::Ptr midiManager);
    ~VexoEditorEngine() override;

    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    // Message thread. Result 0 at once without an open output, else 2 on the acknowledgement or 1
    // when none comes in time.
    void sendPreset (int slot, EditorPreset::Ptr preset);
    // Message thread. Result 0 at once without an open input, else 2 when a valid dump has been
    // loaded into the preset, or 1 when none comes in time or the dump is refused.
    void requestPreset (int slot, EditorPreset::Ptr preset);

    // Any thread. The preset changes at once; only the result is deferred.
    void loadPresetFile (const juce::File& file, EditorPreset::Ptr preset);
    void savePresetFile (const juce::File& file, EditorPreset::Ptr preset);
    bool checkPresetFile (const juce::File& file);

    // Copies a control's settings onto a control of the same kind; anything else changes nothing.
    void copyControl (MEditorControl::Ptr source, MEditorControl::Ptr target);

    // No time-out and no result: the device answers with global-setting messages, which update the
    // settings object (and through it its listeners).
    virtual void requestGlobalSettings();
    virtual void sendGlobalSettings (VexoGlobalSettings::Ptr settings);

    // True once a reply of the device has set the global settings: until then getGlobalSettings
    // holds only the initial values, which nobody chose. Message thread.
    bool hasGlobalSettingsFromDevice() const noexcept { return settingsReported; }

    // A new preset of the model, loaded with the factory preset: what a new document holds.
    EditorPreset::Ptr createFactoryPreset();

    // Any thread: only hands the message over to the message thread. What the MIDI manager calls
    // is the engine's hand-over itself, registered from construction to destruction.
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;
    void timerCallback (int timerId) override;

    virtual juce::uint8 getProductId() const = 0;
    virtual EditorPreset::Ptr createPreset() const = 0;
    // What validateBytes of a new preset answers for a data block. Any thread. A model whose presets
    // can check a block without being made says so here; otherwise a preset is made for it.
    virtual bool isValidPresetBlock (const juce::Array<juce::uint8>& block) const;
    virtual juce::uint8 getGlobalSettingsMessageId() const = 0;
    virtual juce::uint8 getGlobalSettingsRequestId() const = 0;
    virtual juce::uint8 getGlobalSettingsRequestCode() const = 0;
    // The engine's own settings object, which device replies update; the same object every call.
    virtual VexoGlobalSettings::Ptr getGlobalSettings() = 0;
    virtual VexoGlobalSettings::Ptr createGlobalSettings() const = 0;
    virtual juce::Array<juce::uint8> getDumpTrailer() const = 0;

    // The message between F0 and F7, up to the slot (a negative slot is left out).
    juce::Array<juce::uint8> buildMessage (const EditorPreset& preset, juce::uint8 kind, int slot) const;
    VexoSysEx::Model getMessageModel() const;

    int getPresetCount() const { return presetCount; }
    int getDumpSize() const { return dumpSize; }
    MidiManager::Ptr getMidiManager() const { return midiManager; }

    // Settings in the engine instead of fixed: tests shorten the time-out.
    void setReplyTimeout (int milliseconds) { replyTimeoutMs = juce::jmax (1, milliseconds); }
    int getReplyTimeout() const { return replyTimeoutMs; }

    int getNumPendingSends() const;
    int getNumPendingRequests() const;

private:
    class IncomingMessages;
    using ListenerListType = juce::ListenerList<Listener>;

    // Message thread: the work for one message that arrived on the MIDI input thread.
    void processIncoming (const juce::MidiMessage& message);
    void presetDumpReceived (const juce::uint8* data, int size);
    void acknowledgementReceived();
    void globalSettingReplyReceived (const juce::uint8* data, int size);

    // Ends the oldest entry of a queue and keeps its timer running while entries remain.
    EditorPreset::Ptr takeOldest (juce::ReferenceCountedArray<EditorPreset>& queue, int timerId);

    void queueSendResult (EditorPreset::Ptr preset, int result);
    void queueRequestResult (EditorPreset::Ptr preset, int slotInReply, int result);
    void queueOpenResult (int result);
    void queueSaveResult (int result);

    MidiManager::Ptr midiManager;
    const int presetCount;
    const int dumpSize;
    ListenerListType listeners;
    VexoGlobalSettings::Ptr globalSettings;
    bool settingsReported = false;
    juce::ReferenceCountedArray<EditorPreset> sendQueue;
    juce::ReferenceCountedArray<EditorPreset> requestQueue;
    juce::CriticalSection lock;

    std::unique_ptr<IncomingMessages> incoming;
    int replyTimeoutMs = defaultReplyTimeoutMs;

    JUCE_DECLARE_NON_COPYABLE (VexoEditorEngine)
};
