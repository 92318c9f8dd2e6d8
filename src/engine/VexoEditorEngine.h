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
    // After a send has timed out, its acknowledgement may still come. The next dump, handed over
    // at that moment, needs 1.16 s on the device's cable before its own can: an acknowledgement
    // within this time of such a time-out is the late one and is not counted for the next send.
    static constexpr int defaultLateAcknowledgementGuardMs = 1000;
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

        // The same result, saying whether the send was withdrawn: accepted, it waited for its turn
        // and ended without ever being handed to the port, because the port or the device went
        // (result 0) or its sender withdrew it (result 1). It ends right after the send before it,
        // whose own result tells the cause (or its sender knows it). Unless overridden, it reports
        // through sendPresetResult.
        virtual void sendEnded (EditorPreset::Ptr preset, int result, bool withdrawn);
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
    // when none comes in time. Without an output, the sends under way end too, with 0.
    void sendPreset (int slot, EditorPreset::Ptr preset);
    // Message thread. Result 0 at once without an open input, else 2 when a valid dump has been
    // loaded into the preset, or 1 when none comes in time or the dump is refused.
    void requestPreset (int slot, EditorPreset::Ptr preset);

    // Message thread. Withdraws each send of these presets that still waits for its turn: it is
    // never sent, and ends with result 1, withdrawn, as soon as the sends before it have ended. A
    // send already on its way ends as it will. For a sender that stops (a window closing, a batch
    // given up).
    void withdrawWaitingSends (const juce::ReferenceCountedArray<EditorPreset>& presets);

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

    // Settings in the engine instead of fixed: tests shorten the time-out, and those whose device
    // answers faster than a cable could shorten the guard.
    void setReplyTimeout (int milliseconds) { replyTimeoutMs = juce::jmax (1, milliseconds); }
    int getReplyTimeout() const { return replyTimeoutMs; }
    void setLateAcknowledgementGuard (int milliseconds) { lateAckGuardMs = juce::jmax (0, milliseconds); }
    int getLateAcknowledgementGuard() const { return lateAckGuardMs; }

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
    bool portOpenFor (Exchange exchange) const;
    // Unless a message is on its way already: ends the withdrawn entries at the front of the queue,
    // then hands the oldest waiting message to the port.
    void startNext (Exchange exchange);
    // Ends the entry on its way and stops its time-out; null when none is on its way.
    EditorPreset::Ptr takeOnItsWay (Exchange exchange);
    // Withdraws every entry still waiting for its turn (or only those of the given presets) and
    // ends those whose turn it is.
    void withdrawWaiting (Exchange exchange, int result,
                          const juce::ReferenceCountedArray<EditorPreset>* only);
    void reportEnd (Exchange exchange, EditorPreset::Ptr preset, int result, bool withdrawn);
    // The device is gone: nothing waiting can reach it any more.
    void devicesLost();

    // Message thread: the work for one message that arrived on the MIDI input thread.
    void processIncoming (const juce::MidiMessage& message);
    void presetDumpReceived (const juce::uint8* data, int size);
    void acknowledgementReceived();
    void globalSettingReplyReceived (const juce::uint8* data, int size);

    void queueSendResult (EditorPreset::Ptr preset, int result, bool withdrawn = false);
    void queueRequestResult (EditorPreset::Ptr preset, int slotInReply, int result);
    void queueOpenResult (int result);
    void queueSaveResult (int result);

    MidiManager::Ptr midiManager;
    const int presetCount;
    const int dumpSize;
    ListenerListType listeners;
    VexoGlobalSettings::Ptr globalSettings;
    bool settingsReported = false;
    // The pending sends and requests; each guards itself, for the MIDI input thread.
    PacedQueue sends, requests;

    std::unique_ptr<IncomingMessages> incoming;
    int replyTimeoutMs = defaultReplyTimeoutMs;
    int lateAckGuardMs = defaultLateAcknowledgementGuardMs;
    // Set by a send's time-out that put the next dump on its way, until an acknowledgement comes.
    bool lateAckOwed = false;
    juce::uint32 lateAckGuardEnd = 0;

    JUCE_DECLARE_NON_COPYABLE (VexoEditorEngine)
};
