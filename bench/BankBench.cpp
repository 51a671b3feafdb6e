// Bank indexing and library loading: what start-up costs.
#include "comms/LibraryFiles.h"
#include "comms/ZK5Class.h"
#include "model/BankStream.h"
#include "resources/FactoryBanks.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace
{
Bytes factory (int type)
{
    const auto bank = factoryBank (type);
    return Bytes (bank.data, bank.data + bank.size);
}

/** The eight factory banks, as start-up reads them. */
struct FactoryStreams
{
    FactoryStreams()
    {
        for (const int type : loadedTypes)
        {
            streams.emplace_back (type, factory (type));
            total += (int64_t) streams.back().second.size();
        }
    }
    std::vector<std::pair<int, Bytes>> streams;
    int64_t total = 0;
};

/** All eight banks indexed from the data carried in the program. The copy
    each build takes of its stream is made outside the timing (start-up hands
    the bank its file's bytes), and so is freeing the banks again. */
void BM_BuildAllFactoryBanks (benchmark::State& state)
{
    const FactoryStreams factoryStreams;
    for (auto _ : state)
    {
        state.PauseTiming();
        auto copies = factoryStreams.streams;
        std::vector<BankIndex> banks (copies.size());
        state.ResumeTiming();
        for (size_t i = 0; i < copies.size(); ++i)
        {
            banks[i].build (copies[i].first, std::move (copies[i].second), objectTypeInfo (copies[i].first)->maxId);
            benchmark::DoNotOptimize (banks[i].getSlotCount());
        }
        state.PauseTiming();   // start-up keeps its banks: freeing them is not part of indexing
        banks.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed (state.iterations() * factoryStreams.total);
}
BENCHMARK (BM_BuildAllFactoryBanks)->Unit (benchmark::kMillisecond);

/** The floor for the index: one memmem pass over the same banks for a record
    opener that is not there, so every byte is looked at once. */
void BM_MemmemFloorAllFactoryBanks (benchmark::State& state)
{
    const FactoryStreams factoryStreams;
    for (auto _ : state)
        for (const auto& [type, stream] : factoryStreams.streams)
        {
            const auto* info = objectTypeInfo (type);
            const auto absent = std::string (info->bankTag) + info->recordWord + ">9999";
            benchmark::DoNotOptimize (memmem (stream.data(), stream.size(), absent.data(), absent.size()));
        }
    state.SetBytesProcessed (state.iterations() * factoryStreams.total);
}
BENCHMARK (BM_MemmemFloorAllFactoryBanks)->Unit (benchmark::kMillisecond);

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
