#include "comms/MidiCntrState.h"
#include "comms/LibraryFiles.h"
#include "model/ParDes.h"

using protocol::byteAt;

MidiCntrState::MidiCntrState (std::unique_ptr<MidiPortDriver> driver, std::unique_ptr<ObjectStore> store, juce::File folder)
    : portDriver (std::move (driver)), objectStore (std::move (store)), libraryFolder (std::move (folder))
{
    loadSettings();
    loadFavourites();
    settings.validatedChannel();
    currentChannel = 1;

    if (objectStore != nullptr)
    {
        objectStore->setSender ([this] (const protocol::Bytes& message) { sendSysEx (message); });
        objectStore->loadBanks();
    }

    for (int channel = 0; channel < slots::CHANNEL_COUNT; ++channel)
        setChannelProgram (channel, 1, false);
}

MidiCntrState::~MidiCntrState()
{
    stopTimer();
    cancelPendingUpdate();
    saveSettings();
    saveFavourites();

    if (objectStore != nullptr && savesBanksOnClose)
        objectStore->saveBanks();

    if (ports != nullptr)
        ports->openInput (0);   // no more callbacks from here on
    ports.reset();
}

//==============================================================================
void MidiCntrState::loadSettings() { settings.load (libraryFolder.getChildFile (library::SETTINGS_FILE)); }
void MidiCntrState::saveSettings() { settings.save (libraryFolder.getChildFile (library::SETTINGS_FILE)); }

void MidiCntrState::loadFavourites()
{
    const auto data = library::readWhole (libraryFolder.getChildFile (library::FAVORITES_FILE));
    favourites.load (Bytes (static_cast<const uint8_t*> (data.getData()), static_cast<const uint8_t*> (data.getData()) + data.getSize()));
}

void MidiCntrState::saveFavourites()
{
    const auto& table = favourites.getTable();
    library::writeAtomically (libraryFolder.getChildFile (library::FAVORITES_FILE), table.data(), table.size());
}

void MidiCntrState::recordPage (int pageCode)
{
    previousPage = activePage;
    activePage = pageCode;
}

//==============================================================================
int MidiCntrState::getChannelProgram (int channel) const
{
    return juce::jmax (1, valueSlots.get (slots::programSlot (channel)));
}

int MidiCntrState::getMulti() const
{
    return juce::jmax (1, valueSlots.get (slots::MULTI));
}

void MidiCntrState::setValue (int slot, int value, bool send)
{
    if (! valueSlots.exists (slot))
        return;

    const auto& info = valueSlots.info (slot);

    if (info.sendMethod == slots::SEND_CHANNEL_VALUE)
    {
        applyChannelProgram (info.channel, value);
    }
    else
    {
        if (info.sendMethod >= slots::SEND_INSERT_CHAIN && info.sendMethod <= slots::SEND_AUX2_CHAIN
              && objectStore != nullptr)
        {
            std::array<int, 3> chains { valueSlots.get (slots::channelSlot (info.channel, slots::INSERT_FX_CHAIN)),
                                        valueSlots.get (slots::channelSlot (info.channel, slots::AUX1_FX_CHAIN)),
                                        valueSlots.get (slots::channelSlot (info.channel, slots::AUX2_FX_CHAIN)) };
            chains[(size_t) (info.sendMethod - slots::SEND_INSERT_CHAIN)] = value;
            objectStore->setChannelFxChains (info.channel, chains);
        }
        valueSlots.set (slot, value);
    }

    if (send)
        sendParameter (slot, value);
    postParameter (slot, value);
}

void MidiCntrState::applyChannelProgram (int channel, int program)
{
    if (program <= 0)
        return;

    valueSlots.set (slots::programSlot (channel), program);

    if (program == programInUse[channel])
        return;

    programInUse[channel] = program;

    if (objectStore == nullptr)
        return;

    const auto chains = objectStore->loadChannelProgram (channel, program);
    const int chainSlots[3] = { slots::INSERT_FX_CHAIN, slots::AUX1_FX_CHAIN, slots::AUX2_FX_CHAIN };

    for (size_t i = 0; i < 3; ++i)
    {
        const int slot = slots::channelSlot (channel, chainSlots[i]);
        valueSlots.set (slot, chains[i]);
        postParameter (slot, chains[i]);
    }
}

