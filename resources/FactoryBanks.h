#pragma once

#include <cstddef>
#include <cstdint>

/** A factory bank carried inside the program: one complete bank stream. */
struct FactoryBank
{
    const uint8_t* data;
    size_t size;
};

/** The factory bank of a type; an empty bank for types without one. */
FactoryBank factoryBank (int typeCode);
