#include "engine/VexoEditorEngine.h"

#include "engine/FactoryPreset.h"

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
        // not need to cross threads.
        if (message.isSysEx())
            add (message);
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

    void add (const juce::MidiMessage& message)
    {
        {
            const juce::ScopedLock sl (lock);
            messages.add (message);
        }
        triggerAsyncUpdate();
    }

    void handleAsyncUpdate() override
    {
        juce::Array<juce::MidiMessage> batch;
        {
            const juce::ScopedLock sl (lock);
            batch.swapWith (messages);
        }
        for (const auto& message : batch)
            engine.processIncoming (message);
    }

private:
    VexoEditorEngine& engine;
    juce::CriticalSection lock;
    juce::Array<juce::MidiMessage> messages;
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
    , incoming (std::make_unique<IncomingMessages> (*this))
{
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
    stopTimer (lateAcknowledgementTimerId);
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

int VexoEditorEngine::getNumPendingSends() const
{
    return sends.size();
}

int VexoEditorEngine::getNumPendingRequests() const
{
    return requests.size();
}

EditorPreset::Ptr VexoEditorEngine::getSendOnItsWay() const
{
    return sends.getOnItsWay();
}

//==============================================================================
void VexoEditorEngine::sendPreset (int slot, EditorPreset::Ptr preset)
{
    if (preset == nullptr)
        return;

    if (!portOpenFor (Exchange::send))
    {
        // What is under way can no longer be acknowledged through this output: it ends now, with
        // the same report as the new send, oldest first.
        if (auto dropped = takeOnItsWay (Exchange::send))
            queueSendResult (dropped, resultNoPort);
        endWaiting (Exchange::send, resultNoPort);
        queueSendResult (preset, resultNoPort);
        return;
    }

    sends.add (preset, slot);
    startNext (Exchange::send);
}

void VexoEditorEngine::requestPreset (int slot, EditorPreset::Ptr preset)
{
    if (preset == nullptr)
        return;

    if (!portOpenFor (Exchange::request))
    {
        queueRequestResult (preset, -1, resultNoPort);
        return;
    }

    requests.add (preset, slot);
    startNext (Exchange::request);
}

bool VexoEditorEngine::portOpenFor (Exchange exchange) const
{
    if (midiManager == nullptr)
        return false;
    return exchange == Exchange::send ? midiManager->getNumOpenOutputs() > 0
                                      : midiManager->getNumOpenInputs() > 0;
}

void VexoEditorEngine::startNext (Exchange exchange)
{
    auto& pending = queueOf (exchange);
    const auto next = pending.peekNext();
    if (!next)
        return;

    if (!portOpenFor (exchange))
    {
        // None of the waiting can go out: each ends now, none is sent later.
        endWaiting (exchange, resultNoPort);
        return;
    }
    if (exchange == Exchange::send && lateAckAwaited)
        return;

    const auto model = getMessageModel();
    const auto message = VexoSysEx::toMidiMessage (
        exchange == Exchange::send ? VexoSysEx::buildDump (model, *next->preset, next->slot)
                                   : VexoSysEx::buildPresetRequest (model, next->slot));
    pending.handOver();
    midiManager->sendMessage (message);
    startTimeout (timerIdOf (exchange), replyTimeoutMs);
}

EditorPreset::Ptr VexoEditorEngine::takeOnItsWay (Exchange exchange)
{
    stopTimer (timerIdOf (exchange));
    return queueOf (exchange).takeOnItsWay();
}

void VexoEditorEngine::endWaiting (Exchange exchange, int result)
{
    for (auto& preset : queueOf (exchange).takeWaiting())
        reportEnd (exchange, std::move (preset), result);
}

void VexoEditorEngine::reportEnd (Exchange exchange, EditorPreset::Ptr preset, int result)
{
    if (exchange == Exchange::send)
        queueSendResult (std::move (preset), result);
    else
        queueRequestResult (std::move (preset), -1, result);
}

void VexoEditorEngine::devicesLost()
{
    for (const auto exchange : {Exchange::send, Exchange::request})
    {
        if (auto gone = takeOnItsWay (exchange))
            reportEnd (exchange, std::move (gone), resultNoPort);
        endWaiting (exchange, resultNoPort);
    }
}

void VexoEditorEngine::startTimeout (int timerId, int milliseconds)
{
    deadlines[timerId] = juce::Time::getMillisecondCounter() + (juce::uint32)milliseconds;
    startTimer (timerId, milliseconds);
}

void VexoEditorEngine::timerCallback (int timerId)
{
    stopTimer (timerId);
    if (timerId < sendTimerId || timerId > lateAcknowledgementTimerId)
        return;

    // The framework's timers count a new timer's time from the timer thread's last wake-up, so
    // after the message thread has been busy one can expire early: each waits its whole time.
    const auto remainingMs = (juce::int32) (deadlines[timerId] - juce::Time::getMillisecondCounter());
    if (remainingMs > 0)
    {
        startTimer (timerId, remainingMs);
        return;
    }

    if (timerId == sendTimerId)
    {
        if (auto preset = takeOnItsWay (Exchange::send))
        {
            queueSendResult (preset, resultNoReply);
            lateAckAwaited = true;
            startTimeout (lateAcknowledgementTimerId, lateAckWaitMs);
        }
    }
    else if (timerId == requestTimerId)
    {
        if (auto preset = takeOnItsWay (Exchange::request))
            queueRequestResult (preset, -1, resultNoReply);
        startNext (Exchange::request);
        return;
    }
    else
    {
        lateAckAwaited = false;
    }
    startNext (Exchange::send);
}

//==============================================================================
void VexoEditorEngine::handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message)
{
    incoming->handleIncomingMidiMessage (source, message);
}

void VexoEditorEngine::processIncoming (const juce::MidiMessage& message)
{
    const auto* data = message.getRawData();
    const int size = message.getRawDataSize();

    switch (VexoSysEx::classify (getMessageModel(), message))
    {
        case VexoSysEx::Kind::presetDump:
            presetDumpReceived (data, size);
            break;
        case VexoSysEx::Kind::acknowledgement:
            acknowledgementReceived();
            break;
        case VexoSysEx::Kind::globalSettingReply:
            globalSettingReplyReceived (data, size);
            break;
        case VexoSysEx::Kind::ignored:
            break;
    }
}

void VexoEditorEngine::presetDumpReceived (const juce::uint8* data, int size)
{
    auto preset = takeOnItsWay (Exchange::request);
    if (preset == nullptr)
        return;

    // A refused dump still answers the oldest request: no other dump would ever be matched to it.
    const bool loaded = preset->fromBytes (VexoSysEx::extractDataBlock (data, size, getDumpTrailer().size()));
    const int slotInReply = size > VexoSysEx::slotOffset ? data[VexoSysEx::slotOffset] : -1;
    queueRequestResult (preset, slotInReply, loaded ? resultSuccess : resultNoReply);
    startNext (Exchange::request);
}

void VexoEditorEngine::acknowledgementReceived()
{
    // Nothing is on its way while a late acknowledgement is awaited: this is that one, and the
    // send it answers has had its result.
    if (std::exchange (lateAckAwaited, false))
        stopTimer (lateAcknowledgementTimerId);
    else
        queueSendResult (takeOnItsWay (Exchange::send), resultSuccess);
    startNext (Exchange::send);
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
