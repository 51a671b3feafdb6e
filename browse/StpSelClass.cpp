#include "browse/StpSelClass.h"
#include "app/PageCodes.h"
#include "comms/ZK5Class.h"
#include "widgets/FeelAndLook.h"

namespace
{
std::unique_ptr<StsGrid> multiGrid (const BankIndex& bank)
{
    auto grid = std::make_unique<StsGrid> (&bank);
    grid->setIds (0, 114);
    return grid;
}

constexpr int ZONES_Y = 216;
}

StpSelClass::StpSelClass (DaduRAAudioProcessor& p)
    : ObjBrowser (p, ZK5Class::multiBankOf (p.getMidi().getObjectStore()),
                  multiGrid (ZK5Class::multiBankOf (p.getMidi().getObjectStore())), page::KIND_MULTI, Favourites::MULTI,
                  "Find a multi by name"),
      zones (p.getMidi(), false)
{
    addBankButtons ({ 380, 160 }, { 64, 0 }, { 60, 34 });
    addKeypad ({ 636, 10 }, { 830, 10, 68, 38 }, { 906, 10, 68, 38 });
    addButton (ownButtons, "EDIT", EDIT_ID, { 830, 56, 144, 38 }, 13.0f);
    addButton (ownButtons, "FAVORITES", FAVORITES_ID, { 830, 102, 144, 38 }, 13.0f);

    zones.addChangeListener (this);
    addAndMakeVisible (zones);
    setListMode (ALL, false);
}

void StpSelClass::showMulti()
{
    zones.load();
    reveal (midi.getMulti());
    showCurrentInLcd();
}

void StpSelClass::showCurrentInLcd()
{
    const int id = midi.getMulti();
    const int zoneCount = zones.getZoneCount();
    lcd.setTexts (id, 0, 0, bank.getName (id), "Multi", zoneCount > 0 ? juce::String (zoneCount) + " zones" : juce::String(), "");
}

void StpSelClass::emit (juce::int64 word)
{
    listeners.call ([word] (StpSelListener& l) { l.stpSelCommand (word); });
}

void StpSelClass::ownButtonClicked (int id)
{
    if (id == EDIT_ID && bank.exists (midi.getMulti()))
        emitCode (command::OPEN_EDITOR, midi.getMulti());
}

void StpSelClass::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source != &zones)
    {
        ObjBrowser::changeListenerCallback (source);
        return;
    }
    for (const auto word : zones.pending.takeAll())
        if (command::code (word) == command::OPEN_SELECTOR)
        {
            currentControl = zones.getCurrentControl();
            emitCode (command::OPEN_SELECTOR, 0);
        }
}

void StpSelClass::paint (juce::Graphics& g)
{
    FeelAndLook().paintPanel (g, getWidth(), getHeight(), juce::Colour (0x22000000));
    g.setColour (juce::Colour (0xFF8A8A8A));
    g.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain));
    g.drawText ("ZONES", 380, ZONES_Y - 18, 120, 16, juce::Justification::centredLeft);
}

void StpSelClass::resized()
{
    grid->setBounds (10, 10, 360, getHeight() - 20);
    lcd.setTopLeftPosition (380, 10);
    search.setBounds (380, 126, 230, 28);
    zones.setTopLeftPosition (380, ZONES_Y);
}
