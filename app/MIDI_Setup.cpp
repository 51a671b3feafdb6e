#include "app/MIDI_Setup.h"
#include "widgets/ValueMenu.h"

namespace
{
const juce::Rectangle<int> dialog (214, 120, 600, 425);
const juce::Rectangle<int> inputBox (234, 220, 550, 40), outputBox (234, 310, 550, 40);
}

MIDI_Setup::MIDI_Setup (MidiCntrState& state)
    : midi (state),
      okButton ("OK", OK, false, 14.0f, 32), pollButton ("POLL", POLL, false, 14.0f, 32),
      receiveButton ("RECEIVE DATA", RECEIVE, false, 14.0f, 32), transmitButton ("TRANSMIT DATA", TRANSMIT, false, 14.0f, 32)
{
    okButton.setBounds (684, 480, 100, 36);
    pollButton.setBounds (534, 480, 100, 36);
    receiveButton.setBounds (234, 480, 140, 36);
    transmitButton.setBounds (394, 480, 140, 36);
    for (auto* b : { &okButton, &pollButton, &receiveButton, &transmitButton })
    {
        b->addListener (this);
        addAndMakeVisible (*b);
    }
    pollButton.setVisible (false);
    refresh();
}

void MIDI_Setup::refresh()
{
    if (auto* ports = midi.getPorts())
    {
        inputs = ports->getInputNames();
        outputs = ports->getOutputNames();
        selectedInput = ports->getInputIndex() + 1;
        selectedOutput = ports->getOutputIndex() + 1;
        inputOpen = ports->isInputOpen();
        outputOpen = ports->isOutputOpen();
    }
    repaint();
}

void MIDI_Setup::setStatus (const juce::String& text)
{
    status = text;
    repaint();
}

void MIDI_Setup::report (int code, int value)
{
    listeners.call ([code, value] (MIDI_SetupListener& l) { l.midiSetupCommand (code, value); });
}

void MIDI_Setup::buttonClicked (StsBut*, int id) { report (id, 0); }

void MIDI_Setup::chooseFrom (const juce::StringArray& names, int code, juce::Rectangle<int> box)
{
    // "NONE" heads the list, so one port is already a choice.
    if (names.isEmpty())
        return;
    constexpr int firstId = 1000;
    auto menu = valuemenu::createValueMenu();
    menu->addItem (firstId, "NONE");
    for (int i = 0; i < names.size(); ++i)
        menu->addItem (firstId + i + 1, juce::String (i + 1) + ". " + names[i]);
    juce::Component::SafePointer<MIDI_Setup> self (this);
    // The menu drops down from its box, wide as the box.
    const auto options = juce::PopupMenu::Options().withTargetScreenArea (localAreaToGlobal (box)).withMinimumWidth (box.getWidth());
    menu->showMenuAsync (options, [self, code] (int chosen)
    {
        if (self != nullptr && chosen >= firstId)
            self->report (code, chosen - firstId);
    });
}

void MIDI_Setup::mouseDown (const juce::MouseEvent& e)
{
    const auto p = e.getPosition();
    if (p.x < 234 || p.x > 784)
        return;
    if (p.y >= 220 && p.y <= 260)
        chooseFrom (inputs, INPUT_CHOSEN, inputBox);
    else if (p.y >= 310 && p.y <= 350)
        chooseFrom (outputs, OUTPUT_CHOSEN, outputBox);
    else if (p.y >= 400 && p.y <= 440)
        chooseFrom (inputs, INPUT_BAND_CHOSEN, { 234, 400, 550, 40 });
}

void MIDI_Setup::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0x66000000));
    g.setColour (juce::Colour (0xDD15222A));
    g.fillRoundedRectangle (dialog.toFloat(), 10.0f);
    g.setColour (juce::Colour (0xDD457089));
    g.drawRoundedRectangle (dialog.toFloat(), 10.0f, 3.0f);

    g.setColour (juce::Colour (0xFFEEEEEE));
    g.setFont (juce::Font ("Arial", 17.0f, juce::Font::bold));
    g.drawText (status, 214, 130, 600, 40, juce::Justification::centred, true);

    auto portBox = [&g] (const juce::String& caption, juce::Rectangle<int> box, const juce::String& name, bool open)
    {
        g.setColour (juce::Colour (0xFFDDDDDD));
        g.setFont (juce::Font ("Arial", 18.0f, juce::Font::plain));
        g.drawText (caption, box.getX(), box.getY() - 24, 300, 20, juce::Justification::bottomLeft);
        g.setColour (juce::Colour (0xFF282626));
        g.fillRect (box);
        g.setColour (juce::Colour (0xFF7E7E7E));
        g.drawRect (box, 1);
        g.setColour (juce::Colour (0xFFEEEEEE));
        g.setFont (juce::Font ("Arial", 16.0f, juce::Font::plain));
        g.drawText (name, box.reduced (12, 0).withTrimmedRight (50), juce::Justification::centredLeft, true);
        g.setColour (open ? juce::Colour (0xFF39A4FF) : juce::Colour (0xFF432D24));
        g.fillRoundedRectangle (juce::Rectangle<float> ((float) box.getRight() - 40.0f, (float) box.getY() + 10.0f, 32.0f, 16.0f), 3.0f);
    };
    portBox ("MIDI In Port", inputBox, selectedInput == 0 ? juce::String ("NONE") : inputs[selectedInput - 1], inputOpen);
    portBox ("MIDI Out Port", outputBox, selectedOutput == 0 ? juce::String ("NONE") : outputs[selectedOutput - 1], outputOpen);
}
