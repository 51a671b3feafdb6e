#pragma once

#include "model/BankIndex.h"
#include "model/ObjectType.h"

#include <fstream>
#include <iterator>

/** The generated factory bank of a type, read from the build's factory folder. */
inline Bytes factoryBankFile (int typeCode)
{
    std::ifstream in (std::string (ZK7_FACTORY_DIR) + "/" + objectTypeInfo (typeCode)->cliName + ".bank", std::ios::binary);
    return Bytes (std::istreambuf_iterator<char> (in), std::istreambuf_iterator<char>());
}

inline BankIndex factoryIndex (int typeCode)
{
    BankIndex index;
    index.build (typeCode, factoryBankFile (typeCode), objectTypeInfo (typeCode)->maxId);
    return index;
}
