#pragma once

#include "arrange/PlugBank.h"
#include "comms/MidiCntrState.h"

#include <juce_audio_processors/juce_audio_processors.h>

/** The arrangement state: the controller state and the bank of 64
    arrangements, whose "programs" are the arrangements. Its two state blocks
    are exactly the payloads of the arrangement files. Message thread only. */
class DaduRAAudioProcessor : public juce::AudioProcessor,
                             public juce::ChangeBroadcaster
{
public:
    static constexpr const char* BANK_TAG = "ZK7PluginBank";
    static constexpr const char* SINGLE_TAG = "ZK7PluginSettings";
    static constexpr const char* VERSION_TAG = "Version100";
    static constexpr int BANK_HEADER_SIZE = 23;
    static constexpr int SINGLE_HEADER_SIZE = 27;
    static constexpr int BANK_BLOCK_SIZE = BANK_HEADER_SIZE + ARRANGEMENT_BANK_SIZE;
    static constexpr int SINGLE_BLOCK_SIZE = SINGLE_HEADER_SIZE + ARRANGEMENT_RECORD_SIZE;

    /** Builds the controller state, reads the preset bank file (or the
        defaults) and opens the remembered MIDI ports. */
    DaduRAAudioProcessor (std::unique_ptr<MidiPortDriver> driver, std::unique_ptr<ObjectStore> store);
    /** Writes the preset bank file. */
    ~DaduRAAudioProcessor() override;

    MidiCntrState& getMidi() { return midi; }
    PlugBank& getBank() { return bank; }
    const juce::File& getPresetBankFile() const { return presetBankFile; }

    /** 0 none yet, 1 program mode, 2 multi mode. */
    int getInstrumentMode() const { return instrumentMode; }
    void setInstrumentMode (int mode);
    /** Sends the live mode, multi and sixteen programs to the instrument. */
    void sendArrangement();
    void setAndSend (int slot, int value);

    /** Host parameter access: the slot's value scaled to 0..1. */
    float getParameterValue (int slot) const;
    /** Host parameter access: the slot's value as its display code shows it. */
    juce::String getParameterValueText (int slot) const;

    //==============================================================================
    const juce::String getName() const override { return "Velmoran VST"; }
    int getNumPrograms() override { return ARRANGEMENT_COUNT; }
    int getCurrentProgram() override { return currentArrangement; }
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override { return bank.getRecordName (index); }
    void changeProgramName (int index, const juce::String& name) override;

    void getStateInformation (juce::MemoryBlock& block) override;
    void setStateInformation (const void* data, int size) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock& block) override;
    void setCurrentProgramStateInformation (const void* data, int size) override;

    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    using juce::AudioProcessor::processBlock;
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    bool hasEditor() const override { return false; }

private:
    void loadPresetBank();
    void savePresetBank();

    MidiCntrState midi;
    PlugBank bank;
    int currentArrangement = 0;
    int instrumentMode = 0;
    juce::File presetBankFile;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DaduRAAudioProcessor)
};
