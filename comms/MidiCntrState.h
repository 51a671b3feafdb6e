#pragma once

#include "comms/HandOverQueue.h"
#include "comms/MIDI_PORTS_Control.h"
#include "comms/MidiSettings.h"
#include "comms/SysExAssembler.h"
#include "comms/ObjectStore.h"
#include "comms/ValueSlots.h"
#include "model/Favourites.h"

#include <atomic>

/** Told about everything the controller state queues. stateQueued() may be
    called on the MIDI input thread and must only arrange a later drain. */
class stateListener
{
public:
    virtual ~stateListener() = default;
    virtual void stateQueued() = 0;
    virtual void stateMessage (int word) = 0;
    virtual void parameterMessage (int value, int address) = 0;
};

/** StateMessage words: status << 24 | channel << 16 | data1 << 8 | data2. */
namespace state
{
constexpr int NOTE_ON = 0x90, NOTE_OFF = 0x80, CONTROLLER = 0xB0, PITCH_BEND = 0xE0;
constexpr int ON_LINE = 3, OFF_LINE = 4, REFRESH = 11;

constexpr int word (int status, int channel, int data1, int data2)
{
    return status << 24 | channel << 16 | data1 << 8 | data2;
}
constexpr int status (int w) { return (w >> 24) & 0xFF; }

/** Parameter address: kind << 16 | slot; the controller state posts kind 1. */
constexpr int PARAMETER_KIND = 1;
}

/** A queued value change: the value's low 16 bits and kind << 16 | slot. */
struct ParameterPair
{
    int value;
    int address;
};

/** The model of the instrument's performance state and the single MIDI
    endpoint: value slots, settings, ports, incoming MIDI and notifications.

    Threads: handleIncomingMidiMessage runs on the MIDI input thread. It only
    touches the key state, the controller slots, the SysEx assembly and the
    queues. Complete SysEx messages and program changes are handed to the
    message thread through the input queue, because handling them touches the
    object store and the ports, which belong to the message thread. */
