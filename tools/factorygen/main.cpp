// Generates the eight factory banks the program carries inside itself.
// The content is invented but shaped like an instrument's factory set: the
// ID ranges, object counts and payload sizes of each bank, names that read
// like real sounds, programs whose keymaps and FX chains exist, organ
// programs with their drawbar assignments, multis of four zones.
// Usage: factorygen <output folder>   (writes one <type>.bank file per bank)

#include "Random.h"
#include "model/BankStream.h"
#include "model/MultiRecord.h"
#include "model/ObjectType.h"
#include "model/ProgramRecord.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>

namespace
{
using Objects = std::map<int, Bytes>;

Bytes name20 (const std::string& name)
{
    std::string padded = name.substr (0, 20);
    padded.resize (20, ' ');
    return Bytes (padded.begin(), padded.end());
}

void fill (Bytes& b, Random& r, size_t count, int lo = 0, int hi = 127)
{
    for (size_t i = 0; i < count; ++i)
        b.push_back ((uint8_t) r.between (lo, hi));
}

/** Names that do not repeat: a second "Warm Pad" becomes "Warm Pad 2". */
class NameBook
{
public:
    std::string unique (std::string name)
    {
        name = name.substr (0, 20);
        while (! name.empty() && name.back() == ' ')
            name.pop_back();
        std::string candidate = name;
        for (int n = 2; used.count (candidate) != 0; ++n)
        {
            const std::string suffix = " " + std::to_string (n);
            candidate = name.substr (0, 20 - suffix.size()) + suffix;
        }
        used.insert (candidate);
        return candidate;
    }

private:
    std::set<std::string> used;
};

std::string compose (Random& r, const std::vector<std::string>& first, const std::vector<std::string>& second)
{
    return r.pick (first) + " " + r.pick (second);
}

/** Distinct IDs in first..last (both always included), ascending. */
std::vector<int> scatteredIds (Random& r, int count, int first, int last)
{
    std::set<int> ids { first, last };
    while ((int) ids.size() < count)
        ids.insert (r.between (first, last));
    return { ids.begin(), ids.end() };
}

std::vector<int> idRanges (std::initializer_list<std::pair<int, int>> ranges)
{
    std::vector<int> ids;
    for (const auto& [from, to] : ranges)
        for (int id = from; id <= to; ++id)
            ids.push_back (id);
    return ids;
}

//==============================================================================
// Keymaps: a sample map per instrument family.
struct KeymapFamily
{
    int category;   // the program category that plays it
    std::vector<std::string> names;
};

const std::vector<KeymapFamily> keymapFamilies = {
    { 1, { "Grand", "Concert Grand", "Upright", "Bright Grand", "Baby Grand", "Studio Grand", "Felt Piano", "Tack Piano" } },
    { 2, { "Rhodes 73", "Rhodes 77", "Wurly 200", "Tine EP", "Suitcase", "Reed EP", "CP Grand" } },
    { 3, { "Clavinet", "Harpsichord", "Celeste", "Pianet", "Cembalo" } },
    { 4, { "Tonewheel", "Combo Org", "Pipe Organ", "Reed Organ", "Perc Organ" } },
    { 5, { "Violins", "Violas", "Celli", "Basses", "Str Ens", "Pizz Str", "Mellotron Str" } },
    { 6, { "Pad Wave", "Choir Aah", "Vox Pad", "Glass Pad", "Air Pad", "Noise Pad" } },
    { 7, { "Saw Wave", "Square Wave", "Pulse Wave", "Sync Wave", "Bass Wave", "Lead Wave" } },
    { 8, { "Trumpet", "Trombone", "Fr Horn", "Alto Sax", "Tenor Sax", "Flute", "Clarinet", "Oboe" } },
    { 9, { "Orch Hit", "Full Orch", "Mellotron Ch", "Choir Ens", "Brass Ens" } },
    { 10, { "Hybrid Wav", "Bell Pad", "Spectral", "Granular", "Texture" } },
    { 11, { "Finger Bass", "Pick Bass", "Fretless", "Nylon Gtr", "Steel Gtr", "Jazz Gtr", "Clean Gtr" } },
    { 12, { "Kick", "Snare", "HiHat", "Toms", "Cymbal", "Conga", "Shaker", "Kit" } },
    { 13, { "Marimba", "Vibes", "Kalimba", "SFX", "Music Box", "Steel Drum" } },
    { 14, { "FM Bell", "FM EP", "FM Bass", "FM Brass", "FM Mallet" } },
};

const std::vector<std::string> keymapSuffixes = { "L1", "L2", "L3", "Soft", "Hard", "Rel", "Mono", "St", "Loop", "Short", "Long", "Vel" };

Objects makeKeymaps (Random& r, std::map<int, std::vector<int>>& byCategory)
{
    Objects objects;
    NameBook names;
    const auto ids = scatteredIds (r, 920, 1, 3651);

    for (size_t i = 0; i < ids.size(); ++i)
    {
        const auto& family = keymapFamilies[i % keymapFamilies.size()];
        byCategory[family.category].push_back (ids[i]);

        Bytes payload = name20 (names.unique (r.pick (family.names) + " " + r.pick (keymapSuffixes)));
        bytes::append (payload, "ZK5");
        payload.push_back (0x05);
        // A header and one 16-byte entry per sample zone; most maps are small, a few are huge.
        const int zones = r.chance (8) ? r.between (60, 288) : r.between (2, 42);
        fill (payload, r, 8);
        for (int z = 0; z < zones; ++z)
        {
            payload.push_back ((uint8_t) std::min (127, z * 128 / std::max (1, zones)));
            fill (payload, r, 15);
        }
        objects[ids[i]] = payload;
    }
    return objects;
}

//==============================================================================
// FX chains: units drawn from the effect code table, sorted by what they do.
struct FxFamily
{
    std::string category;
    std::vector<int> unitIds;
    std::vector<std::string> names;
};

const std::vector<FxFamily> fxFamilies = {
    { "Reverb", { 1, 2, 4, 7, 10, 100, 101, 3 }, { "Hall", "Room", "Plate", "Chamber", "Cathedral", "Booth", "Studio", "Ambience", "Spring" } },
    { "Chorus", { 200, 201, 202, 203, 404 }, { "Chorus", "Ensemble", "Dimension", "Shimmer", "Wide Chorus" } },
    { "Flanger", { 225, 226, 227, 459, 321 }, { "Flanger", "Jet Flange", "Tape Flange", "Through Zero" } },
    { "Phaser", { 250, 251, 253, 256, 387 }, { "Phaser", "Phase 90", "Slow Phase", "Stereo Phase" } },
    { "Tremolo", { 270, 271, 272 }, { "Tremolo", "Trem Pulse", "Vibe Trem", "Harmonic Trem" } },
    { "Panner", { 275, 276, 277, 280, 281 }, { "Auto Pan", "Stereo Width", "Spinner", "Ping Pan" } },
    { "Organ", { 290, 291, 292, 293, 298, 299 }, { "Rotary", "Leslie Slow", "Leslie Fast", "Rotor Drive", "Cabinet" } },
    { "Delay", { 150, 151, 152, 170, 171, 190, 450 }, { "Delay", "Tape Echo", "Ping Pong", "Dotted 8th", "Slap Back", "Analog Dly" } },
    { "Distortion", { 300, 301, 302, 303, 323, 390 }, { "Overdrive", "Fuzz", "Crunch", "Tube Drive", "Bit Crush", "Saturator" } },
    { "Compressor", { 330, 331, 332, 333, 341 }, { "Compressor", "Squeeze", "Limiter", "Opto Comp", "Bus Comp" } },
    { "Enhancer", { 370, 371 }, { "Enhancer", "Exciter", "Air Boost", "Presence" } },
    { "Filter", { 284, 360, 361, 362, 365 }, { "Wah", "Auto Filter", "Env Filter", "Low Pass", "Talk Box" } },
    { "Pitcher", { 385, 386, 381, 382, 409 }, { "Pitch Shift", "Octaver", "Detune", "Harmonizer", "Freq Shift" } },
    { "Guitar", { 285, 310, 311, 312, 327, 104 }, { "Amp Sim", "Combo Amp", "Stack", "Cab Sim", "Twin Amp" } },
    { "EQ", { 350, 351, 352, 353, 354 }, { "EQ", "Para EQ", "Graphic EQ", "Shelf EQ", "Tilt EQ" } },
};

const std::vector<std::string> fxPrefixes = { "Little", "Big", "Warm", "Bright", "Dark", "Vintage", "Modern", "Small", "Large",
                                                 "Soft", "Deep", "Wide", "Short", "Long", "Clean", "Lush", "Tight", "Classic" };

const std::vector<std::string> controlLabels = { "Wet/Dry", "Reverb Time", "Pre Delay", "HF Damp", "Rate", "Depth", "Feedback",
                                                  "Delay Time", "Drive", "Tone", "Level", "Threshold", "Ratio", "Attack",
                                                  "Release", "Cutoff", "Resonance", "Speed", "Mix", "Low Gain", "High Gain" };

Bytes controlList (Random& r, int count, const std::vector<std::string>& labels, int firstNumber)
{
    Bytes list { 0x01, 0x02, 0x00, (uint8_t) count };
    for (int i = 0; i < count; ++i)
    {
        const std::string text = labels[(size_t) (i + firstNumber) % labels.size()];
        const int value = r.chance (30) ? 0xFFFF : r.between (0, 127);
        list.insert (list.end(), { 0, 0, 0, (uint8_t) (firstNumber + i), (uint8_t) (value >> 8), (uint8_t) value, 0,
                                   (uint8_t) (text.size() + 1) });
        bytes::append (list, text);
        list.push_back (0);
    }
    return list;
}

Bytes makeChain (Random& r, const std::string& name, const std::vector<int>& units)
{
    const int n = (int) units.size();
    Bytes payload = name20 (name);

    // Chain header: one 4-byte entry per unit, then the two zero bytes before the settings.
    bytes::append (payload, "ZK5");
    payload.push_back (0x07);
    for (const int unit : units)
        payload.insert (payload.end(), { (uint8_t) (unit >> 8), (uint8_t) unit, 0x01, 0x7F });
    payload.insert (payload.end(), { 0, 0 });

    payload.push_back (0x14);   // the settings start here (k = 26 + 4n)
    fill (payload, r, 348);
    payload.push_back ((uint8_t) n);

    for (const int unit : units)
    {
        const int parameters = r.between (12, 62);
        payload.insert (payload.end(), { (uint8_t) (unit >> 8), (uint8_t) unit });
        fill (payload, r, 4);
        payload.insert (payload.end(), { (uint8_t) (parameters >> 8), (uint8_t) parameters });
        for (int p = 0; p < parameters; ++p)
            payload.insert (payload.end(), { 0, (uint8_t) r.between (0, 127) });
    }

    bytes::append (payload, controlList (r, r.between (2, 10), controlLabels, r.between (0, 20)));
    return payload;
}

Objects makeFxChains (Random& r, std::map<std::string, std::vector<int>>& byCategory)
{
    Objects objects;
    NameBook names;
    auto ids = scatteredIds (r, 2719, 1, 4085);

    // Chain 1 is the small booth every piano starts with: one reverb unit.
    objects[1] = makeChain (r, names.unique ("Little Booth"), { 1 });
    byCategory["Reverb"].push_back (1);

    for (size_t i = 1; i < ids.size(); ++i)
    {
        const auto& family = fxFamilies[i % fxFamilies.size()];
        std::vector<int> units { r.pick (family.unitIds) };
        const int extra = r.chance (60) ? r.between (1, 3) : 0;
        for (int u = 0; u < extra; ++u)
            units.push_back (r.pick (fxFamilies[(size_t) r.between (0, (int) fxFamilies.size() - 1)].unitIds));

        const std::string name = names.unique (r.pick (fxPrefixes) + " " + r.pick (family.names));
        objects[ids[i]] = makeChain (r, name, units);
        byCategory[family.category].push_back (ids[i]);
    }
    return objects;
}

//==============================================================================
// Programs.
struct ProgramCategory
{
    int category;
    int firstId, lastId;
    int minLayers, maxLayers;
    std::vector<int> subs;
    std::vector<std::string> first, second;
    std::string insertFx;   // the FX category its insert chain comes from
};

const std::vector<ProgramCategory> programCategories = {
    { 1, 1, 80, 1, 12, { 1, 2, 3 }, { "Dyn", "Bright", "Warm", "Soft", "Concert", "Studio", "Jazz", "Pop", "Mellow", "Stage", "Felt", "Ballad" },
      { "Grand", "Piano", "9ft Grand", "Upright", "Keys", "Hammers", "Tack", "Baby Grand" }, "EQ" },
    { 2, 81, 112, 2, 8, { 1, 2, 3 }, { "Suitcase", "Tine", "Bark", "Soft", "Funky", "Vintage", "Dyno", "Chorus" },
      { "Rhodes", "EP", "Wurly", "Mk I", "Mk II", "Stage 73", "Keys" }, "Tremolo" },
    { 3, 113, 118, 1, 4, { 1, 2, 3 }, { "Funky", "Wah", "Baroque", "Bright", "Muted" }, { "Clav", "Harpsi", "Celeste", "Pianet" }, "Filter" },
    { 4, 119, 190, 1, 2, { 1, 2, 3, 4 }, { "Full", "Jazz", "Gospel", "Rock", "Perc", "Soft", "Church", "Combo", "Dirty", "Smooth" },
      { "Drawbars", "B3", "Organ", "Tonewheel", "Combo", "Pipes", "Swell", "Chorale" }, "Organ" },
    { 5, 191, 290, 2, 16, { 0, 1 }, { "Lush", "Legato", "Warm", "Pizz", "Tremolo", "Chamber", "Epic", "Octave" },
      { "Strings", "Violins", "Celli", "Str Ens", "Quartet", "Section" }, "EQ" },
    { 6, 291, 420, 2, 14, { 0 }, { "Warm", "Glass", "Analog", "Dark", "Airy", "Shimmer", "Slow", "Dream", "Space" },
      { "Pad", "Sweep", "Choir", "Vox", "Texture", "Cloud", "Haze" }, "Chorus" },
    { 7, 421, 640, 1, 10, { 1, 2, 3 }, { "Fat", "Saw", "Square", "Sync", "Mono", "Poly", "Acid", "Dirty", "Hard" },
      { "Lead", "Bass", "Brass", "Stab", "Pluck", "Keys", "Arp", "Sub" }, "Delay" },
    { 8, 641, 740, 2, 12, { 0 }, { "Solo", "Big", "Muted", "Jazz", "Section", "Breathy", "Bright", "Soft" },
      { "Trumpet", "Trombone", "Horns", "Sax", "Flute", "Clarinet", "Winds", "Brass" }, "Compressor" },
    { 9, 741, 820, 6, 32, { 0, 1 }, { "Full", "Epic", "Film", "Tutti", "Grand", "Mellow", "Classic" },
      { "Orchestra", "Ensemble", "Choir", "Tutti", "Score", "Mellotron" }, "EQ" },
    { 10, 821, 900, 4, 20, { 0 }, { "Morph", "Motion", "Crystal", "Pulse", "Evolve", "Spectral", "Bell" },
      { "Layers", "Scape", "Hybrid", "Drift", "Waves", "Sphere" }, "Phaser" },
    { 11, 901, 990, 1, 6, { 1, 2 }, { "Finger", "Pick", "Fretless", "Slap", "Nylon", "Steel", "Jazz", "Clean", "Muted" },
      { "Bass", "Guitar", "Gtr", "Strum", "Harmonics" }, "Guitar" },
    { 12, 991, 1060, 8, 32, { 1, 2 }, { "Studio", "Rock", "Jazz", "Dance", "Latin", "Vintage", "Brush", "Room" },
      { "Kit", "Drums", "Perc", "Loop", "Congas", "Toys" }, "Compressor" },
    { 13, 1061, 1110, 1, 12, { 0 }, { "Music", "Wooden", "Steel", "Dreamy", "Toy", "Glass" },
      { "Box", "Marimba", "Vibes", "Kalimba", "Mallets", "FX", "Bells" }, "Delay" },
    { 14, 1111, 1136, 1, 6, { 0 }, { "FM", "DX", "Digital", "Crystal", "Tubular" }, { "EP", "Bell", "Bass", "Brass", "Mallet", "Lead" }, "Chorus" },
};

const std::vector<std::string> parameterLabels = { "Filter Cutoff", "Resonance", "Attack", "Decay", "Release", "Vibrato Depth",
                                                    "Vibrato Rate", "Brightness", "Layer Mix", "Detune", "Reverb Send", "Delay Send",
                                                    "Tremolo Rate", "Drive", "Stereo Width", "Env Amount", "Glide", "Key Click",
                                                    "Velocity Sens", "Tone", "Body", "Damper Noise", "Release Noise", "Sub Level",
                                                    "Noise Level", "LFO Rate", "LFO Depth", "Formant", "Bite", "Air" };

const std::vector<std::string> layerNames = { "Main", "Release", "Body", "Attack", "Air", "Sub", "Octave", "Noise", "Hammer",
                                               "Sustain", "Tail", "Shimmer", "Low", "High", "Click", "Bow", "Breath", "Ring" };

const std::vector<std::string> descriptions = {
    "Use the mod wheel to open the filter.", "Knob 1 sets the brightness; knob 2 the release.",
    "Velocity switches between soft and hard samples.", "Slider 1 blends the layers.",
    "Aftertouch adds vibrato. Sustain pedal holds the pad.", "Designed for split playing below C3.",
    "Rotary speed on the mod wheel.", "A classic sound for ballads and pop." };

constexpr int DRAWBAR_CONTROLLERS[9] = { 12, 13, 22, 23, 24, 25, 26, 27, 28 };

Bytes makeLayer (Random& r, int layerIndex, int layers, const std::vector<int>& keymaps)
{
    Bytes block;
    block.push_back (0x09);
    fill (block, r, program::LAYER_SIZE - 1, 0, 100);

    const int span = 128 / std::max (1, layers);
    const bool split = layers > 1 && r.chance (30);
    bytes::put8 (block, program::layer::ZONE_LOW, split ? std::min (127, layerIndex * span) : 0);
    bytes::put8 (block, program::layer::ZONE_HIGH, split ? std::min (127, layerIndex * span + span - 1) : 127);

    const bool second = r.chance (25);
    bytes::put8 (block, program::layer::FLAGS, second ? 0x20 : 0x00);
    bytes::put16 (block, program::layer::KEYMAP1, r.pick (keymaps));
    bytes::put16 (block, program::layer::KEYMAP2, second ? r.pick (keymaps) : 0);
    bytes::put8 (block, program::layer::LEVEL, -r.between (0, 12));
    bytes::put8 (block, 289, 20);

    std::string name = r.chance (40) ? program::layer::UNNAMED : r.chance (15) ? std::string (20, ' ') : r.pick (layerNames);
    name.resize (20, ' ');
    std::copy (name.begin(), name.end(), block.begin() + program::layer::NAME);
    return block;
}

Bytes nameList (Random& r, int count, const std::string& description)
{
    Bytes list { 0x01, 0x02, 0x00, (uint8_t) count };
    for (int i = 0; i < count; ++i)
    {
        const bool isDescription = i == count - 1;
        const int number = isDescription ? program::DESCRIPTION_NUMBER : i + 1;
        const std::string text = isDescription ? description : parameterLabels[(size_t) i % parameterLabels.size()];
        const int value = r.chance (50) ? 0xFFFF : r.between (0, 127);
        list.insert (list.end(), { 0, 0, 0, (uint8_t) number, (uint8_t) (value >> 8), (uint8_t) value, 0, (uint8_t) (text.size() + 1) });
        bytes::append (list, text);
        list.push_back (0);
    }
    return list;
}

Bytes assignmentList (Random& r, bool organ, int names)
{
    std::vector<std::array<int, 4>> entries;
    if (organ)
    {
        // A registration: one entry per drawbar controller, then the rotor speed on the mod wheel.
        for (int d = 0; d < 9; ++d)
            entries.push_back ({ 1, 40 + d, d < 3 || r.chance (40) ? r.between (64, 127) : 0, DRAWBAR_CONTROLLERS[d] });
        entries.push_back ({ 1, 49, 0, 1 });
        if (r.chance (50))
            entries.push_back ({ 1, 50, r.between (0, 127), 64 });
    }
    else
    {
        static const int knobs[] = { 1, 71, 72, 73, 79, 14, 17, 18, 64, 2, 80, 81 };
        const int count = std::min (names, r.between (2, 12));
        for (int i = 0; i < count; ++i)
            entries.push_back ({ 1, i + 1, r.chance (30) ? -1 : r.between (0, 127), knobs[i % 12] });
    }

    Bytes list { 0x00, 0x03, (uint8_t) (entries.size() >> 8), (uint8_t) entries.size() };
    for (const auto& e : entries)
        for (const int b : e)
            list.push_back ((uint8_t) b);
    return list;
}

struct ProgramPlan
{
    std::string name;
    int category, sub;
    int layers;
    bool organ;
};

Bytes makeProgram (Random& r, const ProgramPlan& plan, const std::vector<int>& keymaps,
                   std::map<std::string, std::vector<int>>& chains, const std::string& insertFx)
{
    Bytes record = name20 (plan.name);
    bytes::append (record, "ZK5");
    record.insert (record.end(), { 0x04, 0x08 });

    Bytes common;
    bytes::append (common, "ZK5");
    common.insert (common.end(), { 0x03, 0x03 });
    fill (common, r, program::COMMON_SIZE - 5, 0, 60);
    record.insert (record.end(), common.begin(), common.end());
    fill (record, r, 91, 0, 100);

    using F = program::Field;
    program::setField (record, F::category, plan.category);
    program::setField (record, F::subCategory, plan.sub);
    program::setField (record, F::song, 0);
    program::setField (record, F::layerCount, plan.layers);
    bytes::put8 (record, 61, r.between (0, 31));
    program::setField (record, F::pitchBendUp, plan.category == 7 ? 12 : 2);
    program::setField (record, F::pitchBendDown, plan.category == 7 ? -12 : -2);
    program::setField (record, F::outGain, -r.between (0, 6));
    program::setField (record, F::outPan, 0);
    program::setField (record, F::insertChain, r.pick (chains[insertFx]));
    program::setField (record, F::aux1Chain, r.pick (chains["Reverb"]));
    program::setField (record, F::aux2Chain, r.pick (chains[r.chance (50) ? "Delay" : "Chorus"]));
    bytes::put8 (record, 111, r.between (10, 60));
    bytes::put8 (record, 112, r.between (0, 40));
    const std::string reserved = "ProgramRFU012567";
    std::copy (reserved.begin(), reserved.end(), record.begin() + 141);
    program::setField (record, F::kind, plan.organ ? program::ORGAN_KIND : 0);

    for (int l = 0; l < plan.layers; ++l)
        bytes::append (record, makeLayer (r, l, plan.layers, keymaps));
    if (plan.layers < program::MAX_LAYERS)
        record.push_back (0x00);

    // Up to 31 named parameters, the last one the description; fewer on the biggest programs.
    const int maxNames = plan.layers >= 20 ? 12 : 31;
    const int names = r.between (std::min (4, maxNames), maxNames);
    bytes::append (record, nameList (r, names, r.pick (descriptions)));
    bytes::append (record, assignmentList (r, plan.organ, names));

    // The tail; longer where a small program would fall below the smallest size.
    const size_t tail = std::max<size_t> (444, 1281 > record.size() + 444 ? 1281 - record.size() : 0);
    fill (record, r, tail, 0, 90);
    return record;
}

int layerCountFor (Random& r, const ProgramCategory& c)
{
    if (r.chance (3))
        return r.chance (50) ? 20 : 32;
    // Most programs are small: a skew towards the minimum.
    const double u = (double) r.between (0, 1000) / 1000.0;
    return c.minLayers + (int) ((c.maxLayers - c.minLayers) * std::pow (u, 1.6) + 0.5);
}

Objects makePrograms (Random& r, const std::map<int, std::vector<int>>& keymapsByCategory,
                      std::map<std::string, std::vector<int>>& chains)
{
    Objects objects;
    NameBook names;
    names.unique ("Dyn 9ft Grand");

    for (const auto& c : programCategories)
    {
        const auto& keymaps = keymapsByCategory.at (c.category);
        for (int id = c.firstId; id <= c.lastId; ++id)
        {
            ProgramPlan plan;
            plan.category = c.category;
            plan.sub = r.pick (c.subs);
            if (id == 119)
                plan.sub = 1;   // the first tonewheel organ of the set
            plan.organ = c.category == 4 && plan.sub != 4;
            plan.layers = plan.organ ? r.between (1, 2) : layerCountFor (r, c);
            plan.name = id == 1 ? "Dyn 9ft Grand" : names.unique (compose (r, c.first, c.second));
            if (id == 1)
                plan.sub = 1;
            objects[id] = makeProgram (r, plan, keymaps, chains, c.insertFx);
        }
    }

    // Starting points for the player's own programs.
    const std::pair<const char*, int> inits[] = { { "Init ZEPH", 7 }, { "Init TW3 Organ", 4 }, { "Init Split", 1 },
                                                  { "Init Drum Kit", 12 }, { "Init FM", 14 } };
    int id = 2043;
    for (const auto& [name, category] : inits)
    {
        const ProgramPlan plan { names.unique (name), category, category == 4 ? 1 : 0, category == 12 ? 32 : 1, category == 4 };
        objects[id++] = makeProgram (r, plan, keymapsByCategory.at (category), chains, category == 4 ? "Organ" : "EQ");
    }
    return objects;
}

//==============================================================================
// Multis: four zones each, walked exactly as the program walks them.
Bytes makeTextBlock (Random& r, bool lengthPrefixed, const std::string& zoneName)
{
    Bytes block;
    fill (block, r, 52, 0, 100);
    bytes::put16 (block, 16, r.between (60, 180) * 100);   // tempo in hundredths

    if (lengthPrefixed)
    {
        block[42] = 1;
        auto field = [&] (int headSize, const std::string& text)
        {
            block.push_back ((uint8_t) text.size());
            fill (block, r, (size_t) headSize - 1, 0, 30);
            bytes::append (block, text);
        };
        field (6, zoneName);
        field (6, "Riff " + std::to_string (r.between (1, 99)));
        field (4, "Arp");
        fill (block, r, 6, 0, 30);
        field (4, "Notes " + std::to_string (r.between (1, 9)));   // the walk ends 8 bytes before this field's end
        block.resize (block.size() - 8);
    }
    else
    {
        block[42] = 0;
        block.resize (49);
        for (int text = 0; text < 4; ++text)
        {
            // A flag, a spare byte, then a 16-bit length whose low byte is the text's first byte.
            const std::string content = text == 0 ? zoneName : "Text " + std::to_string (text);
            block.insert (block.end(), { 1, 0, 0, (uint8_t) (content.size() + 1) });
            bytes::append (block, content);
            if (text < 3)
                block.insert (block.end(), { 0, 0, 0 });
        }
    }
    return block;
}

/** A controller list as the zone walk reads it: an 8-byte head whose 32-bit
    count ends in the first entry's byte 0, then the entries. An empty entry is
    recognised by a 0xFF right after it, so one is only made before another entry. */
void appendControllerList (Bytes& zone, Random& r, int count, int fullSize, int emptySize)
{
    zone.insert (zone.end(), { 0x01, 0x04, 0, 0, 0, 0, (uint8_t) (count >> 16), (uint8_t) (count >> 8) });

    std::vector<Bytes> entries;
    for (int e = 0; e < count; ++e)
    {
        const bool empty = e + 1 < count && r.chance (15);
        Bytes entry;
        fill (entry, r, (size_t) (empty ? emptySize : fullSize), 0, 100);
        entries.push_back (entry);
    }
    for (size_t e = 0; e + 1 < entries.size(); ++e)
        if ((int) entries[e].size() == emptySize)
            entries[e + 1][0] = 0xFF;
    if (! entries.empty())
        entries[0][0] = (uint8_t) count;

    for (const auto& entry : entries)
        bytes::append (zone, entry);
}

Bytes makeZone (Random& r, int zoneIndex, int program, const std::string& zoneName, int firstEntries, int secondEntries)
{
    Bytes zone;
    fill (zone, r, 35, 0, 100);
    zone[2] = zoneIndex == 3 && program % 3 == 0 ? 1 : 2;   // status: on, now and then a fourth zone off
    zone[3] = (uint8_t) zoneIndex;
    bytes::put16 (zone, 11, program);
    zone[18] = (uint8_t) r.between (0, 60);    // low key
    zone[19] = (uint8_t) r.between (61, 127);  // high key

    appendControllerList (zone, r, firstEntries, 53, 3);
    appendControllerList (zone, r, secondEntries, 157, 4);

    static const int typedSizes[] = { 4, 6, 15, 33, 3 };
    for (int entry = 0; entry < 8; ++entry)
    {
        const int type = entry % 5;
        zone.insert (zone.end(), { 0, (uint8_t) entry, 0, 0, 0, 0, (uint8_t) type });
        fill (zone, r, (size_t) typedSizes[type] - 1, 0, 100);
    }
    fill (zone, r, 4, 0, 10);

    bytes::append (zone, makeTextBlock (r, r.chance (80), zoneName));

    Bytes block44;
    fill (block44, r, 44, 0, 100);
    bytes::put16 (block44, 19, r.between (80, 160) * 100);
    bytes::append (zone, block44);
    const size_t block8 = zone.size();
    fill (zone, r, 8, 0, 100);
    bytes::put16 (zone, (long) block8 + 1, program);   // the zone's program as the editor assigns it

    const int entries = r.between (0, 12);
    zone.insert (zone.end(), { (uint8_t) (entries >> 8), (uint8_t) entries, 0, 0 });
    fill (zone, r, 4 * (size_t) entries, 0, 100);
    return zone;
}

const std::vector<std::string> multiFirst = { "Piano", "Bass", "Split", "Stack", "Live", "Band", "Jazz", "Pop", "Rock", "Funk",
                                              "Cinema", "Soul", "Gospel", "Lounge", "Club", "Ambient" };
const std::vector<std::string> multiSecond = { "& Strings", "& Pad", "Split", "Layer", "Combo", "Trio", "Setup", "Stack", "Zones",
                                               "Duo", "& Brass", "& Choir" };

Objects makeMultis (Random& r)
{
    Objects objects;
    NameBook names;
    const auto ids = idRanges ({ { 1, 50 }, { 2044, 2047 } });

    for (size_t i = 0; i < ids.size(); ++i)
    {
        const int id = ids[i];
        Bytes record = name20 (names.unique (compose (r, multiFirst, multiSecond)));
        bytes::append (record, "ZK5");
        Bytes namePart { 0x03, 0x0E };
        fill (namePart, r, 43, 0, 60);
        namePart[3] = (uint8_t) r.between (0, 14);   // record byte 26: the category
        namePart[44] = 4;                             // record byte 67: four zones
        bytes::append (record, namePart);

        Bytes main;
        fill (main, r, multi::MAIN_PART_SIZE, 0, 100);
        for (int i = 0; i < 16; ++i)
        {
            main[(size_t) i + 2] = i < 4 ? (uint8_t) (i + 1) : 0;   // zone channels
            main[(size_t) i + 18] = 0;
        }
        bytes::append (record, main);

        // Aim at a size between the smallest and largest factory multi, most of them large.
        const double u = (double) r.between (0, 1000) / 1000.0;
        const int perZone = (int) ((6900 + 11100 * std::sqrt (u) - 462 - 2676) / 4 * 1.16);
        const int second = std::max (1, (perZone - 345) * 6 / 10 / 157);
        const int first = std::max (1, (perZone - 345 - 157 * second) / 53);
        for (int z = 0; z < 4; ++z)
            bytes::append (record, makeZone (r, z, r.between (1, 1136), "Zone " + std::to_string (z + 1),
                                             std::max (1, first + r.between (-2, 2)), second));
        fill (record, r, 2676, 0, 100);
        if (record.size() < 6810 || record.size() > 18129)
        {
            --i;   // outside the factory range: draw this multi again
            continue;
        }
        objects[id] = record;
    }
    return objects;
}

//==============================================================================
// Patterns, arps and intonation tables: small opaque records.
Objects makePatterns (Random& r, const std::vector<int>& ids, const std::string& kind, int minBody, int maxBody)
{
    Objects objects;
    NameBook names;
    static const std::vector<std::string> shapes = { "Straight", "Swing", "Shuffle", "Latin", "Funk", "Half Time", "Triplet",
                                                     "Accent", "Ramp Up", "Ramp Down", "Random", "Offbeat", "Dotted", "Push" };
    for (const int id : ids)
    {
        Bytes payload = name20 (names.unique (kind + " " + r.pick (shapes)));
        const int steps = r.between (minBody, maxBody) / 2;
        payload.insert (payload.end(), { (uint8_t) steps, 0 });
        fill (payload, r, (size_t) steps * 2 - 2, 0, 127);
        objects[id] = payload;
    }
    return objects;
}

Objects makeArps (Random& r)
{
    Objects objects;
    NameBook names;
    static const std::vector<std::string> first = { "Up", "Down", "Up/Down", "Random", "Chord", "Octave", "Trance", "Pulse",
                                                    "Gate", "Bounce", "Sequence", "Pattern", "Bass Line", "Strum" };
    static const std::vector<std::string> second = { "8th", "16th", "Triplet", "Swing", "1/4", "Dotted", "Long", "Short", "Fast", "Slow" };

    for (const int id : idRanges ({ { 1, 19 }, { 33, 149 } }))
    {
        const bool step = id > 100;
        Bytes payload = name20 (names.unique (id == 1 ? "Default Arp" : compose (r, first, second)));
        fill (payload, r, (size_t) (step ? r.between (120, 200) : r.between (76, 106)), 0, 100);
        payload[61] = step ? 1 : 0;
        payload[71] = step ? (uint8_t) (id - 100) : 0;
        objects[id] = payload;
    }
    return objects;
}

Objects makeIntonations (Random& r)
{
    static const char* const names[18] = { "Equal", "Pure Major C", "Pure Minor A", "Pythagorean", "Meantone 1/4",
                                           "Werckmeister III", "Kirnberger III", "Vallotti", "Young", "Arabic Rast",
                                           "Arabic Bayati", "Turkish", "Indian Raga", "Gamelan Slendro", "Gamelan Pelog",
                                           "Stretched", "Blues", "Quarter Tones" };
    Objects objects;
    for (int id = 1; id <= 18; ++id)
    {
        Bytes payload = name20 (names[id - 1]);
        for (int pitch = 0; pitch < 12; ++pitch)
        {
            const int cents = id == 1 ? 0 : r.between (-50, 50);
            payload.insert (payload.end(), { (uint8_t) ((cents >> 8) & 0xFF), (uint8_t) (cents & 0xFF) });
        }
        objects[id] = payload;
    }
    return objects;
}

bool write (const std::string& path, const Bytes& data)
{
    std::ofstream out (path, std::ios::binary);
    out.write (reinterpret_cast<const char*> (data.data()), (std::streamsize) data.size());
    return out.good();
}
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: factorygen <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    Random r (0x5A4B37u);

