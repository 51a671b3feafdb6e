// Painting the program grid over a whole bank while scrolling.
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
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    ScopedDefaultLook look;
    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
