#include "model/OtherObjects.h"

ObjMasterClass::ObjMasterClass()
{
    for (auto& part : parts)
        part.assign (PART_SIZE, 0);
}

void ObjMasterClass::setPart (int part, const Bytes& data)
{
    if (part < 1 || part > 4)
        return;
    parts[(size_t) part - 1] = data;
    changeStatus = part;
    sendChangeMessage();
}

int ObjFXChainClass::findChainStart (int id) const
{
    return fxchain::findChainStart (bank.getRecord (id));
}

void ObjFXChainClass::decodeChain (int id)
{
    const auto decoded = fxchain::decode (bank.getRecord (id));
    unitPositions.clear();
    unitTypes.clear();
    unitSizes.clear();
    for (const auto& unit : decoded.units)
    {
        unitPositions.push_back (unit.position);
        unitTypes.push_back (unit.type);
        unitSizes.push_back (unit.size);
    }
    controlListPosition = decoded.controlListPosition;
}

int ObjFXChainClass::getControlListSize (int id)
{
    decodeChain (id);
    return fxchain::controlListSize (bank.getRecord (id), controlListPosition);
}

Bytes ObjFXChainClass::getControlBlock (int id)
{
    const auto record = bank.getRecord (id);
    const auto decoded = fxchain::decode (record);
    decodeChain (id);
    if (decoded.chainStart < 0)
        return {};
    return bytes::slice (record, decoded.controlListPosition, fxchain::controlListSize (record, decoded.controlListPosition));
}

void ObjFXChainClass::buildCategories()
{
    for (auto& list : categories)
        list.clear();

    for (int id = 0; id <= 8119; ++id)
    {
        if (! bank.exists (id))
            continue;
        decodeChain (id);
        if (getUnitCount() >= 16)
            continue;
        for (int i = 0; i < getUnitCount(); ++i)
            for (const int category : fxchain::categoriesOfCode (getUnitCode (i)))
                categories[(size_t) category - 1].push_back (id);
    }
    categoriesBuilt = true;
}

std::vector<int> ObjFXChainClass::getChainsInCategory (const std::string& name)
{
    if (! categoriesBuilt)
        buildCategories();
    for (int c = 1; c <= FX_CATEGORY_COUNT; ++c)
        if (fxCategoryName (c) == name)
            return categories[(size_t) c - 1];
    return {};
}