    std::map<int, std::vector<int>> keymapsByCategory;
    std::map<std::string, std::vector<int>> chainsByCategory;

    const std::vector<std::pair<int, Bytes>> banks = {
        { typeKeymap, BankWriter::makeBank (typeKeymap, 8192, makeKeymaps (r, keymapsByCategory)) },
        { typeFxChain, BankWriter::makeBank (typeFxChain, 8192, makeFxChains (r, chainsByCategory)) },
        { typeProgram, BankWriter::makeBank (typeProgram, 8192, makePrograms (r, keymapsByCategory, chainsByCategory)) },
        { typeMulti, BankWriter::makeBank (typeMulti, 8192, makeMultis (r)) },
        { typeIntonation, BankWriter::makeBank (typeIntonation, 132, makeIntonations (r)) },
        { typeShiftPattern, BankWriter::makeBank (typeShiftPattern, 8192,
                                                  makePatterns (r, idRanges ({ { 1, 102 }, { 120, 132 }, { 200, 200 } }), "Shift", 8, 28)) },
        { typeVelocityPattern, BankWriter::makeBank (typeVelocityPattern, 8192,
                                                     makePatterns (r, idRanges ({ { 1, 38 }, { 50, 54 }, { 70, 101 }, { 120, 128 }, { 200, 210 } }), "Velo", 8, 44)) },
        { typeArp, BankWriter::makeBank (typeArp, 8192, makeArps (r)) },
    };

    for (const auto& [type, stream] : banks)
    {
        const std::string path = folder + "/" + objectTypeInfo (type)->cliName + ".bank";
        if (! write (path, stream))
        {
            std::fprintf (stderr, "factorygen: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf ("%-18s %9zu bytes\n", objectTypeInfo (type)->cliName, stream.size());
    }
    return 0;
}