class MidiCntrState : public juce::MidiInputCallback,
                      private juce::Timer,
                      private juce::AsyncUpdater
{
public:
    static constexpr int HOLD_OFF_MS = 2000;
    static constexpr int IDENTITY_PARAMETER_SLOT = 250;

    /** Loads the settings and the banks and sets every channel to program 1.
        Either argument may be null: no ports, or no object store. */
    MidiCntrState (std::unique_ptr<MidiPortDriver> driver, std::unique_ptr<ObjectStore> store,
                   juce::File libraryFolder);
    ~MidiCntrState() override;

    /** Whether closing writes every bank to the library folder (the default).
        A tool that writes the banks only when it has something new turns it off. */
    void setSavesBanksOnClose (bool shouldSave) { savesBanksOnClose = shouldSave; }

    //==============================================================================
    // Value slots
    ValueSlots& getSlots() { return valueSlots; }
    const ValueSlots& getSlots() const { return valueSlots; }
    int getValue (int slot) const { return valueSlots.get (slot); }

    /** Stores a value, sends it when asked and tells the listeners. */
    void setValue (int slot, int value, bool send);
    void setChannelProgram (int channel, int program, bool send) { setValue (slots::programSlot (channel), program, send); }
    void setMulti (int value, bool send) { setValue (slots::MULTI, value, send); }
    int getChannelProgram (int channel) const;
    int getMulti() const;

    /** A value as text in a display code, with object names from the banks. */
    juce::String formatValue (int value, int displayCode) const;

    /** Sends one parameter-change run for a channel (0..15); level 15 goes on channel 1. */
    void sendParameterChange (const protocol::ParamAddress& address, int channel, int value);

    /** The editors' parameter send: the bit role says whether the value is one field of a
        packed byte (the channel's program mirror is updated and the whole byte sent),
        sent negated (role 6), or, on the multi's clock source, turned into the tempo.
        Every program address also keeps the channel's program mirror current. */
    void sendParameterEdit (int bitRole, const protocol::ParamAddress& address, int channel, int value);
    static constexpr int DEFAULT_TEMPO = 120;

    /** Puts a slot's value on the wire the way its send method says. */
    void sendParameter (int slot, int value);

    //==============================================================================
    // Notifications
    void addStateListener (stateListener* listener);
    void removeStateListener (stateListener* listener);
    void postState (int word);
    void postParameter (int slot, int value);
    std::vector<int> takePendingStates() { return pendingStates.takeAll(); }
    std::vector<ParameterPair> takePendingParameters() { return pendingParameters.takeAll(); }

    //==============================================================================
    // Ports and the instrument
    void createPorts();
    MIDI_PORTS_Control* getPorts() { return ports.get(); }
    void sendIdentityRequest();
    void identifyDevice (const protocol::Bytes& reply);
    void sendNoteOn (int channel, int note, int velocity);
    void sendNoteOff (int channel, int note);
    void sendController (int channel, int number, int value);
    void sendPitchWheel (int channel, int position);
    void sendSysEx (const protocol::Bytes& message);

    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;
    void handlePartialSysexMessage (juce::MidiInput* source, const juce::uint8* data, int numBytes, double timestamp) override;
    /** Handles the SysEx messages and program changes the MIDI thread queued. */
    void processPendingInput();

    bool isKeyDown (int note) const { return juce::isPositiveAndBelow (note, 128) && keyState[note].load() != 0; }
    /** Releases every key and drops a half-assembled SysEx message. */
    void clearKeyState();

    /** Ignores MIDI input for 2000 ms so the instrument's echo of a mode switch is not taken as input. */
    void startHoldOff();
    bool isHoldingOff() const { return holdOff.load(); }

    //==============================================================================
    // Settings and the object store
    MidiSettings& getSettings() { return settings; }
    const juce::File& getLibraryFolder() const { return libraryFolder; }

    /** The favourites, kept in "Favorites.dat": loaded at start, written after each change and at the end. */
    Favourites favourites;
    void loadFavourites();
    void saveFavourites();
    void loadSettings();
    void saveSettings();
    ObjectStore* getObjectStore() const { return objectStore.get(); }

    //==============================================================================
    // Connection state
    juce::String deviceName;
    bool supportedDevice = false;
    bool otherMember = false;
    bool scanning = false;
    /** While set, instrument replies go to the transfer engine instead of the decoder. */
    bool transferRouting = false;

    // What the main component keeps here so it survives re-creation of its pages.
    int currentChannel = 1;
    bool keyboardOpen = false;
    int activePage = 0;
    int previousPage = 0;
    int octave = 3;
    bool touchMode = false;
    bool keyHeld = false;
    bool aboutShown = false;

    /** Records a page shown on top; the old top becomes the previous page. */
    void recordPage (int pageCode);

private:
    struct InputEvent
    {
        enum Type { PROGRAM_CHANGE, SYSEX } type;
        int channel = 0;
        int program = 0;
        protocol::Bytes bytes;
    };

    void timerCallback() override;
    void handleAsyncUpdate() override { processPendingInput(); }
    void notifyListeners();

    void handleController (int channel, int controller, int value);
    void handleProgramChange (int channel, int program);
    void collectSysEx (const juce::uint8* data, int size);
    void queueSysEx (protocol::Bytes message);
    void routeSysEx (const protocol::Bytes& message);
    void routeInstrumentMessage (const protocol::Bytes& message);
    void applyChannelProgram (int channel, int program);

    std::unique_ptr<MidiPortDriver> portDriver;
    std::unique_ptr<MIDI_PORTS_Control> ports;
    std::unique_ptr<ObjectStore> objectStore;
    juce::File libraryFolder;
    bool savesBanksOnClose = true;
    MidiSettings settings;
    ValueSlots valueSlots;

    HandOverQueue<int> pendingStates;
    HandOverQueue<ParameterPair> pendingParameters;
    HandOverQueue<InputEvent> pendingInput;

    juce::CriticalSection lock;
    juce::Array<stateListener*> listeners;

    std::atomic<bool> holdOff { false };
    std::atomic<uint8_t> keyState[128] {};
    SysExAssembler sysEx;                   // MIDI thread; reset under the lock

    // Input-side memory of the last bank and program change per channel (MIDI thread).
    int channelBank[16] {};
    int channelProgramChange[16] {};
    int channelCombinedProgram[16] {};
    int programInUse[16] {};                // message thread

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiCntrState)
};
