#include "perform/ChMixerComp.h"
#include "app/PageCodes.h"
#include "comms/ZK5Class.h"
#include "model/ObjectType.h"

namespace
{
struct StripControl
{
    const char* label;
    int x, y, w, h, min, max, style;
};

// Indexed by the channel-block index k; negative x keeps a control off the strip.
constexpr StripControl stripControls[Mixer_Channel::CONTROL_COUNT] = {
    { "Insert", 2, 6, 54, 26, 1, 2048, StsCont::NAME },
    { "", -100, 44, 34, 11, 0, 1, StsCont::DIM },
    { "", -100, 68, 14, 8, 0, 1, StsCont::PICTURE_TOGGLE },
    { "Aux 1", 2, 48, 54, 26, 1, 2048, StsCont::NAME },
    { "", 2, 84, 54, 60, 0, 120, StsCont::KNOB },
    { "", -100, 144, 34, 11, 0, 1, StsCont::DIM },
    { "Aux 2", 2, 156, 54, 26, 1, 2048, StsCont::NAME },
    { "", 2, 192, 54, 60, 0, 120, StsCont::KNOB },
    { "", -100, 252, 34, 11, 0, 1, StsCont::DIM },
    { "Pan", 2, 264, 54, 76, -64, 64, StsCont::KNOB },
    { "", 12, 370, 40, 180, -96, 24, StsCont::FADER },
    { "", -100, -100, 10, 10, 0, 2560, StsCont::FIELD },
    { "", -100, 334, 30, 14, 0, 1, StsCont::SWITCH },
    { "", -100, 354, 30, 14, 0, 1, StsCont::SWITCH },
};

bool isFxChainField (int k)
{
    return k == slots::INSERT_FX_CHAIN || k == slots::AUX1_FX_CHAIN || k == slots::AUX2_FX_CHAIN;
}

/** A strip's background: dividers and the "Level" caption. */
juce::Image drawStripBackground()
{
    juce::Image image (juce::Image::ARGB, 58, 564, true);
    juce::Graphics g (image);
    g.fillAll (juce::Colour (0xFF1B1D20));
    g.setColour (juce::Colour (0xFF5B5B5B));
    g.drawVerticalLine (57, 0.0f, 564.0f);
    g.setColour (juce::Colour (StsCont::LABEL_COLOUR));
    g.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain));
    g.drawText ("Level", 0, 354, 58, 16, juce::Justification::centred, false);
    return image;
}

/** The page background: every strip's background in its place (the header row paints its own divider). */
juce::Image drawPageBackground (const juce::Image& strip)
{
    juce::Image image (juce::Image::ARGB, 984, 678, true);
    juce::Graphics g (image);
    g.fillAll (juce::Colour (0xFF141618));
    for (int i = 0; i < 16; ++i)
        g.drawImageAt (strip, ChMixerComp::STRIP_PITCH * i, ChMixerComp::HEADER_HEIGHT);
    return image;
}
}

//==============================================================================
Mixer_Channel::Mixer_Channel (int ch, StsContListener& mixer, const juce::Image& pageBackground) : channel (ch)
{
    // Drawn once: the strip and every control on it paint from this picture, not live.
    background = pageBackground.getClippedImage ({ ChMixerComp::STRIP_PITCH * ch, ChMixerComp::HEADER_HEIGHT, 58, 564 });
    for (int k = 0; k < CONTROL_COUNT; ++k)
    {
        const auto& c = stripControls[k];
        auto control = std::make_unique<StsCont>();
        control->configure (k, c.label, c.x, c.y, c.w, c.h, c.min, c.max, c.style);
        control->setIds (k, 0, channel);
        control->addListener (&mixer);
        if (k == slots::PAN)
            control->knobPicture = pictures::Id::knobStripAlt;
        control->takeBackground (background);
        addAndMakeVisible (*control);
        controls[(size_t) k] = std::move (control);
    }
    meterDisplay.setBounds (8, 392, 5, 109);
    addAndMakeVisible (meterDisplay);
    category.setBounds (0, 547, 58, 16);
    category.setInterceptsMouseClicks (false, false);
    addAndMakeVisible (category);
    setSize (58, 564);
}

int Mixer_Channel::indexOf (const StsCont* c) const
{
    for (int k = 0; k < CONTROL_COUNT; ++k)
        if (controls[(size_t) k].get() == c)
            return k;
    return -1;
}

void Mixer_Channel::paint (juce::Graphics& g)
{
    g.drawImageAt (background, 0, 0);
}

