#pragma once

#include <cstddef>
#include <cstdint>

/** Bytes carried inside the program (a factory bank stream, a font). */
struct EmbeddedData
{
    const uint8_t* data;
    size_t size;
};

/** The factory bank of a type; an empty bank for types without one. */
EmbeddedData factoryBank (int typeCode);
