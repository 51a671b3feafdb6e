#pragma once

#include "comms/MidiProtocol.h"
#include "model/ProgramObjects.h"

#include <array>
#include <functional>
#include <string>

/** What the controller state asks of the object store: the banks, the
    channels' program edit objects and the decoding of instrument replies.
    Called on the message thread only. */
class ObjectStore
{
public:
    virtual ~ObjectStore() = default;

    /** How the store puts its requests on the wire. */
    virtual void setSender (std::function<void (const protocol::Bytes&)> sender) = 0;

    /** Loads the banks from the library folder, or the factory banks. */
    virtual void loadBanks() = 0;
    /** Writes every bank (and the favourites) to the library folder. */
    virtual void saveBanks() = 0;

    /** Loads a program from the program bank into the channel's program edit
        object and returns its insert, aux 1 and aux 2 FX chain numbers. */
    virtual std::array<int, 3> loadChannelProgram (int channel, int program) = 0;
    /** Writes the three FX chain numbers into the channel's program edit object. */
    virtual void setChannelFxChains (int channel, const std::array<int, 3>& chains) = 0;

    /** An instrument message (without its leading 0xF0) for the edit-buffer decoder. */
    virtual void receiveEditBuffer (const protocol::Bytes& message) = 0;
    /** The program each channel plays according to the last global block 3. */
    virtual std::array<int, 16> channelProgramsOfGlobalBlock() const = 0;
    /** The name of an object in its bank; empty when there is none. */
    virtual std::string objectName (int typeCode, int id) const = 0;
    /** An instrument message (without its leading 0xF0) for a running transfer. */
    virtual void receiveTransfer (const protocol::Bytes& message) = 0;

    /** The mirror of a channel's program edit buffer; nullptr when the store keeps none. */
    virtual ObjProgramEditClass* programEdit (int /*channel*/) { return nullptr; }
    /** The tempo the multi being edited stores, in beats per minute; 0 when it stores none. */
    virtual int multiTempo() const { return 0; }
};
