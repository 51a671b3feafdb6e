// Bank indexing and library loading: what start-up costs.
#include "comms/LibraryFiles.h"
#include "comms/ZK5Class.h"
#include "model/BankStream.h"
#include "resources/FactoryBanks.h"

#include <benchmark/benchmark.h>

namespace
{
Bytes factory (int type)
{
    const auto bank = factoryBank (type);
    return Bytes (bank.data, bank.data + bank.size);
}

/** All eight banks indexed from the data carried in the program. */
void BM_BuildAllFactoryBanks (benchmark::State& state)
{
    std::vector<std::pair<int, Bytes>> streams;
    int64_t total = 0;
    for (const int type : loadedTypes)
    {
        streams.emplace_back (type, factory (type));
        total += (int64_t) streams.back().second.size();
    }

    for (auto _ : state)
        for (const auto& [type, stream] : streams)
        {
            BankIndex index;
            index.build (type, stream, objectTypeInfo (type)->maxId);
            benchmark::DoNotOptimize (index.getSlotCount());
        }
    state.SetBytesProcessed (state.iterations() * total);
}
BENCHMARK (BM_BuildAllFactoryBanks)->Unit (benchmark::kMillisecond);

/** Storing a received program into the middle of the program bank. */
void BM_ReplaceProgramRecord (benchmark::State& state)
{
    BankIndex programs;
    programs.build (typeProgram, factory (typeProgram), 8191);
    const auto a = programs.getRecord (500), b = programs.getRecord (501);
    bool flip = false;
    for (auto _ : state)
    {
        programs.replaceRecord (500, flip ? a : b);
        flip = ! flip;
    }
}
BENCHMARK (BM_ReplaceProgramRecord)->Unit (benchmark::kMicrosecond);

/** Start-up as the program does it: eight library files read and indexed. */
void BM_LoadLibraryFromDisk (benchmark::State& state)
{
    const auto folder = juce::File::createTempFile ("zk7bench");
    folder.createDirectory();
    ZK5Class writer (folder);
    writer.loadBanks();
    writer.saveBanks();

    for (auto _ : state)
    {
        ZK5Class store (folder);
        store.loadBanks();
        benchmark::DoNotOptimize (store.programs.exists (1));
    }
    folder.deleteRecursively();
}
BENCHMARK (BM_LoadLibraryFromDisk)->Unit (benchmark::kMillisecond);
}

BENCHMARK_MAIN();
