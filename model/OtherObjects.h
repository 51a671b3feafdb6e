#pragma once

#include "model/BankIndex.h"
#include "model/FxChainRecord.h"
#include "model/ObjectType.h"

#include <juce_events/juce_events.h>

#include <array>

/** A bank whose records the program carries without reading them, and one
    object of its type. Keymaps, arps, patterns, algorithms, samples and songs. */
class OpaqueObjectClass : public juce::ChangeBroadcaster
{
public:
    BankIndex bank;
    Bytes object;
};

class ObjKeyMapClass : public OpaqueObjectClass {};
class ObjArpClass : public OpaqueObjectClass {};
class ObjPatIntClass : public OpaqueObjectClass {};
class ObjPatShiftClass : public OpaqueObjectClass {};
class ObjPatVelClass : public OpaqueObjectClass {};
class ObjAlgClass : public OpaqueObjectClass {};
class ObjSampleClass : public OpaqueObjectClass {};
class ObjSongClass : public OpaqueObjectClass {};

/** The instrument's global settings, in the four parts it sends. */
class ObjMasterClass : public juce::ChangeBroadcaster
{
public:
    static constexpr int PART_SIZE = 200;

    ObjMasterClass();

    /** Replaces part 1..4 and broadcasts; other part numbers are ignored. */
    void setPart (int part, const Bytes& data);
    const Bytes& getPart (int part) const { return parts[(size_t) juce::jlimit (1, 4, part) - 1]; }

    /** Beats per minute (part 3 holds hundredths). */
    int getTempo() const { return bytes::u16 (parts[2], 23) / 100; }
    /** The 16-bit value of entry i of part 4's table. */
    int getEntryValue (int i) const { return bytes::u16 (parts[3], 8L * i + 2); }

    int changeStatus = 0;

private:
    std::array<Bytes, 4> parts;
};

/** FX chains: the bank, the decoding of one chain's units and controls, and
    the chains sorted into effect categories. */
class ObjFXChainClass : public juce::ChangeBroadcaster
{
public:
    BankIndex bank;

    /** Where the chain settings start (k), or -1. */
    int findChainStart (int id) const;
    /** Decodes a chain's units and finds its control list. */
    void decodeChain (int id);

    int getUnitCount() const { return (int) unitTypes.size(); }
    int getUnitType (int i) const { return juce::isPositiveAndBelow (i, getUnitCount()) ? unitTypes[(size_t) i] : 0; }
    int getUnitPosition (int i) const { return juce::isPositiveAndBelow (i, getUnitCount()) ? unitPositions[(size_t) i] : 0; }
    int getUnitSize (int i) const { return juce::isPositiveAndBelow (i, getUnitCount()) ? unitSizes[(size_t) i] : 0; }
    std::string getUnitCode (int i) const { return fxchain::effectCode (getUnitType (i)); }
    int getControlListPosition() const { return controlListPosition; }

    int getControlListSize (int id);
    Bytes getControlBlock (int id);

    /** Chains whose units fall into the named category ("Reverb" .. "EQ"). */
    std::vector<int> getChainsInCategory (const std::string& name);

private:
    void buildCategories();

    std::vector<int> unitPositions, unitTypes, unitSizes;
    int controlListPosition = 0;
    bool categoriesBuilt = false;
    std::array<std::vector<int>, FX_CATEGORY_COUNT> categories;
};
