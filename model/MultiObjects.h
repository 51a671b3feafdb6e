#pragma once

#include "model/BankIndex.h"
#include "model/MultiRecord.h"

#include <juce_events/juce_events.h>

#include <array>
#include <memory>

/** The common part of the multi being edited (record bytes 0..461). The
    layout flag tells whether it came from a record (full form) or from the
    instrument's shorter 319-byte main part. */
class subObjMltCommon
{
public:
    subObjMltCommon() : block ((size_t) multi::COMMON_SIZE, 0) {}

    bool fullLayout = false;
    Bytes block;

    int getZoneCount() const;
    void setZoneCount (int count);
};

/** One zone of the multi being edited, with the positions its walk found. */
class subObjZone
{
public:
    void setBlock (const Bytes& zoneBlock, bool full);
    const Bytes& getBlock() const { return block; }
    const multi::ZoneLayout& getLayout() const { return layout; }

    bool fullLayout = true;
    Bytes block;

private:
    multi::ZoneLayout layout;
};

/** The multi being played or edited: a common part and up to sixteen zones.
    Values are addressed by (element code, parameter number, zone). */
class ObjMultiClass : public juce::ChangeBroadcaster
{
public:
    enum Status { NAME_PART_RECEIVED = 16, MAIN_PART_RECEIVED = 17 };

    ObjMultiClass();

    void loadRecord (const Bytes& record);
    const Bytes& getMultiBlock() const { return multiBlock; }
    int getZoneCount() const { return bytes::u8 (multiBlock, multi::ZONE_COUNT); }
    int getZoneOffset (int zone) const { return zoneOffsets[(size_t) juce::jlimit (0, 15, zone)]; }
    int getZoneSize (int zone) const { return zoneSizes[(size_t) juce::jlimit (0, 15, zone)]; }
    /** Bytes of the record after the last zone. */
    int getTailSize() const;

    subObjMltCommon& getCommon() { return common; }
    std::string getName() const { return bytes::printable (common.block, 0, 20); }

    void setNamePart (const Bytes& nameBytes, const Bytes& partBytes);
    void setMainPart (const Bytes& part);
    void setZone (int zone, const Bytes& block);
    Bytes getZoneBlock (int zone) const;

    int getValue (int element, int number, int zone) const;
    void setValue (int element, int number, int zone, int value);

    int changeStatus = 0;

private:
    void walkZones();
    void announce (int status);
    int readZoneValue (const subObjZone& zone, int element, int number) const;

    subObjMltCommon common;
    std::array<std::unique_ptr<subObjZone>, multi::MAX_ZONES> zones;
    Bytes multiBlock;
    std::array<int, multi::MAX_ZONES> zoneOffsets {};
    std::array<int, multi::MAX_ZONES> zoneSizes {};
};

/** The multi bank. */
class ObjSetupBankClass : public juce::ChangeBroadcaster
{
public:
    BankIndex bank;

    void loadMulti (int id, ObjMultiClass& multiObject) const { multiObject.loadRecord (bank.getRecord (id)); }
    std::string getName (int id) const { return bank.getName (id); }
};
