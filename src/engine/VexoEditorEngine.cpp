#include "engine/VexoEditorEngine.h"

#include "engine/FactoryPreset.h"

#include <vector>

//==============================================================================
// Messages cross from the MIDI input thread to the message thread here, in arrival order. Dumps
// and settings are loaded only on the message thread, where the editors read the same values.
//
// This hand-over, not the engine itself, is what the MIDI manager calls: it is complete before it
// joins the manager's list and leaves it before it goes, whereas the engine is still being built
// (or taken apart) by its model class while it would already (or still) be receiving.
class VexoEditorEngine::IncomingMessages : public juce::AsyncUpdater, public MidiManager::Listener
{
public:
    explicit IncomingMessages (VexoEditorEngine& e)
        : engine (e)
    {
    }
    ~IncomingMessages() override { cancelPendingUpdate(); }

    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override
    {
        // Only System Exclusive messages concern the engine; the pads' notes and the clock do
        // not need to cross threads. Each keeps the time it came, which tells how soon a reply was.
        if (message.isSysEx())
            add (message, juce::Time::getMillisecondCounterHiRes());
    }

    // Device notices come on the message thread; the engine's own handlers get them unchanged.
    void inputDevicesDisconnected (const juce::StringArray& names) override
    {
        engine.devicesLost();
        engine.inputDevicesDisconnected (names);
    }
    void outputDevicesDisconnected (const juce::StringArray& names) override
    {
        engine.devicesLost();
        engine.outputDevicesDisconnected (names);
    }
    void inputDevicesReconnected (const juce::StringArray& names) override
    {
        engine.inputDevicesReconnected (names);
    }
    void outputDevicesReconnected (const juce::StringArray& names) override
    {
        engine.outputDevicesReconnected (names);
    }

    void add (const juce::MidiMessage& message, double receivedMs)
    {
        {
            const juce::ScopedLock sl (lock);
            messages.push_back ({message, receivedMs});
        }
        triggerAsyncUpdate();
    }

    void handleAsyncUpdate() override
    {
        std::vector<Received> batch;
        {
            const juce::ScopedLock sl (lock);
            batch.swap (messages);
        }
        for (const auto& received : batch)
            engine.processIncoming (received.message, received.ms);
    }

private:
    struct Received
    {
        juce::MidiMessage message;
        double ms;
    };

    VexoEditorEngine& engine;
    juce::CriticalSection lock;
    std::vector<Received> messages;
};

//==============================================================================
// Each carries one result to every listener registered when it is delivered, last added first.
class VexoEditorEngine::SendPresetResultUpdater : public ListenerUpdater
{
public:
    SendPresetResultUpdater (ListenerListType& l, int r, EditorPreset::Ptr p)
        : listeners (l)
        , result (r)
        , preset (std::move (p))
    {
    }
    void callListeners() override
    {
        listeners.call ([this] (Listener& l) { l.sendPresetResult (preset, result); });
    }

private:
    ListenerListType& listeners;
    const int result;
    const EditorPreset::Ptr preset;
};

class VexoEditorEngine::RequestPresetResultUpdater : public ListenerUpdater
{
public:
    RequestPresetResultUpdater (ListenerListType& l, EditorPreset::Ptr p, int slot, int r)
        : listeners (l)
        , preset (std::move (p))
        , slotInReply (slot)
        , result (r)
    {
    }
    void callListeners() override
    {
        listeners.call ([this] (Listener& l) { l.requestEnded (preset, slotInReply, result); });
    }

private:
    ListenerListType& listeners;
    const EditorPreset::Ptr preset;
    const int slotInReply;
    const int result;
};

namespace
{
template <void (VexoEditorEngine::Listener::*callback) (int)>
class ResultCodeUpdater : public ListenerUpdater
{
public:
    ResultCodeUpdater (juce::ListenerList<VexoEditorEngine::Listener>& l, int r)
        : listeners (l)
        , result (r)
    {
    }
    void callListeners() override
    {
        listeners.call ([this] (VexoEditorEngine::Listener& l) { (l.*callback) (result); });
    }

private:
    juce::ListenerList<VexoEditorEngine::Listener>& listeners;
    const int result;
};
} // namespace

