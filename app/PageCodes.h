#pragma once

/** The numbers by which the main component shows pages. */
namespace page
{
enum Code
{
    ABOUT = 102,
    MIDI_SETUP = 104,
    KEYBOARD = 105,
    CONTROLS = 111,
    MIXER = 113,
    MULTI_EDITOR = 114,
    PROGRAM_EDITOR = 115,
    ALGORITHM_SELECTOR = 116,
    KEYMAP_SELECTOR = 118,
    INTONATION_SELECTOR = 119,
    SHIFT_SELECTOR = 120,
    VELOCITY_SELECTOR = 121,
    PROGRAM_BROWSER = 122,
    MULTI_BROWSER = 123,
    SONG_SELECTOR = 124,
    ORGAN_EDITOR = 1151,
    FX_CHAIN_EDIT = 1171
};

/** Object kinds carried in a command word's target and in showPage's object type. */
enum ObjectKind
{
    KIND_INSERT_CHAIN = 0,
    KIND_AUX1_CHAIN = 3,
    KIND_AUX2_CHAIN = 6,
    KIND_PROGRAM = 11,
    KIND_INTONATION = 103,
    KIND_SONG = 112,
    KIND_MULTI = 114,
    KIND_KEYMAP = 133,
    KIND_SHIFT = 163,
    KIND_VELOCITY = 164,
    KIND_ALGORITHM = 787
};

/** The page a shown object page puts on top of the page history. */
constexpr int pageOfKind (int kind)
{
    switch (kind)
    {
        case KIND_PROGRAM: return PROGRAM_BROWSER;
        case KIND_MULTI: return MULTI_BROWSER;
        default: return 0;
    }
}
}
