#pragma once

#include "engine/MidiManager.h"
#include "engine/ReplyExchange.h"
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
// Sends and requests are two exchanges of one kind (ReplyExchange): a message goes out and one
// reply is due within the reply time-out. A reply says nothing of the message it answers (an
// acknowledgement carries nothing; a dump's slot byte is not compared), but the device answers in
// order, and over a 5-pin cable (3,125 bytes a second) no reply comes sooner than its message and
// itself take to cross: 1.1 s for a dump. The port's buffer in front of the cable (4 KB on Linux)
// silently drops what a second dump would overflow it with. Each exchange keeps to these rules,
// whatever the timing of the replies:
// 1. One message at a time is on its way. In step, a reply is its own and the next goes at once,
//    so a device faster than its cable keeps its speed. One that came before the message was handed
//    over never is: it answers the one before, or nothing.
// 2. A message that ends without its reply (its time-out; its output gone while an input stays)
//    leaves that reply owed. Until it has come or the late-reply wait has passed, nothing more of
//    its kind goes out, and a reply is the owed one: dropped.
// 3. After the wait, a reply sooner than a cable allows for the message on its way is held: one
//    after it shows it was the owed one (dropped), the time-out that it was the message's own.
//    So on a cable no message goes out while the one before can still be in the port's buffer.
// 4. Once a reply in step has come sooner than a cable allows, the link is faster than one (both
//    exchanges share this): time tells nothing there, and what is owed is forgotten after the wait.
// 5. When the inputs go, nothing owed can come: it is forgotten, with what the link has shown.
//    When the device goes, what is on its way and everything waiting end with 0.
// Still ambiguous: a late reply after the wait, no sooner than a cable allows, is counted for the
// message on its way; that message's own reply then comes too soon for the next one, is held and
// dropped, and the exchange is back in step.
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
    // How long after a message has ended without its reply that reply is still awaited before the
    // next message of its kind goes out.
    static constexpr int defaultLateReplyWaitMs = 2000;
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
    // when none comes in time. Without an output, the sends under way end too, with 0. When the
    // device goes, every send and request not ended yet ends at once with 0, oldest first; one
    // still waiting for its turn when the output goes ends with 0, never sent. An acknowledgement
    // that answers no send reports 2 with no preset.
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
    // settings object (and through it its listeners). Not paced: the ten settings and their
    // requests make 230 bytes, which fit in the output buffer even behind a dump on its way.
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

    // Settings in the engine instead of fixed, so that tests need not wait seconds.
    void setReplyTimeout (int milliseconds);
    void setLateReplyWait (int milliseconds);

    // Sends (requests) not ended yet: the one on its way and those waiting for their turn.
    int getNumPendingSends() const { return sends->size(); }
    int getNumPendingRequests() const { return requests->size(); }

private:
    class IncomingMessages;
    using ListenerListType = juce::ListenerList<Listener>;

    ReplyExchange::Hooks hooksFor (bool forSends);
    // The device is gone, or part of it: nothing waiting can reach it.
    void devicesLost();

    // Message thread: the work for one message that arrived on the MIDI input thread.
    void processIncoming (const juce::MidiMessage& message, double receivedMs);
    void loadDump (const ReplyExchange::Entry& request, const juce::MidiMessage& dump);
    void globalSettingReplyReceived (const juce::uint8* data, int size);

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
    // The pending sends and requests, and what their replies have shown of the link; message
    // thread only.
    bool linkFasterThanCable = false;
    std::unique_ptr<ReplyExchange> sends, requests;

    std::unique_ptr<IncomingMessages> incoming;

    JUCE_DECLARE_NON_COPYABLE (VexoEditorEngine)
};
