#pragma once

#include <string>

/** The instrument's object type codes. */
enum ObjectType
{
    typeIntonation = 103,
    typeSong = 112,
    typeKeymap = 133,
    typeProgram = 138,
    typeAlg = 149,
    typeFxPreset = 151,
    typeMulti = 155,
    typeFxChain = 156,
    typeSample = 158,
    typeShiftPattern = 163,
    typeVelocityPattern = 164,
    typeArp = 168
};

/** What the bank stream and the library need to know of a type. */
struct ObjectTypeInfo
{
    int code;
    const char* displayName;   // shown by the transfer dialog
    const char* bankTag;       // five characters, e.g. "Prog*"
    const char* recordWord;    // four characters, e.g. "Dat*"
    const char* innerTag;      // "Prog_Dat*" style inner record tag, or nullptr
    int maxId;                 // IDs 1 .. maxId + 1 are indexed
    const char* fileName;      // library bank file
    const char* cliName;       // how the command-line tool names the type
};

/** The type's description; nullptr for an unknown code. */
const ObjectTypeInfo* objectTypeInfo (int code);

/** The eight types read at start-up, in loading order. */
extern const int loadedTypes[8];
/** The ten types written at shut-down, in writing order. */
extern const int savedTypes[10];

/** "Transfer dialog" display name; empty for unknown codes and arps. */
std::string objectTypeName (int code);

std::string categoryName (int category);
std::string subCategoryName (int category, int sub);
/** The category's name in at most six characters, for icons ("BRASS / WIND" is "BRASS"). */
std::string categoryShortName (int category);
std::string fxCategoryName (int category);

constexpr int FX_CATEGORY_COUNT = 17;
