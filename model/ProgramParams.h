#pragma once

#include "comms/MidiProtocol.h"
#include "model/Bytes.h"

#include <optional>

/** Where the program parameters the editors send live in a program record,
    and how a packed byte is put together. The editor's controller state and
    the virtual instrument both apply a received parameter change through
    this one map, so what the program mirrors is what the instrument stores. */
namespace program::param
{
/** Bit roles of a control: which part of a packed byte it edits, or how its value is sent. */
enum Role { NONE = 0, NEGATED = 6 };

/** A byte or big-endian word of the common part (layer -1) or of one layer's block. */
struct Place
{
    int layer = -1;
    int offset = 0;
    int width = 8;
    bool isSigned = false;
    bool packed = false;   // flags or fields share the byte; a change sends the whole byte
};

/** Where the value of a level 1 (program) or level 2 (layer) address lands; nothing for any other address. */
std::optional<Place> placeOf (const protocol::ParamAddress& address);

/** The bits of a packed byte one control edits: by the address's byte and the control's bit role. */
struct Bits
{
    int first = 0, count = 8;
};
Bits packedBits (const protocol::ParamAddress& address, int role);

/** The whole byte a packed edit sends: the current byte with the control's bits replaced by the value. */
int packedByte (int currentByte, const protocol::ParamAddress& address, int role, int value);
/** The control's value inside a packed byte. */
int unpackedValue (int wholeByte, const protocol::ParamAddress& address, int role);

/** A place inside a whole program record (layers at their offsets); -1 for a layer past the last one. */
long recordOffset (const Place& place);
int read (const Bytes& block, long offset, const Place& place);
void write (Bytes& block, long offset, const Place& place, int value);

/** Applies a received parameter change to a whole program record, as the instrument stores it. */
bool applyToRecord (Bytes& record, const protocol::ParamAddress& address, int value);
}
