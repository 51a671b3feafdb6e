#include "arrange/DaduRAAudioProcessor.h"
#include "arrange/ArrangementFiles.h"
#include "comms/LibraryFiles.h"

namespace
{
bool startsWith (const void* data, int size, const char* tag)
{
    const auto length = (int) std::strlen (tag);
    return data != nullptr && size >= length && std::memcmp (data, tag, (size_t) length) == 0;
}
}

DaduRAAudioProcessor::DaduRAAudioProcessor (std::unique_ptr<MidiPortDriver> driver, std::unique_ptr<ObjectStore> store)
    : midi (std::move (driver), std::move (store), library::folder()),
      presetBankFile (library::file (library::PRESET_BANK_FILE))
{
    loadPresetBank();
    midi.createPorts();
}

DaduRAAudioProcessor::~DaduRAAudioProcessor()
{
    savePresetBank();
}

void DaduRAAudioProcessor::loadPresetBank()
{
    const auto data = library::readWhole (presetBankFile);
    setStateInformation (data.getData(), (int) data.getSize());

    // A missing, foreign or short file still leaves all 64 arrangements.
    bank.fillDefaults();
}

void DaduRAAudioProcessor::savePresetBank()
{
    juce::MemoryBlock block;
    getStateInformation (block);
    library::writeAtomically (presetBankFile, block);
}

//==============================================================================
void DaduRAAudioProcessor::setInstrumentMode (int mode)
{
    midi.startHoldOff();
    instrumentMode = mode;
    setAndSend (slots::PLAYING_MODE, mode);
}

void DaduRAAudioProcessor::setAndSend (int slot, int value)
{
    midi.setValue (slot, value, true);
}

void DaduRAAudioProcessor::sendArrangement()
{
    if (midi.getValue (slots::PLAYING_MODE) == 0)
        midi.setValue (slots::PLAYING_MODE, 1, false);

    const int mode = midi.getValue (slots::PLAYING_MODE);
    if (mode == 1)
        setInstrumentMode (1);
    else if (mode == 2)
    {
        setInstrumentMode (2);
        setAndSend (slots::MULTI, midi.getValue (slots::MULTI));
    }

    for (int ch = 0; ch < slots::CHANNEL_COUNT; ++ch)
        setAndSend (slots::programSlot (ch), midi.getValue (slots::programSlot (ch)));

    midi.postState (state::word (state::REFRESH, 0, 0, 0));
}

float DaduRAAudioProcessor::getParameterValue (int slot) const
{
    const auto& table = midi.getSlots();
    if (! table.exists (slot))
        return 0.0f;

    const auto& info = table.info (slot);
    const int range = info.maximum - info.minimum;
    return range != 0 ? (float) (table.get (slot) - info.minimum) / (float) range : 0.0f;
}

juce::String DaduRAAudioProcessor::getParameterValueText (int slot) const
{
    const auto& table = midi.getSlots();
    if (! table.exists (slot))
        return {};

    // A program number shown as one value: its bank (the slot before) is the high part.
    const int code = table.info (slot).displayCode;
    const int value = code == 2102 ? table.get (slot - 1) * 128 + table.get (slot) : table.get (slot);
    return midi.formatValue (value, code);
}

//==============================================================================
void DaduRAAudioProcessor::setCurrentProgram (int index)
{
    if (! juce::isPositiveAndBelow (index, ARRANGEMENT_COUNT))
        return;

    currentArrangement = index;
    bank.applyRecord (bank.getRecord (index), midi.getSlots());
    sendArrangement();
}

void DaduRAAudioProcessor::changeProgramName (int index, const juce::String& name)
{
    if (! juce::isPositiveAndBelow (index, ARRANGEMENT_COUNT))
        return;

    bank.setRecordName (index, name);
    currentArrangement = index;
}

void DaduRAAudioProcessor::getStateInformation (juce::MemoryBlock& block)
{
    std::vector<ArrangementRecord> records;
    for (int i = 0; i < ARRANGEMENT_COUNT; ++i)
        records.push_back (bank.getRecord (i));
    block = arrfiles::bankBlock (records);
}

void DaduRAAudioProcessor::setStateInformation (const void* data, int size)
{
    if (! startsWith (data, size, BANK_TAG) || size < BANK_HEADER_SIZE)
        return;

    bank.loadRecords (static_cast<const char*> (data) + BANK_HEADER_SIZE, (size_t) (size - BANK_HEADER_SIZE));
}

void DaduRAAudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& block)
{
    block = arrfiles::singleBlock (bank.captureRecord (midi.getSlots(), currentArrangement, bank.getRecordName (currentArrangement)));
}

void DaduRAAudioProcessor::setCurrentProgramStateInformation (const void* data, int size)
{
    // A block too short to hold a whole record is ignored like a foreign one.
    if (! startsWith (data, size, SINGLE_TAG) || size < SINGLE_BLOCK_SIZE)
        return;

    const juce::MemoryBlock record (static_cast<const char*> (data) + SINGLE_HEADER_SIZE, ARRANGEMENT_RECORD_SIZE);
    bank.applyRecord (ArrangementRecord (record), midi.getSlots());
    sendArrangement();
}
