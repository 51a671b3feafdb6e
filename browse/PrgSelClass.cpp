#include "browse/PrgSelClass.h"
#include "app/PageCodes.h"
#include "comms/ZK5Class.h"
#include "widgets/FeelAndLook.h"

namespace
{
constexpr int CHOOSER_X = 430;
constexpr int ALL_CATEGORIES = 0;
constexpr int ORGAN = 1000;   // layout entries from here on name an organ control, not a channel slot

/** One control of a layout: a channel slot offset k (or ORGAN + organ control), its label and place. */
struct Placed
{
    int what;
    const char* label;
    int x, y, w, h, style;
};

const std::vector<Placed> standardSet = {
    { slots::INSERT_FX_CHAIN, "Insert", 24, 48, 250, 28, StsCont::NAME },
    { slots::AUX1_FX_CHAIN, "Aux 1 FX", 24, 128, 250, 28, StsCont::NAME },
    { slots::AUX1_LEVEL, "Aux 1 Send", 300, 112, 80, 66, StsCont::KNOB },
    { slots::AUX2_FX_CHAIN, "Aux 2 FX", 24, 228, 250, 28, StsCont::NAME },
    { slots::AUX2_LEVEL, "Aux 2 Send", 300, 212, 80, 66, StsCont::KNOB },
    { slots::PAN, "Pan", 60, 400, 80, 66, StsCont::KNOB },
    { slots::LEVEL, "Level", 300, 380, 50, 200, StsCont::FADER },
};

const std::vector<Placed> organSet = {
    { ORGAN + 0, "16'", 24, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 1, "5 1/3'", 67, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 2, "8'", 110, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 3, "4'", 153, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 4, "2 2/3'", 196, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 5, "2'", 239, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 6, "1 3/5'", 282, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 7, "1 1/3'", 325, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + 8, "1'", 368, 40, 40, 160, StsCont::DRAWBAR },
    { ORGAN + slots::VIBRATO_ON, "On/Off", 24, 254, 60, 22, StsCont::MIN_MAX_TOGGLE },
    { ORGAN + slots::CHORUS_OR_VIBRATO, "Chor/Vib", 84, 254, 60, 22, StsCont::MIN_MAX_TOGGLE },
    { ORGAN + slots::VIBRATO_DEPTH, "Depth", 144, 240, 60, 66, StsCont::KNOB },
    { ORGAN + slots::BRAKE, "Brake", 24, 316, 60, 22, StsCont::MIN_MAX_TOGGLE },
    { ORGAN + slots::PERCUSSION_LOUD, "Loud/Soft", 230, 254, 60, 22, StsCont::MIN_MAX_TOGGLE },
    { ORGAN + slots::PERCUSSION_DECAY, "Decay F/S", 290, 254, 60, 22, StsCont::MIN_MAX_TOGGLE },
    { ORGAN + slots::PERCUSSION_PITCH, "Pitch H/L", 350, 254, 60, 22, StsCont::MIN_MAX_TOGGLE },
    { ORGAN + slots::KEY_CLICK, "Key Click", 230, 316, 60, 22, StsCont::MIN_MAX_TOGGLE },
    { slots::INSERT_FX_CHAIN, "Insert", 24, 400, 180, 26, StsCont::NAME },
    { slots::AUX1_FX_CHAIN, "Aux 1 FX", 24, 456, 180, 26, StsCont::NAME },
    { slots::AUX2_FX_CHAIN, "Aux 2 FX", 24, 512, 180, 26, StsCont::NAME },
    { slots::AUX1_LEVEL, "Aux 1 Send", 214, 420, 60, 66, StsCont::KNOB },
    { slots::AUX2_LEVEL, "Aux 2 Send", 214, 512, 60, 66, StsCont::KNOB },
    { slots::PAN, "Pan", 284, 440, 60, 66, StsCont::KNOB },
    { slots::LEVEL, "Level", 360, 396, 44, 186, StsCont::FADER },
};

struct Group
{
    const char* title;
    int x, y, w, h;
};

const std::vector<Group> standardGroups = { { "Effects", 10, 10, 410, 300 }, { "Mix", 10, 330, 410, 258 } };
const std::vector<Group> organGroups = { { "Drawbars", 10, 10, 410, 200 }, { "Chorus / Vibrato", 10, 220, 205, 130 },
                              { "Percussion", 220, 220, 200, 130 }, { "Channel", 10, 360, 410, 228 } };

int slotOf (int what, int channel)
{
    return what >= ORGAN ? slots::organSlot (channel, what - ORGAN) : slots::channelSlot (channel, what);
}

bool isFxChainSlot (int k)
{
    return k == slots::INSERT_FX_CHAIN || k == slots::AUX1_FX_CHAIN || k == slots::AUX2_FX_CHAIN;
}

std::unique_ptr<StsGrid> compactGrid (const BankIndex& bank)
{
    auto grid = std::make_unique<StsGrid_Prg> (&bank);
    grid->setIds (0, 11);
    grid->rowHeight = 36;
    return grid;
}
}

