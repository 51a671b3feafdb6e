#include "model/ParDes.h"
#include "model/ObjectType.h"

#include <map>
#include <vector>

namespace pardes
{
namespace
{
using Texts = std::vector<const char*>;

std::string num (int v) { return std::to_string (v); }

/** texts[v] when v indexes the list, else the fallback. */
std::string listed (const Texts& texts, int v, const std::string& fallback)
{
    return v >= 0 && v < (int) texts.size() ? texts[(size_t) v] : fallback;
}

std::string offOn (int v) { return v == 0 ? "OFF" : "ON"; }
std::string zeroOr (int v, const char* zero, const char* other) { return v == 0 ? zero : other; }

const std::map<int, const char*> destinationNames = {
    { 0, "Bank" }, { 1, "Mod Wheel" }, { 2, "Breath" }, { 4, "Foot" }, { 5, "Port Time" }, { 6, "Data" }, { 7, "Volume" },
    { 8, "Balance" }, { 10, "Pan" }, { 11, "Expression" }, { 16, "Control A" }, { 17, "Control B" }, { 18, "Control C" },
    { 19, "Control D" }, { 32, "Bank MSB" }, { 64, "Sustain" }, { 65, "MIDI 65" }, { 66, "Sostenut" }, { 67, "Soft Ped" },
    { 68, "Legato Sw" }, { 69, "Freeze" }, { 84, "Portamento" }, { 91, "GM Reverb" }, { 93, "GM Chorus" }, { 96, "Data Incr" },
    { 97, "Data Decr" }, { 98, "NRegParL" }, { 99, "NRegParM" }, { 100, "RegParL" }, { 101, "RegParM" }, { 120, "Sound OFF" },
    { 121, "Rst Cntrs" }, { 122, "Local" }, { 123, "Notes OFF" }, { 124, "Poly" }, { 125, "Omni" }, { 126, "Mono ON" },
    { 127, "Mono OFF" }, { 128, "Pitch" }, { 129, "Pitch Rev" }, { 130, "Pitch Up" }, { 131, "Pitch Down" }, { 132, "Pressure" },
    { 133, "Tempo" }, { 134, "Key Num" }, { 135, "Key Vel" }, { 136, "Prog Incr" }, { 137, "Prog Decr" }, { 138, "Prog Goto" },
    { 139, "Incr" }, { 140, "Decr" }, { 141, "GoTo" }, { 142, "Start" }, { 143, "Stop" }, { 144, "Continue" },
    { 145, "Transp Up" }, { 146, "Transp Down" }, { 147, "Arp ON" }, { 148, "Unused" }, { 149, "Mute Zn" }, { 150, "Arp Order" },
    { 151, "Arp Beats" }, { 152, "Arp Shift" }, { 153, "Arp Limit" }, { 154, "Arp Lmt Op" }, { 155, "Arp Vel" }, { 156, "Arp Dur" },
    { 157, "Latch" }, { 158, "Latch 2" }, { 159, "Arp Gliss" }, { 160, "Sus Latch" }, { 161, "Panic" }, { 162, "Solo Zone" },
    { 163, "Unused" }, { 164, "Unused" }, { 165, "Unused" }, { 166, "Unused" }, { 167, "Unused" }, { 168, "Tap Tempo" },
    { 169, "TW3 Mutes" }, { 170, "-Arp Shift" }, { 171, "Shift Patt" }, { 172, "Shift Bank" }, { 173, "Vel Patt" },
    { 174, "Vel Bank" }, { 175, "Vel Fixed" }, { 176, "Shift Key Num" }, { 177, "Shift Key" }, { 178, "Shift Key Num+Vel" },
    { 179, "Favorites" }, { 180, "ChInt" }, { 181, "ChIntKey" },
};

const std::map<int, const char*> sourceNames = {
    { -1, "OFF" }, { 0, "OFF" }, { 1, "Mod Wheel" }, { 2, "Breath" }, { 4, "Foot" }, { 5, "Port Time" }, { 6, "Data" },
    { 7, "Volume" }, { 8, "Balance" }, { 10, "Pan" }, { 11, "Expression" }, { 16, "Control A" }, { 17, "Control B" },
    { 18, "Control C" }, { 19, "Control D" }, { 32, "Chan St" }, { 33, "MPress" }, { 34, "BMPRESS" }, { 35, "PWheel" },
    { 36, "Bi-Mw1" }, { 37, "AbsPw1" }, { 43, "Vol Ctl" }, { 44, "Bal Ctl" }, { 45, "Pan Ctl" }, { 46, "Chan Cnt" },
    { 47, "A Clk4" }, { 48, "~AClk4" }, { 49, "BClk4" }, { 50, "~BCkl4" }, { 51, "A CLk2" }, { 52, "~A Ckl2" }, { 53, "BCkl2" },
    { 54, "~BCkl2" }, { 55, "Tempo" }, { 56, "AClock" }, { 57, "~A Clk" }, { 58, "BClock" }, { 59, "~ Bckl" }, { 60, "GPhase1" },
    { 61, "GPhase2" }, { 62, "GRand1" }, { 63, "GRand2" }, { 64, "Sustain" }, { 65, "Port Sw" }, { 66, "Sos Ped" },
    { 67, "Soft Ped" }, { 68, "Legato Sw" }, { 80, "Control E" }, { 81, "Control F" }, { 82, "Control G" }, { 83, "Control H" },
    { 91, "FX Depth" }, { 96, "Note St" }, { 97, "Key St" }, { 98, "Key Num" }, { 99, "BKeyNum" }, { 100, "Attvel" },
    { 101, "InvAVel" }, { 102, "PPress" }, { 103, "BPPress" }, { 104, "RelVel" }, { 105, "B-AVel" }, { 106, "VTrig1" },
    { 107, "VTrig2" }, { 108, "RandV1" }, { 109, "RandV2" }, { 110, "ASR1" }, { 111, "ASR2" }, { 112, "FUN1" }, { 113, "FUN2" },
    { 114, "LFO1" }, { 115, "LFO1PH" }, { 116, "LFO2" }, { 117, "Data+MP" }, { 118, "FUN 3" }, { 119, "FUN 4" },
    { 120, "AMPENV" }, { 121, "ENV2" }, { 122, "ENV3" }, { 123, "Loop St" }, { 124, "PB Rate" }, { 125, "Atk State" },
    { 126, "Rel Stat" }, { 127, "ON" }, { 128, "-ON" }, { 129, "GKeyNum" }, { 130, "GAttVel" }, { 131, "GLowKey" },
    { 132, "GHiKey" }, { 252, "Roll Off" }, { 253, "MPrs+MW" }, { 254, "Slider 9 + Sw 9" }, { 255, "Soft Pd+ MW" },
};

std::string family100 (int v, int code)
{
    switch (code)
    {
        case 103: return num (v) + " Key/s";
        case 104: return num (v - 7200) + " ct";   // cents around the centre; the curve is the instrument's
        case 105: return destinationName (v);
        case 106: return listed ({ "Fixed", "+MIDI" }, v, num (v));
        case 107: return v == 0 ? "< 0 >" : v > 0 ? "R: " + num (v) : "L: " + num (-v);
        case 108: return num (v) + " dB";
        case 109: return listed ({ "OFF", "Velm 1", "Velm 2" }, v, num (v));
        case 112: return destinationName (v);     // as code 212
        case 127: return {};                      // as code 227
        case 120: return zeroOr (v, "Pre", "Post");
        case 121: return zeroOr (v, "MAIN", "SEC.");
        case 122: return offOn (v);
        case 126: return listed ({ "dB", "%" }, v, num (v));
        default:
            if ((code >= 113 && code <= 119) || (code >= 123 && code <= 125))
                return {};
            return num (v);
    }
}

std::string family200 (int v, int code)
{
    if (code < 202 || code > 263)
        return num (v);
    switch (code)
    {
        case 204: case 254: case 259: return family100 (v, 104);
        case 206: case 260: return offOn (v);
        case 207: case 255: return num (v) + " ST";
        case 209: case 210: case 211: case 212: case 213: case 214: case 243: case 249: case 252: return destinationName (v);
        case 215: case 220: case 241: case 262: return num (v);
        case 245: return num (v) + " dB";
        case 256: return num (v) + " ct";
        case 261: return zeroOr (v, "Pre", "Post");
        default: return {};
    }
}

std::string family300 (int v, int code)
{
    switch (code)
    {
        case 303: return zeroOr (v, "MASTER", "MULTI");
        case 304: return zeroOr (v, "EQ=>Compressor", "Compressor=>EQ");
        case 305: return zeroOr (v, "Master FX Enabled", "Master FX Bypassed");
        case 306: case 307: case 308: return num (v) + " mS";   // the instrument's time curves are not known here
        case 309: return num (v) + " Hz";
        case 310: return num (v) + ":1";
        case 311: return v <= 0 ? "OFF" : num (v) + " dB";
        case 312: return zeroOr (v, "OUT", "IN");
        case 313: return listed ({ "L+R", "LEFT", "RIGHT" }, v, num (v));
        case 314: return v == 0 ? "(L + R) / 2" : num (v);
        case 315: return listed ({ "N", "(Y)", "Y" }, v, num (v));
        case 318: return listed ({ "NO", "YES" }, v, num (v));
        case 319: case 337: return destinationName (v);
        case 320: return zeroOr (v, "Zone Mutes ", "TW3 Control");
        case 321: return listed ({ "None", "Forever", "Once" }, v, num (v));
        case 324: return "Channel " + num (v);
        case 327: return listed ({ "Solo", "Solo + Muted", "Active", "Muted" }, v, num (v));
        case 328: return listed ({ "USB_MIDI+MIDI+LOCAL", "USB_MIDI MIDI", "USB_MIDI+LOCAL", "USB_MIDI", "MIDI+LOCAL", "MIDI", "LOCAL" }, v, num (v));
        case 329: return listed ({ "ZK900", "Ctl 0/32", "Ctl 32", "Ctl 0" }, v, "---");
        case 330: return "NONE";
        case 331: return num (v) + " ST";
        case 332: return listed ({ "OFF", "Linear", "1 of 2", "2 of 2", "1 of 3", "2 of 3", "3 of 3", "1 of 4", "2 of 4", "3 of 4", "4 of 4",
                                   "Inverse", "Constant" }, v, num (v));
        case 333: case 366: return num (v) + "%";
        case 336: return listed ({ "Linear", "Compress", "Expand", "Crossfade", "Bump", "Rvrs Linear", "Rvrs Expand", "Rvrs Compress",
                                   "Rvrs Crossfade" }, v, num (v));
        case 339: return zeroOr (v, "Absolute", "Relative");
        case 340: return zeroOr (v, "One Section", "Three Sections");
        case 344: return v == 0 ? "OFF" : "Arp " + num (v);
        case 352: return "PROG";
        case 353: return num (v) + " ct";
        case 355:
            // Which numbers name the special sources is the instrument's; the player sees the arp number otherwise.
            return v > 0 ? "Arp " + num (v) : listed ({ "First Available", "Main Seq.", "First Riff Avl", "First Arp Avl" }, -v, num (v));
        case 356: return "1/" + num (v);
        case 357: return listed ({ "-----", "Down Beat", "Any Beat", "DownBeat Wait", "Any Beat Wait", "Start", "Loop", "Stop",
                                   "Start Wait", "Loop Wait", "Stop Wait" }, v, num (v));
        case 358: return v == -1 ? "ALL" : num (v);
        case 359: return num (v) + " bpm";
        case 363: return noteName (v);
        case 364: return "PRG";
        case 365: return offOn (v);
        case 368: return listed ({ "Internal", "External" }, v, num (v));
        case 370: case 384: return "AUTO";
        case 371: return zeroOr (v, "This Zone", "All Zones");
        case 372: return zeroOr (v, "Start/Stop", "One Shot");
        case 373: return zeroOr (v, "Parameter", "Controller");
        case 375: return listed ({ "PRG", "POST", "PRE" }, v, "");
        case 376:
            if (v == 1) return "None";
            if (v >= 2 && v <= 15) return num (v) + " Local + MIDI";
            if (v >= 16 && v <= 32) return num (v) + " MIDI";
            if (v == 33) return "Any Local + MIDI";
            if (v == 34) return "Any MIDI";
            return num (v);
        case 377: return v >= 1 ? listed ({ "", "Linear", "Compress", "Expand" }, v, num (v)) : num (v);
        case 378: return zeroOr (v, "Momentary", "Toggled");
        case 379: return "ON";
        case 380: return v == -2 ? "BPM" : v == -1 ? "EXTERNAL" : v == 0 ? "MULTI" : "SEQUENCE";
        case 381: return sourceName (v);
        case 382: return zeroOr (v, "MIDI CC", "Chord");
        case 383: return zeroOr (v, "Both", "Only SW");
        case 385: return zeroOr (v, "Traditional", "Fixed");
        case 317: case 338: case 341: case 342: case 343: case 354: case 367: case 369: return {};
        default: return num (v);
    }
}

std::string family500 (int v, int code)
{
    switch (code)
    {
        case 500: return offOn (v);
        case 501: return listed ({ "Keys", "Overplay", "Arpeg", "Add", "Auto", "Pedals", "AutoHold", "1NoteAuto", "1NoteAutoLow",
                                   "1NoteAutoHi" }, v, num (v));
        case 502: return listed ({ "Played", "Upwards", "Downwards", "UpDown", "UpDown Repeat", "Random", "Shuffle", "Walking",
                                   "Simultaneous" }, v, num (v));
        case 504: return "1/" + num (v);
        case 505: return v == -1 ? "Off" : listed ({ "Classic", "Step Sequencer" }, v, num (v));
        case 506: return listed ({ "Float Bipolar", "Float Unipolar", "Float Reset", "Bipolar", "Unipolar", "Reset", "Stop" }, v, num (v));
        case 507: return "Fixed";
        case 508: return listed ({ "Alg", "Pattern" }, v, num (v));
        case 509: return num (v) + "%";
        case 511:
            if (v >= 7 && v <= 10) return "Human" + num (v - 6);
            if (v >= 11 && v <= 14) return "Chimp" + num (v - 10);
            if (v >= 15 && v <= 23) return "MissNotes" + num (v - 14);
            return listed ({ "First", "Played", "Last", "Aftertouch", "MIDI 109", "Fixed", "Pattern" }, v, num (v));
        case 512: return num (v) + " ST";
        case 513: return listed ({ "NONE", "Long-Short", "Long-2Short", "Long-3Short", "6 Short", "8 Short", "12 Short", "16 Short" }, v, num (v));
        case 515: return v < 20 ? "System" : num (v) + " bpm";
        case 516: return v < 10 ? ".0" + num (v) : "." + num (v);
        case 518: return v < 0 ? "NONE" : noteName (v);
        case 519: return v == 0 || v == 1 ? "NONE" : v == 2 ? "Any Beat" : num (v);
        default: return num (v);
    }
}

std::string objectReference (int v, int code, const NameLookup& names)
{
    if (v < 1)
        return "NONE";

    static const std::map<int, int> banksByHundred = { { 21, typeProgram }, { 22, typeFxChain }, { 23, typeSong }, { 24, typeShiftPattern },
                                                       { 25, typeVelocityPattern }, { 26, typeIntonation }, { 27, typeKeymap },
                                                       { 28, typeMulti }, { 29, typeArp } };
    const int ending = code % 100;
    const auto bank = banksByHundred.find (code / 100);
    const bool known = bank != banksByHundred.end() && (ending == 0 || ending == 1 || (ending == 2 && code == 2102));
    if (! known)
        return num (v) + " ";
    if (code == 2900 && v == 1)
        return "Edited Arp";

    const std::string name = names ? names (bank->second, v) : std::string();
    return ending == 1 ? name : num (v) + " " + name;
}
}

std::string noteName (int note)
{
    static const char* const names[12] = { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };
    const int octave = note >= 0 ? note / 12 : (note - 11) / 12;
    return std::string (names[note - octave * 12]) + num (octave - 1);
}

std::string destinationName (int v)
{
    if (v == -1)
        return "NONE";
    const auto found = destinationNames.find (v);
    if (found != destinationNames.end())
        return found->second;
    return v >= 0 && v <= 127 ? "MIDI " + num (v) : std::string();
}

std::string sourceName (int v)
{
    const auto found = sourceNames.find (v);
    if (found != sourceNames.end())
        return found->second;
    return v >= 0 && v <= 127 ? "MIDI " + num (v) : std::string();
}

std::string formatValue (int v, int code, const NameLookup& names)
{
    if (code < 100) return num (v);
    if (code < 200) return family100 (v, code);
    if (code < 300) return family200 (v, code);
    if (code < 400) return family300 (v, code);
    if (code < 500) return code == 400 ? listed ({ "NONE", "PROGRAM", "MULTI" }, v, num (v)) : num (v);
    if (code < 600) return family500 (v, code);

    switch (code)
    {
        case 744: return "Bank " + num (v + 1);
        case 777: return noteName (v);
        case 778: return offOn (v);
        case 779: return v < 0 ? "OFF" : num (v);
        case 780: return num (v) + " ST";
        case 781: return num (v) + " ct";
        case 782: return num (v) + "%";
        case 783: return v < 0 ? "NONE" : num (v);
        case 784: return num (v) + " dB";
        default: return code > 2000 ? objectReference (v, code, names) : std::string();
    }
}

std::string parameterName (int number)
{
    static const Texts channel = { "Insert", "Insert Out", "FX Alloc", "AUX 1 FXC", "Aux 1 Level", "AUX 1 Out", "AUX 2 FXC", "Aux 2 Level",
                                   "AUX 2 Out", "Pan", "Level", "Program", "Solo", "Mute", nullptr, "Program Bank", "RFU", "Program No." };
    static const Texts globals = { "Playing Mode", "Multi", "AUX 1 Override", "AUX 1 Ovr On/Off", "AUX 1 Ovr Mod", "AUX 2 Override",
                                   "AUX 2 Ovr On/Off", "AUX 2 Ovr Mod", "Multi Prog No", "Multi Bank No", "RFU Multi" };
    static const Texts master = { "EQ In/Out", "EQ Out Gain", "EQ Bass Freq", "EQ Bass Gain", "EQ Treb Gain", "EQ Treb Freq",
                                  "EQ Mid1 Gain", "EQ Mid1 Freq", "EQ Mid1 Width", "EQ Mid2 Gain", "EQ Mid2 Freq", "EQ Mid2 Width",
                                  "EQ Mid3 Gain", "EQ Mid3 Freq", "EQ Mid3 Width", "Cmp In/Out", "Cmp SC Input", "Cmp Fdbk Com Prs",
                                  "Cmp Out Gain", "Cmp ComPrsChar", "Cmp Crossover 1", "Cmp Crossover 2", "Cmp LB Attack",
                                  "Cmp LB Release", "Cmp LB Smth", "Cmp LB Ratio", "Cmp LB Threshold", "Cmp LB MakeUp", "Cmp MB Attack",
                                  "Cmp MB Release", "Cmp MB Smth", "Cmp MB Ratio", "Cmp MB Threshold", "Cmp MB MakeUp", "Cmp HB Attack",
                                  "Cmp HB Release", "Cmp HB Smth", "Cmp HB Ratio", "Cmp HB Threshold", "Cmp HB MakeUp", "EQ-Cmp Order",
                                  "EQ-Cmp Bypass", "EQ-Cmp Mode" };

    auto from = [number] (const Texts& table, int first) -> std::string
    {
        const auto* name = table[(size_t) (number - first)];
        return name != nullptr ? name : num (number);
    };
    if (number >= 200 && number <= 217) return from (channel, 200);
    if (number >= 400 && number <= 410) return from (globals, 400);
    if (number >= 500 && number <= 542) return from (master, 500);
    return "Index " + num (number);
}
}
