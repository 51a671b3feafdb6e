#include "model/MultiObjects.h"

int subObjMltCommon::getZoneCount() const
{
    const int position = fullLayout ? multi::ZONE_COUNT : multi::SHORT_ZONE_COUNT;
    return (int) block.size() > position ? block[(size_t) position] : 0;
}

void subObjMltCommon::setZoneCount (int count)
{
    bytes::put8 (block, fullLayout ? multi::ZONE_COUNT : multi::SHORT_ZONE_COUNT, count);
}

void subObjZone::setBlock (const Bytes& zoneBlock, bool full)
{
    block = zoneBlock;
    fullLayout = full;
    layout = multi::walkZone (block, 0);
}

//==============================================================================
ObjMultiClass::ObjMultiClass()
{
    for (auto& zone : zones)
        zone = std::make_unique<subObjZone>();
}

void ObjMultiClass::loadRecord (const Bytes& record)
{
    multiBlock = record;
    common.block = bytes::slice (record, 0, multi::COMMON_SIZE);
    common.block.resize ((size_t) multi::COMMON_SIZE, 0);
    common.fullLayout = true;
    walkZones();

    for (int k = 0; k < std::min (getZoneCount(), multi::MAX_ZONES); ++k)
        zones[(size_t) k]->setBlock (bytes::slice (multiBlock, zoneOffsets[(size_t) k], zoneSizes[(size_t) k]), true);
}

void ObjMultiClass::walkZones()
{
    zoneOffsets.fill (0);
    zoneSizes.fill (0);
    if ((int) multiBlock.size() < multi::MIN_WALK_SIZE)
        return;

    long s = multi::COMMON_SIZE;
    for (int k = 0; k < std::min (getZoneCount(), multi::MAX_ZONES) && s < (long) multiBlock.size(); ++k)
    {
        const auto layout = multi::walkZone (multiBlock, s);
        // A zone whose counts run past the record ends with the record.
        const long end = std::min<long> (layout.end, (long) multiBlock.size());
        zoneOffsets[(size_t) k] = (int) s;
        zoneSizes[(size_t) k] = (int) (end - s);
        s = end;
    }
}

int ObjMultiClass::getTailSize() const
{
    const int zoneCount = std::min (getZoneCount(), multi::MAX_ZONES);
    if (zoneCount == 0 || (int) multiBlock.size() < multi::MIN_WALK_SIZE)
        return 0;
    return (int) multiBlock.size() - zoneOffsets[(size_t) zoneCount - 1] - zoneSizes[(size_t) zoneCount - 1];
}

void ObjMultiClass::announce (int status)
{
    changeStatus = status;
    sendChangeMessage();
}

void ObjMultiClass::setNamePart (const Bytes& nameBytes, const Bytes& partBytes)
{
    for (int i = 0; i < 20; ++i)
        common.block[(size_t) i] = (uint8_t) bytes::u8 (nameBytes, i);
    if ((int) partBytes.size() == multi::NAME_PART_SIZE)
        std::copy (partBytes.begin(), partBytes.end(), common.block.begin() + multi::NAME_PART_START);
    announce (NAME_PART_RECEIVED);
}

void ObjMultiClass::setMainPart (const Bytes& part)
{
    if ((int) part.size() == multi::MAIN_PART_SIZE)
        std::copy (part.begin(), part.end(), common.block.begin() + multi::MAIN_PART_START);
    else if ((int) part.size() == multi::SHORT_MAIN_PART_SIZE && ! common.fullLayout)
        std::copy (part.begin(), part.end(), common.block.begin() + multi::SHORT_MAIN_PART_START);
    announce (MAIN_PART_RECEIVED);
}

void ObjMultiClass::setZone (int zone, const Bytes& block)
{
    if (zone < 0 || zone > common.getZoneCount() || zone >= multi::MAX_ZONES)
        return;
    zones[(size_t) zone]->setBlock (block, common.fullLayout);
    announce (zone);
}

Bytes ObjMultiClass::getZoneBlock (int zone) const
{
    return juce::isPositiveAndBelow (zone, multi::MAX_ZONES) ? zones[(size_t) zone]->block : Bytes();
}

//==============================================================================
int ObjMultiClass::getValue (int element, int number, int zone) const
{
    if (multi::isCommonElement (element))
    {
        const auto place = multi::commonPlace (common.fullLayout, element, number, false);
        const int raised = multi::raisedNumber (element, number, false);
        if (raised >= 3000 && raised < 3016)
        {
            // A zone's channel: its byte when above 0, plus its offset byte.
            const long b = (common.fullLayout ? 68 : 50) + (raised - 3000);
            const int channel = bytes::u8 (common.block, b + 2);
            return channel > 0 ? channel + bytes::u8 (common.block, b + 18) : 0;
        }
        return place.position < 0 ? 0 : multi::readPlace (common.block, place);
    }

    if (element == 4)
    {
        const auto& first = *zones[0];
        const int v = bytes::u16 (first.block, first.getLayout().text + 16);
        switch (number)
        {
            case 100: return v / 100 < 20 ? 19 : v / 100;
            case 101: return v / 100 < 20 ? 1 : 0;
            case 102: return v % 100;
            default: return 0;
        }
    }

    if (! multi::isZoneElement (element) || ! juce::isPositiveAndBelow (zone, multi::MAX_ZONES))
        return 0;
    return readZoneValue (*zones[(size_t) zone], element, number);
}

int ObjMultiClass::readZoneValue (const subObjZone& zone, int element, int number) const
{
    const auto& layout = zone.getLayout();
    if (element == 35 && number == 292)
    {
        const int tempo = readZoneValue (zone, 35, 276) / 100;
        return tempo > 19 ? tempo : 120;
    }
    if (element == 470 && number == 18)
    {
        const long t = layout.text - layout.start;
        return (bytes::s8 (zone.block, t + 16) * 256 + bytes::s8 (zone.block, t + 17)) % 100;
    }

    bool wholeWidth = false;
    const auto place = multi::zonePlace (zone.block, layout, zone.fullLayout, element, number, wholeWidth);
    return place.position < 0 ? 0 : multi::readPlace (zone.block, place);
}

void ObjMultiClass::setValue (int element, int number, int zone, int value)
{
    if (multi::isCommonElement (element))
    {
        multi::writePlace (common.block, multi::commonPlace (common.fullLayout, element, number, true), value, false);
        return;
    }
    if (element == 4 || element == 470 || ! multi::isZoneElement (element) || ! juce::isPositiveAndBelow (zone, multi::MAX_ZONES))
        return;

    auto& target = *zones[(size_t) zone];
    bool wholeWidth = false;
    const auto place = multi::zonePlace (target.block, target.getLayout(), target.fullLayout, element, number, wholeWidth);
    multi::writePlace (target.block, place, value, wholeWidth);
}
