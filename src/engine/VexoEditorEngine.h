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
// Sends and requests are two exchanges of one kind (ReplyExchange): a message goes out, one reply
// is due within the reply time-out, and each message ends once, in order. A reply says nothing of
// the message it answers (an acknowledgement carries nothing; a dump's slot byte is not compared)
// and the device answers in order. A 5-pin cable carries 3,125 bytes a second, a dump takes 1.1 s
// to cross it, and the port's buffer in front of it (4 KB on Linux) silently drops what a second
// dump would overflow it with. Whatever the timing of the replies, each exchange keeps to these:
// 1. One message at a time is on its way. In step, a reply is that message's own, and the next
//    goes at once: a device faster than its cable keeps its speed.
// 2. A message that ends without its reply (its time-out, or its output gone while an input stays)
//    leaves that reply owed. For the late-reply wait after it nothing else goes out, and a reply
//    then is the owed one: dropped.
// 3. After the wait, while a reply is owed, one that comes sooner than the message on its way and
//    its reply could cross a cable is held: a reply after it shows it was the owed one (dropped),
//    the time-out shows it was the message's own (counted then). A reply counted for a message
//    has therefore always come after that message could have left the port's buffer.
// 4. A link that has answered in step sooner than a cable could is faster than one, and there time
//    tells nothing: only the wait tells a late reply, and once it has passed nothing is owed.
// 5. When the inputs go, no owed reply can come: it is forgotten, with what the link has shown.
//    When the device goes, what is on its way and everything waiting end with 0.
// Still ambiguous: a late reply after the wait that comes no sooner than the message on its way
// could have been answered is counted for it, a little early; that message's own reply then
// arrives while the next is on its way and, being too soon for it, is dropped.
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
    // The pending sends and requests; message thread only.
    std::unique_ptr<ReplyExchange> sends, requests;

    std::unique_ptr<IncomingMessages> incoming;

    JUCE_DECLARE_NON_COPYABLE (VexoEditorEngine)
};
