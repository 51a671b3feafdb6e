#include "resources/FactoryBanks.h"

// Each generated bank is linked in as-is, between a start and an end label.
#define ZK7_EMBED(symbol, file)                                                  \
    __asm__ (".section .rodata\n"                                                \
             ".global " #symbol "_start\n"                                       \
             ".global " #symbol "_end\n"                                         \
             ".balign 16\n" #symbol "_start:\n"                                  \
             ".incbin \"" ZK7_BANK_DIR "/" file "\"\n" #symbol "_end:\n"         \
             ".byte 0\n"                                                         \
             ".previous\n");                                                     \
    extern "C" const uint8_t symbol##_start[];                                   \
    extern "C" const uint8_t symbol##_end[];

ZK7_EMBED (zk7_programs, "programs.bank")
ZK7_EMBED (zk7_multis, "multis.bank")
ZK7_EMBED (zk7_fxchains, "fxchains.bank")
ZK7_EMBED (zk7_keymaps, "keymaps.bank")
ZK7_EMBED (zk7_intonations, "intonations.bank")
ZK7_EMBED (zk7_shiftpatterns, "shiftpatterns.bank")
ZK7_EMBED (zk7_velocitypatterns, "velocitypatterns.bank")
ZK7_EMBED (zk7_arps, "arps.bank")

namespace
{
FactoryBank bankOf (const uint8_t* start, const uint8_t* end)
{
    return { start, (size_t) (end - start) };
}
}

FactoryBank factoryBank (int typeCode)
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