namespace
{
void addController (juce::MidiBuffer& buffer, int channel1, int number, int value)
{
    buffer.addEvent (juce::MidiMessage::controllerEvent (channel1, number, juce::jlimit (0, 127, value)), 0);
}

void addParameterRun (juce::MidiBuffer& buffer, const protocol::ParamAddress& address, int channel, int value)
{
    const int channel1 = protocol::parameterChannel (address, channel);
    for (const auto& c : protocol::parameterChange (address, value))
        addController (buffer, channel1, c.controller, c.value);
}
}

void MidiCntrState::sendParameterChange (const protocol::ParamAddress& address, int channel, int value)
{
    if (otherMember || ports == nullptr)
        return;
    juce::MidiBuffer buffer;
    addParameterRun (buffer, address, channel, value);
    ports->sendBuffer (buffer);
}

void MidiCntrState::sendParameterEdit (int bitRole, const protocol::ParamAddress& address, int channel, int value)
{
    namespace param = program::param;
    const bool clockSource = bitRole == 1 && address.level == 5 && address.block == 5 && address.sub == 0 && address.param == 24;
    if (clockSource)
    {
        // Clock source and tempo share one parameter: internal sends the tempo, external 0.
        const int tempo = objectStore != nullptr ? objectStore->multiTempo() : 0;
        value = value == 0 ? (tempo > 0 ? tempo : DEFAULT_TEMPO) : 0;
    }
    else if (bitRole == param::NEGATED)
        value = -value;

    auto* mirror = objectStore != nullptr ? objectStore->programEdit (channel) : nullptr;
    if (const auto place = param::placeOf (address); place && mirror != nullptr)
    {
        if (place->packed)
            value = param::packedByte (mirror->readPlace (*place), address, bitRole, value);
        mirror->writePlace (*place, value);
    }
    sendParameterChange (address, channel, value);
}

juce::String MidiCntrState::formatValue (int value, int displayCode) const
{
    const auto* store = objectStore.get();
    const auto names = [store] (int type, int id) { return store != nullptr ? store->objectName (type, id) : std::string(); };
    return juce::String (pardes::formatValue (value, displayCode, names));
}

void MidiCntrState::sendParameter (int slot, int value)
{
    if (otherMember || ports == nullptr || ! valueSlots.exists (slot))
        return;

    const auto& info = valueSlots.info (slot);
    juce::MidiBuffer buffer;

    if (info.kind == slots::KIND_CHANNEL_BLOCK)
    {
        if (info.index == slots::PAN)
            addController (buffer, info.channel + 1, 10, juce::jmax (0, value + 63));

        if (info.index == slots::FX_ALLOC || info.index == slots::AUX1_OUT || info.index == slots::AUX2_OUT)
            return;
    }

    switch (info.sendMethod)
    {
        case slots::SEND_PARAMETER:
        case slots::SEND_INSERT_CHAIN:
        case slots::SEND_AUX1_CHAIN:
        case slots::SEND_AUX2_CHAIN:
            if (info.hasAddress)
                addParameterRun (buffer, info.address, info.channel, value);
            break;

        case slots::SEND_CHANNEL_VALUE:
            sendSysEx (protocol::channelValue (info.channel, value));
            break;

        case slots::SEND_GLOBAL_VALUE:
            sendSysEx (protocol::globalValue (value));
            break;

        case slots::SEND_MODE:
            if (value == 1 || value == 2)
                addParameterRun (buffer, { 12, 0, 0, 0, 11 }, 0, value);
            break;

        case slots::SEND_CONTROLLER:
        case slots::SEND_CHANNEL_CONTROLLER:
            addController (buffer, info.channel + 1, info.number, value);
            break;

        default:
            break;
    }

    if (! buffer.isEmpty())
        ports->sendBuffer (buffer);
}

//==============================================================================
void MidiCntrState::addStateListener (stateListener* listener)
{
    const juce::ScopedLock guard (lock);
    listeners.addIfNotAlreadyThere (listener);
}

void MidiCntrState::removeStateListener (stateListener* listener)
{
    const juce::ScopedLock guard (lock);
    listeners.removeFirstMatchingValue (listener);
}

void MidiCntrState::notifyListeners()
{
    const juce::ScopedLock guard (lock);
    for (int i = listeners.size(); --i >= 0;)
        listeners.getUnchecked (i)->stateQueued();
}

void MidiCntrState::postState (int word)
{
    pendingStates.push (word);
    notifyListeners();
}

