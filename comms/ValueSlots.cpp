#include "comms/ValueSlots.h"

namespace
{
struct ChannelRow
{
    const char* name;
    int method, number, minimum, maximum, display;
    const char* id;
    bool sent;
    protocol::ParamAddress address;
};

// The sixteen rows of every channel's block.
const ChannelRow channelRows[16] = {
    { "RFU",          12,  84,   0, 8192, 2200, "216", true,  { 1, 0, 5, 0, 1 } },
    { "Insert Out",    1,  83,   0,    1,  778, "201", true,  { 1, 0, 5, 0, 0 } },
    { "FX Alloc",      1, 100,   0,    1,  778, "202", false, {} },
    { "RFU",          13,  96,   0, 8192, 2200, "216", true,  { 1, 0, 5, 1, 1 } },
    { "Aux 1 Level",   1,  86,   0,  100,  782, "204", true,  { 1, 0, 5, 0, 2 } },
    { "AUX 1 Out",     1,  95,   0,    1,  778, "205", false, {} },
    { "RFU",          14, 108,   0, 8192, 2200, "216", true,  { 1, 0, 5, 2, 1 } },
    { "Aux 2 Level",   1,  87,   0,  120,  118, "207", true,  { 1, 0, 5, 0, 3 } },
    { "AUX 2 Out",     1, 187,   0,    1,  778, "208", false, {} },
    { "Pan",           1,  58, -64,   64,  107, "209", true,  { 1, 0, 1, 0, 22 } },
    { "Level",         1,  55, -96,   24,  108, "210", true,  { 1, 0, 1, 0, 20 } },
    { "Program",       2,   0,   1, 8191, 2100, "211", false, {} },
    { "Solo",          0,   0,   0,    1,  778, "212", false, {} },
    { "Mute",          0,   0,   0,    1,  778, "213", false, {} },
    { "Program Bank", 20,   0,   0,   31,  744, "215", false, {} },
    { "Program No.",  21,   0,   0,  127, 2102, "217", false, {} },
};

struct GlobalRow
{
    const char* name;
    int method, minimum, maximum, defaultValue, display;
    const char* id;
};

const GlobalRow globalRows[10] = {
    { "RFU Multi",         3, 1,  127, 1, 2800, "410" },
    { "Playing Mode",      5, 1,    2, 1,  400, "400" },
    { "AUX 1 Override",    6, 1, 2048, 1, 2200, "402" },
    { "AUX 1 Ovr On/Off",  8, 0,    1, 0,  778, "403" },
    { "AUX 1 Ovr Mod",    10, 0,  255, 0,    0, "404" },
    { "AUX 2 Override",    7, 1, 2048, 1, 2200, "405" },
    { "AUX 2 Ovr On/Off",  9, 0,    1, 0,  778, "406" },
    { "AUX 2 Ovr Mod",    11, 0,  255, 0,    0, "407" },
    { "Multi Bank No",    22, 0,   31, 1,  744, "409" },
    { "Multi Prog No",    23, 0,  127, 1, 2800, "408" },
};

// The knob controllers 12, 13 and 22..28 carry the flag like the block slots.
bool isKnobController (int controller)
{
    return controller == 12 || controller == 13 || (controller >= 22 && controller <= 28);
}
}

ValueSlots::ValueSlots()
{
    infos.resize (slots::SLOT_COUNT);

    for (int ch = 0; ch < slots::CHANNEL_COUNT; ++ch)
    {
        for (int k = 0; k < 16; ++k)
        {
            const auto& row = channelRows[k];
            auto& s = infos[(size_t) slots::channelSlot (ch, k)];
            s = { k, row.method, row.number, slots::KIND_CHANNEL_BLOCK, ch, row.minimum, row.maximum,
                  0, row.display, row.id, 1, row.name, row.sent, row.address };
        }

        for (int cc = 0; cc < 128; ++cc)
        {
            auto& s = infos[(size_t) slots::controllerSlot (ch, cc)];
            s = { cc, slots::SEND_CHANNEL_CONTROLLER, cc, slots::KIND_CONTROLLER, ch, 0, 127,
                  0, 0, "", ch == 0 && isKnobController (cc) ? 1 : 0, "", false, {} };
        }
    }

    for (int g = 0; g < 10; ++g)
    {
        const auto& row = globalRows[g];
        infos[(size_t) (slots::GLOBAL_BASE + g)] = { g, row.method, 84, slots::KIND_GLOBAL, 0, row.minimum, row.maximum,
                                                     row.defaultValue, row.display, row.id, 1, row.name, false, {} };
    }

    values.reset (new std::atomic<int>[infos.size()]);
    for (size_t i = 0; i < infos.size(); ++i)
        values[i].store (infos[i].defaultValue, std::memory_order_relaxed);
}

int ValueSlots::get (int slot) const
{
    return exists (slot) ? values[(size_t) slot].load (std::memory_order_relaxed) : 0;
}

void ValueSlots::set (int slot, int value)
{
    if (exists (slot))
        values[(size_t) slot].store (value, std::memory_order_relaxed);
}

std::string ValueSlots::label (int slot, bool withChannel) const
{
    if (! exists (slot))
        return {};

    const auto& s = info (slot);
    std::string text;

    if (s.kind == slots::KIND_CONTROLLER)
        text = s.idText.empty() ? "MIDI " + std::to_string (s.number) : s.idText;
    else
        text = s.name;

    if (withChannel)
        text += " Ch." + std::to_string (s.channel + 1);

    return text;
}