class VexoEditorEngine::OpenPresetFileResultUpdater
    : public ResultCodeUpdater<&VexoEditorEngine::Listener::openPresetFileResult>
{
    using ResultCodeUpdater::ResultCodeUpdater;
};

class VexoEditorEngine::SavePresetFileResultUpdater
    : public ResultCodeUpdater<&VexoEditorEngine::Listener::savePresetFileResult>
{
    using ResultCodeUpdater::ResultCodeUpdater;
};

void VexoEditorEngine::Listener::requestEnded (EditorPreset::Ptr, int, int result)
{
    requestPresetResult (result);
}

//==============================================================================
VexoEditorEngine::VexoEditorEngine (int numPresets, int sizeOfDump, MidiManager::Ptr manager)
    : midiManager (std::move (manager))
    , presetCount (numPresets)
    , dumpSize (sizeOfDump)
    , sends (std::make_unique<ReplyExchange> (hooksFor (true), *this, sendTimerId,
                                              sizeOfDump + VexoSysEx::acknowledgementSize,
                                              linkFasterThanCable))
    , requests (std::make_unique<ReplyExchange> (hooksFor (false), *this, requestTimerId,
                                                 VexoSysEx::presetRequestSize + sizeOfDump,
                                                 linkFasterThanCable))
    , incoming (std::make_unique<IncomingMessages> (*this))
{
    setReplyTimeout (defaultReplyTimeoutMs);
    setLateReplyWait (defaultLateReplyWaitMs);
    if (midiManager != nullptr)
        midiManager->addListener (incoming.get());
}

VexoEditorEngine::~VexoEditorEngine()
{
    // First, so that no delivery from the MIDI input thread is running or can start.
    if (midiManager != nullptr)
        midiManager->removeListener (incoming.get());

    stopTimer (sendTimerId);
    stopTimer (requestTimerId);
    incoming.reset();
    cancelQueuedUpdates();
}

void VexoEditorEngine::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.add (listener);
}

void VexoEditorEngine::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

VexoSysEx::Model VexoEditorEngine::getMessageModel() const
{
    return {getProductId(),
            getGlobalSettingsMessageId(),
            getGlobalSettingsRequestId(),
            getGlobalSettingsRequestCode(),
            dumpSize,
            getDumpTrailer()};
}

juce::Array<juce::uint8> VexoEditorEngine::buildMessage (const EditorPreset& preset, juce::uint8 kind,
                                                         int slot) const
{
    return VexoSysEx::buildMessage (getMessageModel(), preset.getDataSize(), kind, slot);
}

void VexoEditorEngine::setReplyTimeout (int milliseconds)
{
    for (auto* exchange : {sends.get(), requests.get()})
        exchange->setReplyTimeout (juce::jmax (1, milliseconds));
}

void VexoEditorEngine::setLateReplyWait (int milliseconds)
{
    for (auto* exchange : {sends.get(), requests.get()})
        exchange->setLateReplyWait (juce::jmax (1, milliseconds));
}

//==============================================================================
void VexoEditorEngine::sendPreset (int slot, EditorPreset::Ptr preset)
{
    if (preset == nullptr)
        return;

    if (midiManager == nullptr || midiManager->getNumOpenOutputs() == 0)
    {
        // What is under way can no longer be acknowledged through this output: it ends now, with
        // the same report as the new send, oldest first.
        sends->portLost (midiManager != nullptr && midiManager->getNumOpenInputs() > 0);
        queueSendResult (preset, resultNoPort);
        return;
    }
    sends->add (preset, slot);
}

void VexoEditorEngine::requestPreset (int slot, EditorPreset::Ptr preset)
{
    if (preset == nullptr)
        return;

    if (midiManager == nullptr || midiManager->getNumOpenInputs() == 0)
    {
        queueRequestResult (preset, -1, resultNoPort);
        return;
    }
    requests->add (preset, slot);
}

