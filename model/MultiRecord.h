#pragma once

#include "model/Bytes.h"

/** The layout of a multi record and of its zone blocks. */
namespace multi
{
constexpr int NAME_PART_START = 23, NAME_PART_SIZE = 45;
constexpr int MAIN_PART_START = 68, MAIN_PART_SIZE = 394;
constexpr int SHORT_MAIN_PART_START = 50, SHORT_MAIN_PART_SIZE = 319;
constexpr int COMMON_SIZE = 462;
constexpr int ZONE_COUNT = 67, SHORT_ZONE_COUNT = 49;
constexpr int MAX_ZONES = 16;
/** The multi tempo in the multi object's field access (element, number). */
constexpr int TEMPO_GROUP = 4, TEMPO_FIELD = 100;
constexpr int MIN_WALK_SIZE = 1000;

/** Where the parts of one zone block lie, found by walking it from its start. */
struct ZoneLayout
{
    long start = 0, end = 0;
    long list1 = 0, list1Count = 0, list1First = 0;
    long list2 = 0, list2Count = 0, list2First = 0;
    long text = 0, block44 = 0, block8 = 0, entryList = 0;
};

/** Walks a zone that begins at start; positions may lie past the data when
    its counts say so (reads there give 0). Huge counts stop at the data's end. */
ZoneLayout walkZone (const Bytes& data, long start);

/** Where a value of an address lives: position, width in bits and signedness. */
struct FieldPlace
{
    long position = -1;
    int width = 8;
    bool isSigned = false;
    bool readOnly = false;
};

int readPlace (const Bytes& data, const FieldPlace& place);
/** One byte (the value's low 8 bits), or all 16/32 bits when wholeWidth. */
void writePlace (Bytes& data, const FieldPlace& place, int value, bool wholeWidth);

/** The number an element's parameter number stands for in the common part. */
int raisedNumber (int element, int number, bool forWrite);

/** The common-part field of an element code and number; position -1 when none. */
FieldPlace commonPlace (bool fullLayout, int element, int number, bool forWrite);

/** Elements served by the common part. */
bool isCommonElement (int element);
/** Elements served by the addressed zone. */
bool isZoneElement (int element);

/** A zone field; wholeWidth tells whether a write stores all its bits. */
FieldPlace zonePlace (const Bytes& zone, const ZoneLayout& layout, bool fullLayout, int element, int number, bool& wholeWidth);
}
