#include "model/FxChainRecord.h"

namespace fxchain
{
namespace
{
struct CodeRange
{
    int first, last;
    const char* code;
};

const CodeRange effectCodes[] = {
    { 1, 2, "Rvrb" }, { 3, 3, "GRvb" }, { 4, 15, "Rvrb" }, { 50, 52, "RvCm" }, { 53, 55, "Vocl" }, { 56, 56, "RvCm" },
    { 100, 103, "Lvrb" }, { 104, 104, "GLvb" }, { 105, 106, "DlyR" }, { 150, 156, "Dly " }, { 170, 174, "Dly " },
    { 190, 192, "Dly " }, { 200, 203, "Chor" }, { 225, 227, "Flng" }, { 250, 251, "Phsr" }, { 253, 259, "Phsr" },
    { 270, 272, "Trem" }, { 275, 278, "Pan " }, { 280, 282, "Ster" }, { 284, 284, "Filt" }, { 285, 285, "Guit" },
    { 290, 296, "TW3 " }, { 297, 297, "Roto" }, { 298, 298, "TW3a" }, { 299, 299, "TW3b" }, { 300, 305, "Dist" },
    { 306, 307, "Shpr" }, { 308, 308, "QntA" }, { 309, 309, "QntF" }, { 310, 316, "Guit" }, { 317, 317, "DstC" },
    { 318, 318, "DstF" }, { 319, 319, "DstC" }, { 320, 320, "DstF" }, { 321, 321, "FShp" }, { 322, 322, "ShpR" },
    { 323, 323, "Dist" }, { 327, 327, "Guit" }, { 330, 337, "Cmpr" }, { 340, 340, "Expd" }, { 341, 342, "CmpX" },
    { 343, 344, "Gate" }, { 345, 345, "Cmpr" }, { 347, 348, "Cmpr" }, { 350, 354, "EQ  " }, { 360, 368, "Filt" },
    { 370, 371, "Enhc" }, { 372, 373, "Stim" }, { 374, 375, "Expd" }, { 380, 380, "RMod" }, { 381, 382, "Pchr" },
    { 383, 383, "PchR" }, { 384, 384, "FPch" }, { 385, 386, "Freq" }, { 387, 387, "PLFO" }, { 388, 389, "Mod " },
    { 390, 390, "Kaos" }, { 392, 396, "Snth" }, { 400, 402, "CDly" }, { 405, 407, "CDly" }, { 420, 422, "CDly" },
    { 425, 427, "CDly" }, { 403, 403, "CDRv" }, { 408, 408, "CDRv" }, { 423, 423, "CDRv" }, { 428, 428, "CDRv" },
    { 404, 404, "CRvb" }, { 409, 412, "PchC" }, { 429, 430, "PchC" }, { 450, 452, "FDly" }, { 455, 457, "FDly" },
    { 470, 472, "FDly" }, { 475, 477, "FDly" }, { 453, 453, "FDRv" }, { 458, 458, "FDRv" }, { 473, 473, "FDRv" },
    { 478, 478, "FDRv" }, { 454, 454, "FRvb" }, { 459, 461, "PchF" }, { 479, 480, "PchF" }, { 498, 499, "Util" },
    { 500, 502, "TDst" }, { 580, 580, "TW3a" }, { 600, 600, "Reso" },
};

enum { REVERB = 1, CHORUS, FLANGER, PHASER, TREMOLO, PANNER, ORGAN, DELAY, ECHO, DISTORTION, COMPRESSOR,
       ENHANCER, FILTER, DRUMS, PITCHER, GUITAR, EQ };

struct CodeCategories
{
    const char* codes[4];
    std::vector<int> categories;
};

const CodeCategories codeCategories[] = {
    { { "Rvrb", "GRvb", "Lvrb", "RMod" }, { REVERB } },
    { { "CRvb", "CDRv" }, { CHORUS, REVERB } },
    { { "Dly ", "FDly" }, { DELAY } },
    { { "DlyR" }, { REVERB, DELAY } },
    { { "Chor" }, { CHORUS } },
    { { "CDly" }, { CHORUS, DELAY } },
    { { "Flng", "PchF", "FShp" }, { FLANGER } },
    { { "FRvb", "FDRv" }, { FLANGER, REVERB } },
    { { "Phsr", "PLFO" }, { PHASER } },
    { { "Trem" }, { TREMOLO } },
    { { "Pan ", "Ster" }, { PANNER } },
    { { "TW3 ", "TW3a", "TW3b" }, { ORGAN } },
    { { "Dist", "Kaos" }, { DISTORTION } },
    { { "DstC" }, { DISTORTION, CHORUS } },
    { { "Cmpr", "CmpX" }, { COMPRESSOR } },
    { { "RvCm" }, { REVERB, COMPRESSOR } },
    { { "Enhc" }, { ENHANCER } },
    { { "Filt" }, { FILTER } },
    { { "Freq" }, { PITCHER } },
    { { "PchC", "Pchr" }, { PITCHER, CHORUS } },
    { { "GLvb", "Guit" }, { GUITAR } },
    { { "EQ  " }, { EQ } },
};
}

std::string effectCode (int typeId)
{
    for (const auto& range : effectCodes)
        if (typeId >= range.first && typeId <= range.last)
            return range.code;
    return "    ";
}

std::vector<int> categoriesOfCode (const std::string& code)
{
    for (const auto& entry : codeCategories)
        for (const char* c : entry.codes)
            if (c != nullptr && code == c)
                return entry.categories;
    return {};
}

int findChainStart (const Bytes& record)
{
    if (record.empty())
        return -1;
    for (int k = 20; k <= 59; ++k)
        if (bytes::u8 (record, k) == 0x14 && bytes::u8 (record, k - 1) == 0 && bytes::u8 (record, k - 2) == 0)
            return k;
    return -1;
}

Decoded decode (const Bytes& record)
{
    Decoded d;
    d.chainStart = findChainStart (record);
    if (d.chainStart < 0)
        return d;

    const int n = bytes::s8 (record, d.chainStart + 349);
    long p = d.chainStart + 350;
    for (int i = 0; i < n && p < (long) record.size(); ++i)
    {
        const int size = 8 + 2 * bytes::u16 (record, p + 6);
        d.units.push_back ({ (int) p, bytes::u16 (record, p), size });
        p += size;
    }
    d.controlListPosition = (int) p;
    return d;
}

int controlListSize (const Bytes& record, int position)
{
    const int count = bytes::u8 (record, (long) position + 3);
    long size = 4;
    for (int i = 0; i < count && position + size < (long) record.size(); ++i)
        size += 8 + bytes::u8 (record, position + size + 7);
    return (int) size;
}
}