void MidiCntrState::postParameter (int slot, int value)
{
    pendingParameters.push ({ value & 0xFFFF, state::PARAMETER_KIND << 16 | slot });
    notifyListeners();
}

//==============================================================================
void MidiCntrState::createPorts()
{
    if (portDriver == nullptr)
        return;

    ports = std::make_unique<MIDI_PORTS_Control> (*portDriver, settings, *this);
    ports->openInput (ports->findInputIndex (settings[MidiSettings::INPUT_PORT]));
    ports->openOutput (ports->findOutputIndex (settings[MidiSettings::OUTPUT_PORT]));
}

void MidiCntrState::sendSysEx (const protocol::Bytes& message)
{
    if (ports != nullptr)
        ports->sendSysEx (message);
}

void MidiCntrState::sendNoteOn (int channel, int note, int velocity)
{
    if (ports != nullptr)
        ports->sendNoteOn (channel, note, velocity);
}

void MidiCntrState::sendNoteOff (int channel, int note)
{
    if (ports != nullptr)
        ports->sendNoteOff (channel, note);
}

void MidiCntrState::sendController (int channel, int number, int value)
{
    if (ports != nullptr)
        ports->sendController (channel, number, value);
}

void MidiCntrState::sendPitchWheel (int channel, int position)
{
    if (ports != nullptr)
        ports->sendPitchWheel (channel, position);
}

void MidiCntrState::sendIdentityRequest()
{
    postState (state::word (state::OFF_LINE, 0, 0, 0));
    supportedDevice = false;
    sendSysEx (protocol::identityRequest());
}

void MidiCntrState::identifyDevice (const protocol::Bytes& reply)
{
    const int family = byteAt (reply, 6), familyHigh = byteAt (reply, 7);
    const int member = byteAt (reply, 8), memberHigh = byteAt (reply, 9);
    const juce::String unknown ("Connected - Device Unknown");

    // Start from "unknown" so that a foreign device never shows the previous device's name.
    deviceName = unknown;

    if (familyHigh == 0x40)
    {
        switch (memberHigh)
        {
            case 0x0A: deviceName = "VELMORAN ZK5L"; break;
            case 0x0B: deviceName = "VELMORAN HT1"; break;
            case 0x0F: deviceName = "VELMORAN ZK5X"; break;
            case 0x10: deviceName = "VELMORAN HT2"; break;
            case 0x13: deviceName = "VELMORAN LUMEN"; break;
            case 0x40: deviceName = "VELMORAN ZK5"; break;
            default: break;
        }
    }

    if (family == 0x41)
        deviceName = member == 1 ? "VELMORAN BRAVA" : unknown;
    else if (family == 0x42)
        deviceName = member == 1 ? "VELMORAN BRAVA LX" : unknown;
    else if (family == 0x44)
        deviceName = member == 3 ? "VELMORAN HT3" : unknown;
    else if (family == 0x46)
    {
        deviceName = member == 1 ? "VELMORAN ZK7" : unknown;
        supportedDevice = member == 1;
    }

    // Decided afresh by every reply, so that choosing the right port after a
    // wrong one makes the program send again.
    otherMember = member != 1;

    sendParameter (IDENTITY_PARAMETER_SLOT, -1);
    postState (state::word (state::ON_LINE, 0, 0, 0));
}

//==============================================================================
void MidiCntrState::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    // The hold-off keeps the instrument's echo of a mode switch out; an answer
    // to our own identity request is no echo and must not be lost.
    const bool identityReply = message.isSysEx() && message.getRawDataSize() > 3
                               && message.getRawData()[1] == 0x7E && message.getRawData()[3] == 0x06;
    if (holdOff.load() && ! identityReply)
        return;

    const int channel = juce::jlimit (1, 16, message.getChannel()) - 1;
    const auto* raw = message.getRawData();
    // Data bytes are 7-bit; a malformed message must not index outside the tables.
    const int data1 = message.getRawDataSize() > 1 ? raw[1] & 0x7F : 0;
    const int data2 = message.getRawDataSize() > 2 ? raw[2] & 0x7F : 0;

    if (message.isSysEx())
        collectSysEx (raw, message.getRawDataSize());
    else if (message.isNoteOn())
    {
        keyState[data1] = 1;
        postState (state::word (state::NOTE_ON, channel, data1, data2));
    }
    else if (message.isNoteOff())
    {
        keyState[data1] = 0;
        postState (state::word (state::NOTE_OFF, channel, data1, 0));
    }
    else if (message.isAllNotesOff())
    {
        for (auto& key : keyState)
            key = 0;
    }
    else if (message.isController())
        handleController (channel, data1, data2);
    else if (message.isProgramChange())
        handleProgramChange (channel, data1);
    else if (message.isPitchWheel())
        postState (state::word (state::PITCH_BEND, channel, 0, 0) | (data2 << 7 | data1));
    else if (message.getRawDataSize() > 0 && raw[0] < 0xF8)
        collectSysEx (raw, message.getRawDataSize());   // a SysEx continuation
}