//==============================================================================
MixButt::MixButt()
{
    for (int i = 0; i < 16; ++i)
    {
        slots[(size_t) i] = std::make_unique<NameSlot> (NameSlot::FULL, i);
        slots[(size_t) i]->setBounds (ChMixerComp::STRIP_PITCH * i, 18, 58, 44);
        addAndMakeVisible (*slots[(size_t) i]);
    }
}

void MixButt::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xFFCCCCCC));
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    for (int i = 1; i <= 16; ++i)
        g.drawText ("Chn. " + juce::String (i), ChMixerComp::STRIP_PITCH * (i - 1), 2, 58, 14, juce::Justification::centred, false);
    g.setColour (juce::Colour (0xFF5B5B5B));
    g.drawHorizontalLine (getHeight() - 1, 0.0f, (float) getWidth());
}

//==============================================================================
ChMixerComp::ChMixerComp (DaduRAAudioProcessor& p)
    : processor (p), midi (p.getMidi()), pageBackground (drawPageBackground (drawStripBackground()))
{
    addAndMakeVisible (header);
    for (int i = 0; i < 16; ++i)
    {
        header.slot (i).addChangeListener (this);
        strips[(size_t) i] = std::make_unique<Mixer_Channel> (i, *this, pageBackground);
        addAndMakeVisible (*strips[(size_t) i]);
    }
    setSize (944, 678);
    refresh();
}

void ChMixerComp::resized()
{
    const int leftMargin = leftMarginFor (getWidth());
    header.setBounds (leftMargin, 0, getWidth(), HEADER_HEIGHT);
    for (int i = 0; i < 16; ++i)
        strips[(size_t) i]->setBounds (leftMargin + STRIP_PITCH * i, HEADER_HEIGHT, 58, 564);
}

void ChMixerComp::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF141618));   // the strips paint their part of the page background themselves
}

void ChMixerComp::refresh()
{
    for (int ch = 0; ch < 16; ++ch)
        showValue (slots::programSlot (ch), midi.getValue (slots::programSlot (ch)));
}

void ChMixerComp::refreshStrip (int channel)
{
    for (int k = 0; k < Mixer_Channel::CONTROL_COUNT; ++k)
        if (k != slots::PROGRAM)
            showValue (slots::channelSlot (channel, k), midi.getValue (slots::channelSlot (channel, k)));
}

void ChMixerComp::showValue (int slot, int value)
{
    if (! midi.getSlots().exists (slot))
        return;
    const auto& info = midi.getSlots().info (slot);
    if (info.kind != slots::KIND_CHANNEL_BLOCK || ! juce::isPositiveAndBelow (info.channel, 16)
        || info.index >= Mixer_Channel::CONTROL_COUNT)
        return;

    if (info.index == slots::PROGRAM)
        showProgram (info.channel, value);
    else
        strip (info.channel).control (info.index).setValue (value, midi.formatValue (value, info.displayCode));
}

void ChMixerComp::showProgram (int channel, int program)
{
    const auto& bank = ZK5Class::programBankOf (midi.getObjectStore());
    header.slot (channel).setTexts (juce::String (program).paddedLeft ('0', 4), bank.getName (program));
    strip (channel).category.setBankText (categoryName (bank.getListCategory (program)));
    refreshStrip (channel);
}

void ChMixerComp::meter (int channel, int velocity)
{
    if (juce::isPositiveAndBelow (channel, 16))
        strip (channel).meterDisplay.raise (velocity);
}

void ChMixerComp::showMixer (bool asPage)
{
    setVisible (true);
    if (asPage)
        midi.recordPage (page::MIXER);
}

void ChMixerComp::hideMixer()
{
    setVisible (false);
}

void ChMixerComp::valueReported (StsCont* control, juce::int64 message)
{
    for (int b = 0; b < 16; ++b)
    {
        const int k = strip (b).indexOf (control);
        if (k < 0)
            continue;

        const int slot = slots::channelSlot (b, k);
        const int event = command::code (message);
        if (event == StsCont::DRAGGED || event == StsCont::STEPPED)
        {
            const int v = command::value (message);
            showValue (slot, v);
            processor.setAndSend (slot, v);
        }
        if (isFxChainField (k))
        {
            pending.post (command::make (command::CHANNEL_CHOSEN, 0, 16 * k + b, 0));
            sendChangeMessage();
        }
        return;
    }
}

void ChMixerComp::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    for (int i = 0; i < 16; ++i)
    {
        if (source != &header.slot (i))
            continue;
        for (auto word : header.slot (i).pending.takeAll())
            pending.post (word);
        sendChangeMessage();
    }
}
