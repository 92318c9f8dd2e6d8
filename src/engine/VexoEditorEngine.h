#pragma once

#include "engine/MidiManager.h"
#include "engine/PacedQueue.h"
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
// Sends and requests wait in two queues, oldest first, and each queue puts one message on its way
// at a time: the next preset dump goes out when the one before it has been acknowledged or has
// timed out, the next request when the one before it has had its dump or has timed out. A
// device's MIDI cable carries 3,125 bytes a second, so a dump takes 1.1 s to cross it, and the
// output buffer in front of it (4 KB on Linux) silently drops what a burst would overflow it with.
// Replies are matched first in, first out; the time-out of each message counts from when it is
// handed to the port, so that every send and every request ends with exactly one result, in order.
//
// Acknowledgements carry nothing that says which dump they answer. After a send has timed out its
// acknowledgement may still come, so the next dump waits until it has come, and is dropped, or
// until the late-acknowledgement wait has passed: nothing is on its way meanwhile, so an
// acknowledgement then can only be the late one, however fast or slow the device and its cable.
// The wait costs time only after a failure.
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
    // How long after a send's time-out its acknowledgement is still awaited before the next dump
    // goes out.
    static constexpr int defaultLateAcknowledgementWaitMs = 2000;
    static constexpr int sendTimerId = 1;
    static constexpr int requestTimerId = 2;
    static constexpr int lateAcknowledgementTimerId = 3;

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
    // still waiting for its turn when the output goes ends with 0, never sent.
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
    void setReplyTimeout (int milliseconds) { replyTimeoutMs = juce::jmax (1, milliseconds); }
    int getReplyTimeout() const { return replyTimeoutMs; }
    void setLateAcknowledgementWait (int milliseconds) { lateAckWaitMs = juce::jmax (1, milliseconds); }

    // Sends (requests) not ended yet: the one on its way and those waiting for their turn.
    int getNumPendingSends() const;
    int getNumPendingRequests() const;
    // Message thread. The preset whose dump is on its way; null when none is.
    EditorPreset::Ptr getSendOnItsWay() const;

private:
    class IncomingMessages;
    using ListenerListType = juce::ListenerList<Listener>;

    enum class Exchange
    {
        send,
        request
    };

    PacedQueue& queueOf (Exchange exchange) { return exchange == Exchange::send ? sends : requests; }
    static int timerIdOf (Exchange exchange)
    {
        return exchange == Exchange::send ? sendTimerId : requestTimerId;
    }
    bool portOpenFor (Exchange exchange) const;
    // Unless a message is on its way already or a late acknowledgement is awaited: hands the
    // oldest waiting message to the port, or, without a port, ends every waiting one with 0.
    void startNext (Exchange exchange);
    // Ends the entry on its way and stops its time-out; null when none is on its way.
    EditorPreset::Ptr takeOnItsWay (Exchange exchange);
    // Ends every entry still waiting for its turn with the result, never sent.
    void endWaiting (Exchange exchange, int result);
    void reportEnd (Exchange exchange, EditorPreset::Ptr preset, int result);
    // The device is gone: what is on its way will not be answered, and nothing waiting can reach it.
    void devicesLost();
    // A timer that expires only once the time has really passed (see timerCallback).
    void startTimeout (int timerId, int milliseconds);

    // Message thread: the work for one message that arrived on the MIDI input thread.
    void processIncoming (const juce::MidiMessage& message);
    void presetDumpReceived (const juce::uint8* data, int size);
    void acknowledgementReceived();
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
    PacedQueue sends, requests;

    std::unique_ptr<IncomingMessages> incoming;
    int replyTimeoutMs = defaultReplyTimeoutMs;
    int lateAckWaitMs = defaultLateAcknowledgementWaitMs;
    // From a send's time-out until its acknowledgement comes or the wait has passed.
    bool lateAckAwaited = false;
    // When each timer, by id, is due.
    juce::uint32 deadlines[lateAcknowledgementTimerId + 1] = {};

    JUCE_DECLARE_NON_COPYABLE (VexoEditorEngine)
};
