#pragma once

#include <cstddef>
#include <cstdint>

/** Links a file in as raw bytes between two labels, symbol_start and symbol_end. */
#define ZK7_EMBED(symbol, path)                                                  \
    __asm__ (".section .rodata\n"                                                \
             ".global " #symbol "_start\n"                                       \
             ".global " #symbol "_end\n"                                         \
             ".balign 16\n" #symbol "_start:\n"                                  \
             ".incbin \"" path "\"\n" #symbol "_end:\n"                          \
             ".byte 0\n"                                                         \
             ".previous\n");                                                     \
    extern "C" const uint8_t symbol##_start[];                                   \
    extern "C" const uint8_t symbol##_end[];
