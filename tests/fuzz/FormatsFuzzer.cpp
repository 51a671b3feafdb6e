// libFuzzer entry: every reader of untrusted bytes, fed whatever the fuzzer makes.
// The first byte picks the reader; the rest is the data.

#include "comms/SysExAssembler.h"
#include "model/BankIndex.h"
#include "model/FxChainRecord.h"
#include "model/MultiRecord.h"
#include "model/ObjectType.h"
#include "model/ProgramRecord.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const Bytes input (data + 1, data + size);
    volatile size_t sink = 0;

    switch (data[0] % 5)
    {
        case 0:
        {
            // Pieces of MIDI input, split where the data says.
            SysExAssembler assembler;
            for (size_t p = 0; p < input.size();)
            {
                const size_t piece = 1 + input[p] % 64;
                const size_t n = std::min (piece, input.size() - p);
                if (auto message = assembler.add (input.data() + p, n))
                    sink += protocol::unpack (*message).size();
                p += n;
            }
            break;
        }
        case 1:
            sink += program::controllerNames (input).size() + program::assignments (input).size();
            sink += (size_t) program::getField (input, program::Field::aux2Chain);
            break;
        case 2:
        {
            const auto layout = multi::walkZone (input, 0);
            for (const int element : { 43, 35, 37, 39, 470 })
                for (int number = 0; number < 300; number += 7)
                {
                    bool whole = false;
                    sink += (size_t) multi::readPlace (input, multi::zonePlace (input, layout, number % 2 == 0, element, number, whole));
                }
            break;
        }
        case 3:
        {
            const auto decoded = fxchain::decode (input);
            sink += decoded.units.size() + (size_t) fxchain::controlListSize (input, decoded.controlListPosition);
            break;
        }
        default:
        {
            BankIndex bank;
            bank.build (typeArp, input, 8191);
            for (const int id : bank.listIds (BankIndex::LIST_EXISTING, 0))
                sink += bank.getName (id).size() + bank.getRecord (id).size() + bank.getArpKindText (id).size();
            break;
        }
    }
    (void) sink;
    return 0;
}
