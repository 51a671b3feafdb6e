// The protocol codec and the transfer engine against the virtual instrument.
#include "comms/MidiCntrState.h"
#include "comms/VirtualInstrument.h"
#include "comms/ZK5Class.h"

#include <benchmark/benchmark.h>

// The editor's own message loop blocks until the next event; runDispatchLoopUntil
// sleeps a millisecond when idle, which would be measured as engine latency.
// This is the function JUCE's main loop calls for each message.
namespace juce { bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages); }

namespace
{
void BM_Pack (benchmark::State& state)
{
    Bytes data ((size_t) state.range (0));
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (uint8_t) (i * 31);
    for (auto _ : state)
        benchmark::DoNotOptimize (protocol::pack (data));
    state.SetBytesProcessed (state.iterations() * state.range (0));
}
BENCHMARK (BM_Pack)->Arg (4096)->Arg (1 << 20);

void BM_Unpack (benchmark::State& state)
{
    Bytes data ((size_t) state.range (0));
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (uint8_t) (i * 31);
    const auto packed = protocol::pack (data);
    for (auto _ : state)
        benchmark::DoNotOptimize (protocol::unpack (packed));
    state.SetBytesProcessed (state.iterations() * state.range (0));
}
BENCHMARK (BM_Unpack)->Arg (4096)->Arg (1 << 20);

/** A controller state with its store, wired to the virtual instrument. */
struct Rig
{
    Rig()
        : folder (juce::File::createTempFile ("zk7bench")),
          midi (makeDriver(), std::make_unique<ZK5Class> (folder), folder)
    {
        midi.createPorts();
        midi.getPorts()->selectInput (1);
        midi.getPorts()->selectOutput (1);
    }

    ~Rig() { folder.deleteRecursively(); }

    std::unique_ptr<MidiPortDriver> makeDriver()
    {
        auto driver = std::make_unique<MidiDriverWithVirtualInstrument> (nullptr);
        instrument = &driver->getVirtualInstrument();
        return driver;
    }

    FIFO_Class& transfer() { return dynamic_cast<ZK5Class&> (*midi.getObjectStore()).transfer; }

    /** Receives a range and returns the seconds it took. */
    double receive (int first, int last)
    {
        const auto start = juce::Time::getMillisecondCounterHiRes();
        transfer().startRange (typeProgram, first, last, false);
        while (transfer().isBusy())
            juce::dispatchNextMessageOnSystemQueue (false);
        return (juce::Time::getMillisecondCounterHiRes() - start) / 1000.0;
    }

    juce::File folder;
    VirtualInstrument* instrument = nullptr;
    MidiCntrState midi;
};

/** The engine's own cost: the whole factory program bank with no wire limit. */
void BM_ReceiveProgramBank (benchmark::State& state)
{
    Rig rig;
    for (auto _ : state)
    {
        rig.receive (1, 1136);
        benchmark::DoNotOptimize (rig.transfer().getStoredCount());
    }
    state.counters["objects/s"] = benchmark::Counter ((double) state.iterations() * 1136, benchmark::Counter::kIsRate);
}
BENCHMARK (BM_ReceiveProgramBank)->Unit (benchmark::kMillisecond)->Iterations (3)->UseRealTime();

/** At a USB-MIDI rate: how much longer than the bare wire time the transfer takes. */
void BM_ReceiveAtUsbRate (benchmark::State& state)
{
    Rig rig;
    rig.instrument->setWireRate (VirtualInstrument::USB_BYTES_PER_SECOND);
    double overhead = 0;
    for (auto _ : state)
    {
        const auto sentBefore = rig.instrument->getBytesSent();
        const double seconds = rig.receive (1, 30);
        const double wireSeconds = (double) (rig.instrument->getBytesSent() - sentBefore) / VirtualInstrument::USB_BYTES_PER_SECOND;
        overhead = (seconds - wireSeconds) / wireSeconds * 100.0;
    }
    state.counters["overhead_%"] = overhead;
}
BENCHMARK (BM_ReceiveAtUsbRate)->Unit (benchmark::kMillisecond)->Iterations (1)->UseRealTime();
}

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