//==============================================================================
ProgPanel::ProgPanel (DaduRAAudioProcessor& p)
    : ObjBrowser (p, ZK5Class::programBankOf (p.getMidi().getObjectStore()),
                  compactGrid (ZK5Class::programBankOf (p.getMidi().getObjectStore())), page::KIND_PROGRAM, Favourites::PROGRAM,
                  "Find a program by name")
{
    juce::StringArray names { "ALL CATEGORIES" };
    juce::Array<int> values { ALL_CATEGORIES };
    for (int category = 1; category <= 14; ++category)
    {
        names.add (categoryName (category));
        values.add (category);
    }
    categories.setItems (names, values);
    categories.select (0, false);
    categories.addChangeListener (this);
    addAndMakeVisible (categories);

    addBankButtons ({ 280, 322 }, { 78, 0 }, { 72, 30 });
    addKeypad ({ 280, 360 }, { 466, 406, 50, 38 }, { 466, 452, 50, 38 });
    addButton (ownButtons, "CLOSE", CLOSE_ID, { 280, 546, 236, 38 }, 13.0f);
    setListMode (ALL, false);
}

void ProgPanel::showCurrentInLcd()
{
    iPrgSelClass::showProgram (lcd, bank, getChannel(), midi.getChannelProgram (getChannel()));
}

void ProgPanel::ownButtonClicked (int id)
{
    if (id == CLOSE_ID)
        emitCode (command::CLOSE, midi.getChannelProgram (getChannel()));
}

void ProgPanel::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source != &categories)
    {
        ObjBrowser::changeListenerCallback (source);
        return;
    }
    for (const auto word : categories.pending.takeAll())
    {
        const int category = command::value (word);
        setListMode (category == ALL_CATEGORIES ? ALL : category, category != ALL_CATEGORIES);
    }
}

void ProgPanel::resized()
{
    grid->setBounds (0, 10, 270, getHeight() - 20);
    lcd.setTopLeftPosition (280, 10);
    search.setBounds (280, 126, 236, 28);
    categories.setBounds (280, 160, 236, 150);
}

//==============================================================================
PrgSelClass::PrgSelClass (DaduRAAudioProcessor& p)
    : processor (p), midi (p.getMidi()), chooser (p)
{
    chooser.onCommand = [this] (juce::int64 word) { emit (word); };
    addAndMakeVisible (chooser);
    setSize (950, 598);
    drawBackground();
}

void PrgSelClass::showFor (int newChannel, int newProgram)
{
    channel = juce::jlimit (0, 15, newChannel);
    program = newProgram;
    const auto* store = dynamic_cast<ZK5Class*> (midi.getObjectStore());
    const bool organ = store != nullptr && store->programs.isOrganProgram (program);
    if (organ != organLayout || ! background.isValid())
    {
        organLayout = organ;
        drawBackground();
    }
    rebuildControls();

    chooser.showFor (channel);
    iPrgSelClass::showProgram (chooser.getLcd(), ZK5Class::programBankOf (midi.getObjectStore()), channel, program);
    chooser.reveal (program);
    open = true;
    setVisible (true);
    toFront (false);
}

void PrgSelClass::hide()
{
    open = false;
    chooser.hide();
    setVisible (false);
}

void PrgSelClass::rebuildControls()
{
    bindings.clear();
    const auto& layout = organLayout ? organSet : standardSet;
    for (const auto& placed : layout)
        addControl (slotOf (placed.what, channel), placed.label, { placed.x, placed.y, placed.w, placed.h }, placed.style);
}

