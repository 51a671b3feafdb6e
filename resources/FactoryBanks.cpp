#include "resources/FactoryBanks.h"

#include "resources/Embed.h"

ZK7_EMBED (zk7_programs, ZK7_BANK_DIR "/programs.bank")
ZK7_EMBED (zk7_multis, ZK7_BANK_DIR "/multis.bank")
ZK7_EMBED (zk7_fxchains, ZK7_BANK_DIR "/fxchains.bank")
ZK7_EMBED (zk7_keymaps, ZK7_BANK_DIR "/keymaps.bank")
ZK7_EMBED (zk7_intonations, ZK7_BANK_DIR "/intonations.bank")
ZK7_EMBED (zk7_shiftpatterns, ZK7_BANK_DIR "/shiftpatterns.bank")
ZK7_EMBED (zk7_velocitypatterns, ZK7_BANK_DIR "/velocitypatterns.bank")
ZK7_EMBED (zk7_arps, ZK7_BANK_DIR "/arps.bank")

namespace
{
EmbeddedData bankOf (const uint8_t* start, const uint8_t* end)
{
    return { start, (size_t) (end - start) };
}
}

EmbeddedData factoryBank (int typeCode)
{
    switch (typeCode)
    {
        case 138: return bankOf (zk7_programs_start, zk7_programs_end);
        case 155: return bankOf (zk7_multis_start, zk7_multis_end);
        case 156: return bankOf (zk7_fxchains_start, zk7_fxchains_end);
        case 133: return bankOf (zk7_keymaps_start, zk7_keymaps_end);
        case 103: return bankOf (zk7_intonations_start, zk7_intonations_end);
        case 163: return bankOf (zk7_shiftpatterns_start, zk7_shiftpatterns_end);
        case 164: return bankOf (zk7_velocitypatterns_start, zk7_velocitypatterns_end);
        case 168: return bankOf (zk7_arps_start, zk7_arps_end);
        default: return { nullptr, 0 };
    }
}