void MidiCntrState::handlePartialSysexMessage (juce::MidiInput*, const juce::uint8*, int, double)
{
    protocol::Bytes collected;
    {
        const juce::ScopedLock guard (lock);
        collected = sysEx.takePartial();
    }
    if (! collected.empty())
        queueSysEx (std::move (collected));
}

void MidiCntrState::handleController (int channel, int controller, int value)
{
    if (controller == 32)
    {
        channelBank[channel] = value;
        return;
    }
    if (controller == 0)
        return;

    const int slot = slots::controllerSlot (channel, controller);
    if (value == valueSlots.get (slot))
        return;

    valueSlots.set (slot, value);
    postParameter (slot, value);
    if (controller == 1)
        postState (state::word (state::CONTROLLER, channel, 1, value));
}

void MidiCntrState::handleProgramChange (int channel, int program)
{
    channelProgramChange[channel] = program;
    const int combined = channelBank[channel] * 128 + program;
    if (combined == channelCombinedProgram[channel])
        return;

    channelCombinedProgram[channel] = combined;
    pendingInput.push ({ InputEvent::PROGRAM_CHANGE, channel, combined, {} });
    triggerAsyncUpdate();
}

void MidiCntrState::collectSysEx (const juce::uint8* data, int size)
{
    std::optional<protocol::Bytes> complete;
    {
        const juce::ScopedLock guard (lock);
        complete = sysEx.add (data, (size_t) size);
    }
    if (complete)
        queueSysEx (std::move (*complete));
}

void MidiCntrState::queueSysEx (protocol::Bytes message)
{
    pendingInput.push ({ InputEvent::SYSEX, 0, 0, std::move (message) });
    triggerAsyncUpdate();
}

void MidiCntrState::clearKeyState()
{
    const juce::ScopedLock guard (lock);
    for (auto& key : keyState)
        key = 0;
    sysEx.clear();
}

//==============================================================================
void MidiCntrState::processPendingInput()
{
    for (auto& event : pendingInput.takeAll())
    {
        if (event.type == InputEvent::PROGRAM_CHANGE)
            setChannelProgram (event.channel, event.program, false);
        else
            routeSysEx (event.bytes);
    }
}

void MidiCntrState::routeSysEx (const protocol::Bytes& message)
{
    if (byteAt (message, 1) == 0x7E && byteAt (message, 3) == 0x06)
    {
        identifyDevice (message);
        sendSysEx (protocol::editBufferRequest (protocol::CMD_GLOBAL, 0, 3, 0));
    }
    else if (byteAt (message, 2) == protocol::PRODUCT_CODE && byteAt (message, 3) == protocol::HEADER_FIXED)
    {
        routeInstrumentMessage (message);
    }
}

void MidiCntrState::routeInstrumentMessage (const protocol::Bytes& message)
{
    if (objectStore == nullptr)
        return;

    const protocol::Bytes body (message.begin() + 1, message.end());

    if (transferRouting)
    {
        objectStore->receiveTransfer (body);
        return;
    }

    objectStore->receiveEditBuffer (body);

    // Global block 3 tells which program each channel plays on the instrument.
    if (message.size() > 9 && byteAt (message, 5) == protocol::CMD_GLOBAL && byteAt (message, 9) == 3)
    {
        const auto programs = objectStore->channelProgramsOfGlobalBlock();
        for (int channel = 0; channel < slots::CHANNEL_COUNT; ++channel)
            if (programs[(size_t) channel] != valueSlots.get (slots::programSlot (channel)))
                setValue (slots::programSlot (channel), programs[(size_t) channel], false);
    }
}

//==============================================================================
void MidiCntrState::startHoldOff()
{
    holdOff = true;
    startTimer (HOLD_OFF_MS);
}

void MidiCntrState::timerCallback()
{
    holdOff = false;
    stopTimer();
}
