#pragma once

#include "model/Bytes.h"

#include <string>
#include <vector>

/** The layout of a program record (name first, big-endian numbers). */
namespace program
{
constexpr int NAME_SIZE = 20;
constexpr int COMMON_START = 25;
constexpr int COMMON_SIZE = 133;
constexpr int LAYERS_START = 249;
constexpr int LAYER_SIZE = 318;
constexpr int MAX_LAYERS = 32;
constexpr int LAYER_COUNT = 60;
constexpr int KIND = 157;
constexpr int ORGAN_KIND = 120;
constexpr int INSERT_CHAIN = 109, AUX1_CHAIN = 121, AUX2_CHAIN = 133;
constexpr int DESCRIPTION_NUMBER = 128;

/** The fields of the common block the editors show. */
enum class Field
{
    category, subCategory, song, layerCount,
    monophonic, portamento, globals, attack, legatoPlay, monoSampleXfade,
    pitchBendUp, rate, drumRemap, pitchBendDown, outGain, outPanMode, outPan,
    insertOutput, aux1Type, aux2Type, insertChain,
    aux1Send, aux1PrePost, aux2Send, aux2PrePost, aux1Mod, aux2Mod,
    aux1Output, aux1Chain, aux2Output, aux2Chain, kind
};

/** Where a field lives: an 8- or 16-bit number, or bitCount bits from bit. */
struct FieldLayout
{
    int offset;
    int width;        // 8 or 16
    bool isSigned;
    int bit = 0;
    int bitCount = 0; // 0: the whole byte or word
};

const FieldLayout& fieldLayout (Field field);
int getField (const Bytes& record, Field field);
/** Writes a field; outside the record nothing is written; other bits of a shared byte keep their values. */
void setField (Bytes& record, Field field, int value);

/** Layer blocks present: byte 60 limited to 0..32. */
int layerCount (const Bytes& record);
int layerOffset (int layer);

/** Offset A of the controller name list and B of the assignment list. */
int nameListOffset (const Bytes& record);
int nameListSize (const Bytes& record);
int assignmentListOffset (const Bytes& record);
int assignmentListSize (const Bytes& record);

struct ControllerName
{
    int number;
    int value;
    std::string text;
};

struct Assignment
{
    int subSystem, uniqueId, value, controller;
};

/** The entries of the two lists, as far as they lie inside the record. */
std::vector<ControllerName> controllerNames (const Bytes& record);
std::vector<Assignment> assignments (const Bytes& record);

/** Layer block fields (offsets inside the 318-byte block). */
namespace layer
{
constexpr int ZONE_LOW = 2, ZONE_HIGH = 3, FLAGS = 7, KEYMAP2 = 138, KEYMAP1 = 142, LEVEL = 208, NAME = 290;
constexpr const char* UNNAMED = "LayerNameHere0123456";

/** The layer's own name; empty when it has none (the placeholder or blanks). */
std::string ownName (const Bytes& block);
}
}
