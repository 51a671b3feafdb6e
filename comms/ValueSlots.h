#pragma once

#include "comms/MidiProtocol.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

/** Numbers naming the value slots. */
namespace slots
{
constexpr int SLOT_COUNT = 2314;
constexpr int CHANNEL_COUNT = 16;
constexpr int CONTROLLER_BASE = 256;
constexpr int GLOBAL_BASE = 2304;

constexpr int MULTI = 2304;
constexpr int PLAYING_MODE = 2305;

enum ChannelSlot
{
    INSERT_FX_CHAIN = 0, INSERT_OUT = 1, FX_ALLOC = 2, AUX1_FX_CHAIN = 3, AUX1_LEVEL = 4, AUX1_OUT = 5,
    AUX2_FX_CHAIN = 6, AUX2_LEVEL = 7, AUX2_OUT = 8, PAN = 9, LEVEL = 10, PROGRAM = 11,
    SOLO = 12, MUTE = 13, PROGRAM_BANK = 14, PROGRAM_NUMBER = 15
};

enum Kind
{
    KIND_CHANNEL_BLOCK = 15,
    KIND_CONTROLLER = 17,
    KIND_GLOBAL = 19
};

enum SendMethod
{
    SEND_NEVER = 0, SEND_PARAMETER = 1, SEND_CHANNEL_VALUE = 2, SEND_GLOBAL_VALUE = 3,
    SEND_CONTROLLER = 4, SEND_MODE = 5, SEND_INSERT_CHAIN = 12, SEND_AUX1_CHAIN = 13,
    SEND_AUX2_CHAIN = 14, SEND_CHANNEL_CONTROLLER = 18
};

constexpr int channelSlot (int channel, int k) { return 16 * channel + k; }
constexpr int programSlot (int channel) { return channelSlot (channel, PROGRAM); }
constexpr int controllerSlot (int channel, int controller) { return CONTROLLER_BASE + 128 * channel + controller; }

/** The organ's controls as channel-1 controller slots (channel c adds 128 · c):
    the nine drawbars 16' to 1', then brake, vibrato/chorus on, vibrato or
    chorus, its depth, percussion loud/soft, decay, pitch and key click. */
enum OrganControl { DRAWBAR_COUNT = 9, BRAKE = 9, VIBRATO_ON, CHORUS_OR_VIBRATO, VIBRATO_DEPTH, PERCUSSION_LOUD, PERCUSSION_DECAY,
                    PERCUSSION_PITCH, KEY_CLICK, ORGAN_CONTROL_COUNT };
constexpr int ORGAN_CONTROLS[ORGAN_CONTROL_COUNT] = { 268, 269, 278, 279, 280, 281, 282, 283, 284,
                                                      336, 337, 338, 339, 341, 342, 343, 344 };
constexpr int organSlot (int channel, int control) { return ORGAN_CONTROLS[control] + 128 * channel; }
}

/** The fixed description of one value slot. */
struct SlotInfo
{
    int index = 0;          // position in its group: k, controller number or 0..9
    int sendMethod = 0;
    int number = 0;         // controller or parameter number used by the send method
    int kind = 0;           // slots::Kind
    int channel = 0;        // 0-based MIDI channel
    int minimum = 0, maximum = 0;
    int defaultValue = 0;
    int displayCode = 0;
    std::string idText;     // shown by the parameter info page; empty for controllers
    int flag = 0;
    std::string name;
    bool hasAddress = false;
    protocol::ParamAddress address;
};

/** The controller state's 2314 value slots: per-channel blocks, per-channel
    controllers and the globals. Values are atomics because the MIDI input
    thread writes controller values while the message thread reads them. */
class ValueSlots
{
public:
    ValueSlots();

    int size() const { return (int) infos.size(); }
    bool exists (int slot) const { return slot >= 0 && slot < size(); }
    const SlotInfo& info (int slot) const { return infos[(size_t) slot]; }

    /** The slot's value; 0 for a slot that does not exist. */
    int get (int slot) const;
    /** Stores a value as given (callers clamp); a slot that does not exist is ignored. */
    void set (int slot, int value);

    /** The label the program list and the host show: channel-block or global
        name, or "MIDI n" for a plain controller; withChannel appends " Ch.n". */
    std::string label (int slot, bool withChannel) const;

private:
    std::vector<SlotInfo> infos;
    std::unique_ptr<std::atomic<int>[]> values;
};