void PrgSelClass::addControl (int slot, const juce::String& label, juce::Rectangle<int> bounds, int style)
{
    if (! midi.getSlots().exists (slot))
        return;
    const auto& info = midi.getSlots().info (slot);
    Binding binding { slot, std::make_unique<StsCont>() };
    binding.control->configure ((int) bindings.size(), label, bounds.getX(), bounds.getY(), bounds.getWidth(), bounds.getHeight(),
                                info.minimum, info.maximum, style);
    binding.control->setIds ((int) bindings.size(), 0, channel);
    binding.control->takeBackground (background);
    binding.control->addListener (this);
    addAndMakeVisible (*binding.control);
    showSlot (binding, midi.getValue (slot));
    bindings.push_back (std::move (binding));
}

void PrgSelClass::showSlot (Binding& binding, int value)
{
    binding.control->setValue (value, midi.formatValue (value, midi.getSlots().info (binding.slot).displayCode));
}

StsCont* PrgSelClass::controlFor (int slot) const
{
    for (const auto& binding : bindings)
        if (binding.slot == slot)
            return binding.control.get();
    return nullptr;
}

void PrgSelClass::onParameterChange (int slot, int value)
{
    const auto& info = midi.getSlots().info (slot);
    if (info.kind == slots::KIND_CHANNEL_BLOCK && info.index == slots::PROGRAM && info.channel == channel)
    {
        showFor (channel, value);   // another program may need the other layout
        return;
    }
    for (auto& binding : bindings)
        if (binding.slot == slot)
            showSlot (binding, value);
}

void PrgSelClass::valueReported (StsCont* control, juce::int64 message)
{
    for (auto& binding : bindings)
    {
        if (binding.control.get() != control)
            continue;
        const auto& info = midi.getSlots().info (binding.slot);
        switch (command::code (message))
        {
            case StsCont::DRAGGED: case StsCont::STEPPED: case StsCont::TOGGLED:
                showSlot (binding, command::value (message));
                processor.setAndSend (binding.slot, command::value (message));
                break;
            case StsCont::FIELD_CLICKED:
                if (info.kind == slots::KIND_CHANNEL_BLOCK && isFxChainSlot (info.index))
                    emit (command::make (command::OPEN_SELECTOR, info.index, (info.index << 4) + channel, control->getValue()));
                break;
            default:
                break;
        }
        return;
    }
}

void PrgSelClass::emit (juce::int64 word)
{
    listeners.call ([word] (PrgSelListener& l) { l.prgSelCommand (word); });
}

//==============================================================================
void PrgSelClass::drawBackground()
{
    // Drawn once per layout kind; the controls copy the part under them.
    background = juce::Image (juce::Image::ARGB, CHOOSER_X, getHeight(), true);
    juce::Graphics g (background);
    FeelAndLook().paintPanel (g, CHOOSER_X, getHeight(), juce::Colour (0x22000000));

    const auto& groups = organLayout ? organGroups : standardGroups;
    for (const auto& group : groups)
    {
        g.setColour (juce::Colour (0xFF101214));
        g.fillRoundedRectangle ((float) group.x, (float) group.y, (float) group.w, (float) group.h, 6.0f);
        g.setColour (juce::Colour (0xFF3A3D42));
        g.drawRoundedRectangle ((float) group.x + 0.5f, (float) group.y + 0.5f, (float) group.w - 1, (float) group.h - 1, 6.0f, 1.0f);
        g.setColour (juce::Colour (0xFF5FA8D3));
        g.setFont (juce::Font ("Arial", 13.0f, juce::Font::bold));
        g.drawText (group.title, group.x + 10, group.y + 4, group.w - 20, 16, juce::Justification::centredLeft);
    }

    g.setColour (juce::Colour (0xFFB8B8B8));
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    const auto& layout = organLayout ? organSet : standardSet;
    for (const auto& placed : layout)
    {
        // Drawbar footages stand under the bars; every other label above its control.
        const int y = placed.style == StsCont::DRAWBAR ? placed.y + placed.h : placed.y - 14;
        g.drawText (placed.label, placed.x - 10, y, placed.w + 20, 14, juce::Justification::centred, false);
    }
    repaint();
}

void PrgSelClass::paint (juce::Graphics& g)
{
    g.drawImageAt (background, 0, 0);
}

void PrgSelClass::resized()
{
    chooser.setBounds (CHOOSER_X, 0, getWidth() - CHOOSER_X, getHeight());
}
