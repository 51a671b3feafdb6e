#include "model/ObjectType.h"

namespace
{
const ObjectTypeInfo types[] = {
    { typeIntonation, "Intonation Table", "IntT*", "Dat*", nullptr, 127, "ZK7_Pat_Int_Data.dat", "intonations" },
    { typeSong, "Songs", "Song*", "Dat*", nullptr, 8191, "ZK7_Song_Data.dat", "songs" },
    { typeKeymap, "Keymaps", "KeyM*", "Dat*", nullptr, 8192, "ZK7_KeyMap_Data.dat", "keymaps" },
    { typeProgram, "Programs", "Prog*", "Dat*", "Prog_Dat*", 8191, "ZK7_ProgramData.dat", "programs" },
    { typeAlg, "Algs", "Alg**", "Data", nullptr, 8191, "ZK7_Alg_Data.dat", "algorithms" },
    { typeFxPreset, "FX Presets", "FXpr*", "Dat*", nullptr, 2559, "", "fxpresets" },
    { typeMulti, "Multi", "Set**", "Dat*", "Set*-Dat*", 8191, "ZK7_SetupData.dat", "multis" },
    { typeFxChain, "FX Chains", "FX***", "Data", "FX*-*Data", 8192, "ZK7_FX_Chain_Data.dat", "fxchains" },
    { typeSample, "Samples", "Samp*", "Dat*", nullptr, 8191, "", "samples" },
    { typeShiftPattern, "Shift Patterns", "PatS*", "Dat*", nullptr, 8191, "ZK7_Pat_Shift_Data.dat", "shiftpatterns" },
    { typeVelocityPattern, "Velocity Patterns", "PatV*", "Dat*", nullptr, 8191, "ZK7_Pat_Vel_Data.dat", "velocitypatterns" },
    { typeArp, "", "Arp *", "Dat*", nullptr, 8191, "ZK7_Arp_Data.dat", "arps" },
};
}

const int loadedTypes[8] = { typeProgram, typeMulti, typeFxChain, typeKeymap, typeIntonation,
                             typeShiftPattern, typeVelocityPattern, typeArp };

// The arp bank is written too: arps received from the instrument must survive a restart.
const int savedTypes[10] = { typeProgram, typeMulti, typeFxChain, typeKeymap, typeIntonation,
                             typeShiftPattern, typeVelocityPattern, typeArp, typeSong, typeAlg };

const ObjectTypeInfo* objectTypeInfo (int code)
{
    for (const auto& t : types)
        if (t.code == code)
            return &t;
    return nullptr;
}

std::string objectTypeName (int code)
{
    const auto* info = objectTypeInfo (code);
    return info != nullptr ? info->displayName : "";
}

std::string categoryName (int category)
{
    static const char* const names[] = { "-----------", "PIANO", "E. PIANO", "CLAV", "ORGAN", "STRINGS", "PADS", "SYNTH",
                                         "BRASS / WIND", "ENSEMBLE", "HYBRID", "GUITAR / BASS", "DRUMS / PERC", "MISC", "FM" };
    if (category >= 0 && category <= 14)
        return names[category];
    return std::to_string (category);
}

std::string categoryShortName (int category)
{
    static const char* const names[] = { "---", "PIANO", "E.PNO", "CLAV", "ORGAN", "STRING", "PADS", "SYNTH",
                                         "BRASS", "ENSMBL", "HYBRID", "GUITAR", "DRUMS", "MISC", "FM" };
    if (category >= 0 && category <= 14)
        return names[category];
    return categoryName (category);
}

std::string subCategoryName (int category, int sub)
{
    struct Sub { int category, sub; const char* name; };
    static const Sub subs[] = {
        { 1, 1, "German" }, { 1, 2, "Japanese" }, { 1, 3, "Triple" },
        { 2, 1, "77 Rhodes" }, { 2, 2, "73 Rhodes" }, { 2, 3, "Wurly" },
        { 3, 1, "Clavier" }, { 3, 2, "Harpsichord" }, { 3, 3, "Celeste" },
        { 4, 1, "B3" }, { 4, 2, "British Combo" }, { 4, 3, "Italian Combo" }, { 4, 4, "Pipe" },
        { 5, 1, "Mellotron" },
        { 7, 1, "Poly" }, { 7, 2, "Lead" }, { 7, 3, "Bass" },
        { 9, 1, "Mellotron" },
        { 11, 1, "Bass" }, { 11, 2, "Guitar" },
        { 12, 1, "Drums" }, { 12, 2, "Perc" },
    };
    for (const auto& s : subs)
        if (s.category == category && s.sub == sub)
            return s.name;
    return {};
}

std::string fxCategoryName (int category)
{
    static const char* const names[] = { "------", "Reverb", "Chorus", "Flanger", "Phaser", "Tremolo", "Panner", "Organ", "Delay",
                                         "Echo", "Distortion", "Compressor", "Enhancer", "Filter", "Drums", "Pitcher", "Guitar", "EQ" };
    if (category >= 0 && category <= 17)
        return names[category];
    if (category <= 20)
        return {};
    return std::to_string (category);
}
