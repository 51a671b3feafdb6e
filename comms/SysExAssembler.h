#pragma once

#include "comms/MidiProtocol.h"

#include <optional>

/** Collects a System Exclusive message that may arrive in pieces. A new 0xF0
    starts over; pieces without a start are ignored; a message longer than
    any the protocol uses is dropped, so junk never grows the buffer. */
class SysExAssembler
{
public:
    static constexpr size_t MAX_SIZE = 1 << 20;

    /** Adds a piece; returns the message once it ends with 0xF7. */
    std::optional<protocol::Bytes> add (const uint8_t* data, size_t size)
    {
        if (size == 0)
            return std::nullopt;
        if (data[0] == protocol::SYSEX_START)
            buffer.assign (data, data + size);
        else if (! buffer.empty())
            buffer.insert (buffer.end(), data, data + size);
        else
            return std::nullopt;

        if (buffer.size() > MAX_SIZE)
        {
            buffer.clear();
            return std::nullopt;
        }
        if (buffer.back() != protocol::SYSEX_END)
            return std::nullopt;

        protocol::Bytes complete;
        complete.swap (buffer);
        return complete;
    }

    /** Hands over whatever was collected, complete or not. */
    protocol::Bytes takePartial()
    {
        protocol::Bytes partial;
        partial.swap (buffer);
        return partial;
    }

    void clear() { buffer.clear(); }

private:
    protocol::Bytes buffer;
};
