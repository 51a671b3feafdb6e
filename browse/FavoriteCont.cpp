#include "browse/FavoriteCont.h"
#include "comms/ZK5Class.h"
#include "widgets/FeelAndLook.h"

FavBut::FavBut (int i, CommandQueue& queue, juce::ChangeBroadcaster& o) : index (i), events (queue), owner (o) {}

void FavBut::setLabel (const juce::String& newNumber, const juce::String& newCategory, const juce::String& newName, bool isEmpty)
{
    number = newNumber;
    category = newCategory;
    name = newName;
    empty = isEmpty;
    repaint();
}

void FavBut::setLit (bool shouldBeLit)
{
    if (lit != shouldBeLit)
    {
        lit = shouldBeLit;
        repaint();
    }
}

void FavBut::post (int event)
{
    events.post (command::make (event, index, 0, 0));
    owner.sendChangeMessage();
}

void FavBut::mouseDown (const juce::MouseEvent&)
{
    startTimer (HOLD_MS);
    post (PRESSED);
}

void FavBut::mouseUp (const juce::MouseEvent&)
{
    stopTimer();
}

void FavBut::timerCallback()
{
    stopTimer();
    post (HELD);
}

void FavBut::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (1.0f);
    g.setColour (juce::Colour (empty ? 0xFF141517 : 0xFF1F2226));
    g.fillRoundedRectangle (area, 5.0f);
    g.setColour (juce::Colour (lit ? 0xFF0063E8 : 0xFF3A3D42));
    g.drawRoundedRectangle (area, 5.0f, lit ? 2.0f : 1.0f);
    if (empty)
    {
        g.setColour (juce::Colour (0xFF4A4E55));
        g.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain));
        g.drawText ("- empty -", getLocalBounds(), juce::Justification::centred);
        return;
    }
    g.setColour (juce::Colour (0xFFD0A304));
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    g.drawText (number + "  " + category, 10, 6, getWidth() - 20, 14, juce::Justification::centredLeft, true);
    g.setColour (juce::Colour (0xFFEEEEEE));
    g.setFont (juce::Font ("Arial", 15.0f, juce::Font::bold));
    g.drawText (name, 10, 24, getWidth() - 20, 22, juce::Justification::centredLeft, true);
}

//==============================================================================
FavoriteCont::FavoriteCont (DaduRAAudioProcessor& processor, int kind)
    : midi (processor.getMidi()), assign (&midi), closeButton ("CLOSE", CLOSE_ID, false, 14.0f, 30)
{
    for (int i = 0; i < Favourites::COUNT; ++i)
    {
        // Four columns of eight, rows 64 pixels apart, so that all 32 fit on the browser's page.
        auto* button = buttons.add (new FavBut (i, events, *this));
        button->setBounds (12 + 224 * (i % 4), 40 + 64 * (i / 4), 212, 58);
        addAndMakeVisible (button);
    }
    const bool programs = kind == Favourites::PROGRAM;
    assign.setup (1, programs ? "Program Assign" : "Multi Assign", 0, 8191, programs ? 2100 : 2800);
    assign.setKindAndBounds (VlmCont::LONG_FIELD, 0, 0, 200, 40);
    assign.setVisible (false);
    assign.reportsUnchanged = true;   // choosing the value it shows still assigns the favourite
    assign.addChangeListener (this);
    addChildComponent (assign);

    closeButton.setBounds (916 - 60, 560, 90, 34);
    closeButton.addListener (this);
    addAndMakeVisible (closeButton);
    setSize (950, 598);
    refreshButtons();
}

void FavoriteCont::refreshButtons()
{
    const auto* store = dynamic_cast<ZK5Class*> (midi.getObjectStore());
    for (int i = 0; i < Favourites::COUNT; ++i)
    {
        const int id = midi.favourites.idOf (i);
        if (midi.favourites.isEmpty (i) || store == nullptr)
        {
            buttons[i]->setLabel ({}, {}, {}, true);
            continue;
        }
        const bool program = midi.favourites.kindOf (i) == Favourites::PROGRAM;
        const auto& bank = program ? store->programs.bank : store->multis.bank;
        buttons[i]->setLabel ((program ? "P " : "M ") + juce::String (id).paddedLeft ('0', 4),
                              program ? juce::String (bank.getCategoryName (id)) : juce::String ("MULTI"),
                              juce::String (bank.getName (id)).trimEnd(), false);
    }
}

void FavoriteCont::assignFavourite (int index, int kind, int id)
{
    midi.favourites.assign (index, kind, id);
    midi.saveFavourites();
    refreshButtons();
}

void FavoriteCont::lightOnly (int index)
{
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setLit (i == index);
}

void FavoriteCont::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source != &assign)
        return;
    for (const auto word : assign.pending.takeAll())
        if (command::code (word) == command::VALUE_CHANGED)
            events.post (command::make (command::VALUE_CHANGED, slotBeingAssigned, 0, assign.getValue()));
    sendChangeMessage();
}

void FavoriteCont::buttonClicked (StsBut*, int id)
{
    if (id == CLOSE_ID)
        setVisible (false);
}

void FavoriteCont::paint (juce::Graphics& g)
{
    FeelAndLook().paintPanel (g, getWidth(), getHeight(), juce::Colour (0x33000000));
    g.setColour (juce::Colour (0xFFDADADA));
    g.setFont (juce::Font ("Arial", 15.0f, juce::Font::bold));
    g.drawText ("Favorites", 28, 10, 140, 22, juce::Justification::centredLeft);
    g.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    g.setColour (juce::Colour (0xFF8A8A8A));
    g.drawText ("To reassign, press and hold", 180, 10, 300, 22, juce::Justification::centredLeft);
}
