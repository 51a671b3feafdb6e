// Painting the program grid over a whole bank while scrolling.
#include "browse/iPrgSelClass.h"
#include "comms/LibraryFiles.h"
#include "comms/ZK5Class.h"
#include "model/ObjectType.h"
#include "resources/FactoryBanks.h"
#include "widgets/Look.h"
#include "widgets/ProgramGrid.h"

#include <benchmark/benchmark.h>

namespace
{
void BM_PaintProgramGrid (benchmark::State& state)
{
    const auto factory = factoryBank (typeProgram);
    BankIndex bank;
    bank.build (typeProgram, Bytes (factory.data, factory.data + factory.size), 8191);

    StsGrid_Prg grid (&bank);
    grid.setSize (800, 43 * 14);
    grid.loadIds (BankIndex::LIST_ALL, 0);   // all 8192 IDs, empty ones included
    juce::Image canvas (juce::Image::ARGB, grid.getWidth(), grid.getHeight(), true);

    int top = 0;
    for (auto _ : state)
    {
        grid.scrollTo (top = (top + 97) % 8192);
        juce::Graphics g (canvas);
        grid.paintEntireComponent (g, false);
    }
    state.counters["rows"] = grid.getRowCount();
}
BENCHMARK (BM_PaintProgramGrid)->Unit (benchmark::kMicrosecond);

/** Switching the browser's category, bank or search text relists the whole program bank. */
void BM_BrowserRelist (benchmark::State& state)
{
    DaduRAAudioProcessor processor (nullptr, std::make_unique<ZK5Class> (library::folder()));
    iPrgSelClass browser (processor);
    int step = 0;
    for (auto _ : state)
    {
        switch (step++ % 4)
        {
            case 0: browser.setListMode (1 + step % 14, true); break;
            case 1: browser.setListMode (iPrgSelClass::ALL, false); break;
            case 2: browser.setSearchText (step % 8 == 2 ? "gra" : "pad"); break;
            default: browser.setSearchText ({}); break;
        }
        benchmark::DoNotOptimize (browser.getGrid().getRowCount());
    }
}
BENCHMARK (BM_BrowserRelist)->Unit (benchmark::kMicrosecond);
}

int main (int argc, char** argv)
{
    // The browser bench builds a whole arrangement state: keep its files out of the real documents.
    const auto home = juce::File::createTempFile ("zk7bench-home");
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);

    juce::ScopedJuceInitialiser_GUI juce;
    ScopedDefaultLook look;
    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    home.deleteRecursively();
    return 0;
}
