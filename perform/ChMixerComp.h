#pragma once

#include "arrange/DaduRAAudioProcessor.h"
#include "widgets/CommandWord.h"
#include "widgets/Displays.h"
#include "widgets/NameSlot.h"

/** One channel's strip: FX chains, sends, pan, level fader, a level meter and
    the category of the channel's program. Its controls report to the mixer. */
class Mixer_Channel : public juce::Component,
                      public juce::ChangeBroadcaster
{
public:
    static constexpr int CONTROL_COUNT = 14;

    /** The strip's background is its rectangle of the mixer's page background. */
    Mixer_Channel (int channel, StsContListener& mixer, const juce::Image& pageBackground);

    int getChannel() const { return channel; }
    StsCont& control (int k) { return *controls[(size_t) k]; }
    /** The control's index k, or -1 when it belongs to another strip. */
    int indexOf (const StsCont* c) const;
    Vu_Meter meterDisplay;
    NameSlot category { NameSlot::SMALL, 0 };
    CommandQueue pending;

    void paint (juce::Graphics& g) override;

private:
    int channel;
    juce::Image background;
    std::array<std::unique_ptr<StsCont>, CONTROL_COUNT> controls;
};

/** The header row: one name slot per channel, showing its program's number
    and name; a click chooses that channel. */
class MixButt : public juce::Component
{
public:
    MixButt();
    NameSlot& slot (int channel) { return *slots[(size_t) channel]; }
    void paint (juce::Graphics& g) override;

private:
    std::array<std::unique_ptr<NameSlot>, 16> slots;
};

/** The channel mixer: sixteen strips under the header row. Gestures store
    the value and send it; values from the instrument or other pages arrive
    through showValue. Queues code 12 (make a channel current) for the main
    component. */
class ChMixerComp : public juce::Component,
                    public StsContListener,
                    public juce::ChangeListener,
                    public juce::ChangeBroadcaster
{
public:
    static constexpr int STRIP_PITCH = 61;
    static constexpr int HEADER_HEIGHT = 62;

    explicit ChMixerComp (DaduRAAudioProcessor& processor);

    /** (width - 974) / 2, never below 0. */
    static int leftMarginFor (int width) { return juce::jmax (0, (width - 974) / 2); }

    void refresh();
    void showValue (int slot, int value);
    void refreshStrip (int channel);
    void meter (int channel, int velocity);
    /** Shows the mixer; as a page of its own it is recorded in the page history,
        as the header row of the program page it is not. */
    void showMixer (bool asPage = true);
    void hideMixer();
    bool isShown() const { return isVisible(); }

    Mixer_Channel& strip (int channel) { return *strips[(size_t) channel]; }
    MixButt& getHeader() { return header; }
    CommandQueue pending;

    void valueReported (StsCont* control, juce::int64 message) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    void showProgram (int channel, int program);

    DaduRAAudioProcessor& processor;
    MidiCntrState& midi;
    /** 984 x 678, drawn once: every strip's background in its place, handed to the strips. */
    const juce::Image pageBackground;
    MixButt header;
    std::array<std::unique_ptr<Mixer_Channel>, 16> strips;
};