ReplyExchange::Hooks VexoEditorEngine::hooksFor (bool forSends)
{
    ReplyExchange::Hooks hooks;
    hooks.portOpen = [this, forSends]
    {
        return midiManager != nullptr &&
               (forSends ? midiManager->getNumOpenOutputs() : midiManager->getNumOpenInputs()) > 0;
    };
    hooks.send = [this, forSends] (const ReplyExchange::Entry& entry)
    {
        const auto model = getMessageModel();
        midiManager->sendMessage (
            VexoSysEx::toMidiMessage (forSends ? VexoSysEx::buildDump (model, *entry.preset, entry.slot)
                                               : VexoSysEx::buildPresetRequest (model, entry.slot)));
    };
    hooks.answered = [this, forSends] (const ReplyExchange::Entry& entry, const juce::MidiMessage& reply)
    {
        if (forSends)
            queueSendResult (entry.preset, resultSuccess);
        else
            loadDump (entry, reply);
    };
    hooks.ended = [this, forSends] (const ReplyExchange::Entry& entry, ReplyExchange::Ending ending)
    {
        const int result = ending == ReplyExchange::Ending::timedOut ? resultNoReply : resultNoPort;
        if (forSends)
            queueSendResult (entry.preset, result);
        else
            queueRequestResult (entry.preset, -1, result);
    };
    return hooks;
}

void VexoEditorEngine::devicesLost()
{
    // Replies can still come through an input that stays, for what is on its way too.
    const bool inputStays = midiManager != nullptr && midiManager->getNumOpenInputs() > 0;
    sends->portLost (inputStays);
    requests->portLost (inputStays);
}

void VexoEditorEngine::timerCallback (int timerId)
{
    if (timerId == sendTimerId)
        sends->timerFired();
    else if (timerId == requestTimerId)
        requests->timerFired();
    else
        stopTimer (timerId);
}

//==============================================================================
void VexoEditorEngine::handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message)
{
    incoming->handleIncomingMidiMessage (source, message);
}

void VexoEditorEngine::processIncoming (const juce::MidiMessage& message, double receivedMs)
{
    const auto* data = message.getRawData();
    const int size = message.getRawDataSize();

    switch (VexoSysEx::classify (getMessageModel(), message))
    {
        case VexoSysEx::Kind::presetDump:
            // A dump nobody awaits is dropped.
            requests->replyReceived (message, receivedMs);
            break;
        case VexoSysEx::Kind::acknowledgement:
            if (!sends->replyReceived (message, receivedMs))
                queueSendResult (nullptr, resultSuccess);
            break;
        case VexoSysEx::Kind::globalSettingReply:
            globalSettingReplyReceived (data, size);
            break;
        case VexoSysEx::Kind::ignored:
            break;
    }
}

void VexoEditorEngine::loadDump (const ReplyExchange::Entry& request, const juce::MidiMessage& dump)
{
    // A refused dump still answers its request: no other dump would ever be matched to it.
    const auto* data = dump.getRawData();
    const int size = dump.getRawDataSize();
    const bool loaded =
        request.preset->fromBytes (VexoSysEx::extractDataBlock (data, size, getDumpTrailer().size()));
    const int slotInReply = size > VexoSysEx::slotOffset ? data[VexoSysEx::slotOffset] : -1;
    queueRequestResult (request.preset, slotInReply, loaded ? resultSuccess : resultNoReply);
}

void VexoEditorEngine::globalSettingReplyReceived (const juce::uint8* data, int size)
{
    if (globalSettings == nullptr)
        globalSettings = getGlobalSettings();
    if (globalSettings == nullptr)
        return;

    for (const auto& pair : VexoSysEx::readGlobalSettingReply (data, size))
        if (globalSettings->setSetting (pair, juce::sendNotificationAsync))
            settingsReported = true;
}

