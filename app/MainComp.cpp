#include "app/MainComp.h"
#include "app/PageCodes.h"

namespace
{
const juce::Colour background (0xFF191919);
constexpr int HEADER_HEIGHT = 64;
constexpr int FOOTER_HEIGHT = 20;
}

MainComp::MainComp (DaduRAAudioProcessor* p)
    : juce::AudioProcessorEditor (p),
      processor (*p),
      midi (p->getMidi())
{
    setOpaque (true);
    setSize (1028, 730);
    midi.sendIdentityRequest();
    uiBuilt = true;

    setSize (1024, 798);
    midi.addStateListener (this);

    // What was queued before we listened (the OFF-LINE of the identity request) is shown at once.
    triggerAsyncUpdate();
}

MainComp::~MainComp()
{
    midi.removeStateListener (this);
    stopTimer();
    cancelPendingUpdate();
}

//==============================================================================
void MainComp::showPage (int code, bool show, int objectType, int, int)
{
    if (code == page::KEYBOARD)
    {
        midi.keyboardOpen = show;
        return;
    }
    if (code == page::ABOUT || code == page::MIDI_SETUP)
        return;

    closeEditors();
    if (! show)
        return;

    switch (code)
    {
        case page::CONTROLS:
        case page::MIXER:
        case page::MULTI_EDITOR:
            midi.recordPage (code);
            break;

        default:
            if (const int shown = page::pageOfKind (objectType); shown != 0)
                midi.recordPage (shown);
            break;
    }
}

void MainComp::closeEditors()
{
    showPage (page::KEYBOARD, midi.keyboardOpen);
}

juce::Rectangle<int> MainComp::contentArea() const
{
    return { 16, HEADER_HEIGHT, getWidth() - 32, getHeight() - HEADER_HEIGHT };
}

void MainComp::setMode (int mode)
{
    modeShown = mode;
    processor.setInstrumentMode (mode);

    if (mode == 1)
        showPage (page::PROGRAM_BROWSER, true, page::KIND_PROGRAM, midi.currentChannel - 1,
                  midi.getChannelProgram (midi.currentChannel - 1));
    else
        showPage (page::MULTI_BROWSER, true, page::KIND_MULTI, 0, midi.getMulti());
}

//==============================================================================
void MainComp::stateQueued()
{
    triggerAsyncUpdate();
}

void MainComp::drainPendingQueues()
{
    const auto states = midi.takePendingStates();
    const auto parameters = midi.takePendingParameters();

    for (const int word : states)
        stateMessage (word);
    for (const auto& pair : parameters)
        parameterMessage (pair.value, pair.address);
}

void MainComp::stateMessage (int word)
{
    switch (state::status (word))
    {
        case state::ON_LINE:
            showStatusOnLine();
            break;

        case state::OFF_LINE:
            statusLine = "OFF-LINE";
            repaint();
            break;

        default:
            break;
    }
}

void MainComp::showStatusOnLine()
{
    statusLine = midi.deviceName + ": ON-LINE";
    if (midi.otherMember)
        statusLine << " THIS VERSION WILL NOT WORK CORRECTLY WITH " << midi.deviceName;
    repaint();
}

void MainComp::parameterMessage (int value, int address)
{
    if (value >= 32770)
        value -= 65536;
    juce::ignoreUnused (value);

    if ((address >> 16) != state::PARAMETER_KIND)
        return;

    if ((address & 0xFFFF) == slots::PLAYING_MODE)
    {
        pendingSlot = slots::PLAYING_MODE;
        startTimer (MODE_DEBOUNCE_MS);
    }
}

void MainComp::timerCallback()
{
    stopTimer();
    pendingSlot = 0;

    // The instrument switched mode by itself: show the mixer rather than a browser of the wrong kind.
    if (midi.getValue (slots::PLAYING_MODE) != modeShown)
        showPage (page::MIXER, true);
}

//==============================================================================
void MainComp::paint (juce::Graphics& g)
{
    g.fillAll (background);

    const auto header = getLocalBounds().removeFromTop (HEADER_HEIGHT).toFloat();
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xFF2A2A2A), header.getTopLeft(),
                                             juce::Colours::black, header.getBottomLeft(), false));
    g.fillRect (header);

    const auto footer = juce::Rectangle<int> (16, getHeight() - FOOTER_HEIGHT - 5, getWidth() - 32, FOOTER_HEIGHT);
    g.setColour (juce::Colour (0xFF0E0E0E));
    g.fillRect (footer);
    g.setColour (juce::Colour (0xFFB8C4CC));
    g.setFont (juce::Font ("Arial", 13.0f, juce::Font::bold));
    g.drawText (statusLine, footer.reduced (8, 0), juce::Justification::centredLeft);
}

void MainComp::resized()
{
    if (! uiBuilt)
        return;

    auto& settings = midi.getSettings();
    settings.set (MidiSettings::WINDOW_WIDTH, juce::String (getWidth()));
    settings.set (MidiSettings::WINDOW_HEIGHT, juce::String (getHeight()));
}