//==============================================================================
void VexoEditorEngine::loadPresetFile (const juce::File& file, EditorPreset::Ptr preset)
{
    if (!file.existsAsFile())
    {
        queueOpenResult (fileMissing);
        return;
    }

    // Only a file of exactly one dump can hold a block the preset accepts; anything else is
    // refused without reading it, however large it is.
    const auto trailerSize = getDumpTrailer().size();
    juce::MemoryBlock data;
    const bool loaded =
        preset != nullptr &&
        file.getSize() == VexoSysEx::dumpHeaderSize + preset->getDataSize() + trailerSize + 1 &&
        file.loadFileAsData (data) &&
        preset->fromBytes (VexoSysEx::extractDataBlock (static_cast<const juce::uint8*> (data.getData()),
                                                        (int)data.getSize(), trailerSize));
    queueOpenResult (loaded ? fileLoaded : fileInvalid);
}

void VexoEditorEngine::savePresetFile (const juce::File& file, EditorPreset::Ptr preset)
{
    bool written = false;
    // Replacing a file means deleting what is there first, and an empty folder would go with it.
    // A folder that is not there (taken away since it was chosen) is a failed save, found before
    // anything is written.
    if (preset != nullptr && !file.isDirectory() && file.getParentDirectory().isDirectory())
    {
        const auto bytes = VexoSysEx::wrap (VexoSysEx::buildDump (getMessageModel(), *preset, 0));
        written = file.replaceWithData (bytes.getRawDataPointer(), (size_t)bytes.size());
    }
    queueSaveResult (written ? saveWritten : saveFailed);
}

bool VexoEditorEngine::checkPresetFile (const juce::File& file)
{
    if (!file.existsAsFile() || file.getSize() != dumpSize)
        return false;

    juce::MemoryBlock data;
    if (!file.loadFileAsData (data) || (int)data.getSize() != dumpSize)
        return false;

    return isValidPresetBlock (VexoSysEx::extractDataBlock (static_cast<const juce::uint8*> (data.getData()),
                                                            (int)data.getSize(), getDumpTrailer().size()));
}

bool VexoEditorEngine::isValidPresetBlock (const juce::Array<juce::uint8>& block) const
{
    auto fresh = createPreset();
    return fresh != nullptr && fresh->validateBytes (block);
}

void VexoEditorEngine::copyControl (MEditorControl::Ptr source, MEditorControl::Ptr target)
{
    if (source != nullptr && target != nullptr && source->getTypeName() == target->getTypeName())
        target->fromBytes (source->toBytes());
}

EditorPreset::Ptr VexoEditorEngine::createFactoryPreset()
{
    auto preset = createPreset();
    if (preset != nullptr)
        FactoryPreset::loadInto (*preset);
    return preset;
}

//==============================================================================
void VexoEditorEngine::requestGlobalSettings()
{
    if (midiManager != nullptr)
        midiManager->sendMessage (
            VexoSysEx::toMidiMessage (VexoSysEx::buildGlobalSettingsRequest (getMessageModel())));
}

void VexoEditorEngine::sendGlobalSettings (VexoGlobalSettings::Ptr settings)
{
    if (settings == nullptr || midiManager == nullptr)
        return;

    const auto model = getMessageModel();
    for (const auto& pair : settings->getSettings())
    {
        midiManager->sendMessage (VexoSysEx::toMidiMessage (VexoSysEx::buildGlobalSetting (model, pair)));
        requestGlobalSettings();
    }
}

//==============================================================================
void VexoEditorEngine::queueSendResult (EditorPreset::Ptr preset, int result)
{
    queueUpdate (new SendPresetResultUpdater (listeners, result, std::move (preset)),
                 juce::sendNotificationAsync);
}

void VexoEditorEngine::queueRequestResult (EditorPreset::Ptr preset, int slotInReply, int result)
{
    queueUpdate (new RequestPresetResultUpdater (listeners, std::move (preset), slotInReply, result),
                 juce::sendNotificationAsync);
}

void VexoEditorEngine::queueOpenResult (int result)
{
    queueUpdate (new OpenPresetFileResultUpdater (listeners, result), juce::sendNotificationAsync);
}

void VexoEditorEngine::queueSaveResult (int result)
{
    queueUpdate (new SavePresetFileResultUpdater (listeners, result), juce::sendNotificationAsync);
}
