#include "editors/ZonesArray.h"
#include "comms/ZK5Class.h"

namespace
{
void configure (VlmCont& c, int zone, int fieldId, const char* label, int min, int max, int displayCode, int param,
                int kind, juce::Rectangle<float> bounds, bool selectionMode)
{
    c.setup (fieldId, label, min, max, displayCode);
    c.setAddress (5, ZonesArray::GROUP, 0, zone, 0, 0, param);
    c.setKindAndBounds (kind, bounds.getX(), bounds.getY(), bounds.getWidth(), bounds.getHeight());
    c.reportOnly = selectionMode;
}

ObjMultiClass* multiOf (MidiCntrState& state)
{
    auto* store = dynamic_cast<ZK5Class*> (state.getObjectStore());
    return store != nullptr ? &store->multiEdit : nullptr;
}
}

ZonesArray::Row::Row (MidiCntrState& s, int zone, bool selectionMode)
    : program (&s), low (&s), high (&s), status (&s)
{
    const float y = (float) (TOP + ROW_PITCH * zone);
    configure (program, zone, PROGRAM, "Program Assign", 0, 8191, 2100, 14, VlmCont::SELECTOR_FIELD, { 25, y + 1, 140, 22 }, selectionMode);
    configure (low, zone, KEY_LOW, "Key Zone Low", 0, 127, 777, 15, VlmCont::SMALL_BOX, { 168, y + 1, 36, 18 }, selectionMode);
    configure (high, zone, KEY_HIGH, "Key Zone High", 0, 127, 777, 16, VlmCont::SMALL_BOX, { 552, y + 1, 36, 18 }, selectionMode);
    configure (status, zone, STATUS, "Status", 1, 2, 327, 0, VlmCont::FIELD, { -100, y + 1, 80, 18 }, selectionMode);
    bar.setTopLeftPosition (206, (int) y + 1);
    bar.draggable = ! selectionMode;
}

ZonesArray::ZonesArray (MidiCntrState& s, bool selection)
    : state (s), selectionMode (selection)
{
    for (int zone = 0; zone < ZONES; ++zone)
    {
        auto* row = rows.add (new Row (state, zone, selectionMode));
        for (juce::Component* c : { (juce::Component*) &row->program, (juce::Component*) &row->low, (juce::Component*) &row->high,
                                    (juce::Component*) &row->status, (juce::Component*) &row->bar, (juce::Component*) &row->cover })
            addAndMakeVisible (c);
        for (auto* b : row->reporters())
            b->addChangeListener (this);
    }
    setSize (WIDTH, TOP + ROW_PITCH * ZONES);
}

ZonesArray::~ZonesArray()
{
    for (auto* row : rows)
        for (auto* b : row->reporters())
            b->removeChangeListener (this);
}

VlmCont& ZonesArray::getControl (int zone, int fieldId)
{
    auto& row = *rows[juce::jlimit (0, ZONES - 1, zone)];
    switch (fieldId)
    {
        case KEY_LOW: return row.low;
        case KEY_HIGH: return row.high;
        case STATUS: return row.status;
        default: return row.program;
    }
}

//==============================================================================
void ZonesArray::load()
{
    auto* multi = multiOf (state);
    zoneCount = multi != nullptr ? juce::jlimit (0, ZONES, multi->getZoneCount()) : 0;
    for (int zone = 0; zone < ZONES; ++zone)
    {
        auto& row = *rows[zone];
        const bool shown = zone < zoneCount;
        for (juce::Component* c : { (juce::Component*) &row.program, (juce::Component*) &row.low, (juce::Component*) &row.high,
                                    (juce::Component*) &row.bar })
            c->setVisible (shown);
        if (! shown)
        {
            row.cover.setVisible (false);
            continue;
        }
        for (auto* c : { &row.program, &row.low, &row.high, &row.status })
            c->readFromMulti (zone);
        row.bar.setRange (row.low.getValue(), row.high.getValue());
        placeCover (row, zone);
    }
    selectedZone = juce::jmin (selectedZone, juce::jmax (0, zoneCount - 1));
    repaint();
}

void ZonesArray::placeCover (Row& row, int zone)
{
    row.cover.setVisible (true);
    if (row.status.getValue() != STATUS_ON)
    {
        row.cover.setBounds (25, TOP + ROW_PITCH * zone, 564, 26);
        row.cover.toFront (false);
    }
    else
        row.cover.setBounds (-10, -10, 5, 5);
}

//==============================================================================
int ZonesArray::zoneOf (juce::ChangeBroadcaster* source) const
{
    for (int zone = 0; zone < ZONES; ++zone)
        if (rows[zone]->reporters().contains (source))
            return zone;
    return -1;
}

void ZonesArray::select (int zone)
{
    selectedZone = zone;
    repaint();
    sendChangeMessage();
}

void ZonesArray::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    const int zone = zoneOf (source);
    if (zone < 0)
        return;
    auto& row = *rows[zone];

    if (selectionMode)
    {
        for (auto* c : { &row.program, &row.low, &row.high })
            c->pending.takeAll();
        select (zone);
        return;
    }
    if (source == &row.bar)
    {
        // Dragging the bar moves both ends of the range, and both are sent.
        row.low.setValue (row.bar.getLow(), false, true);
        row.high.setValue (row.bar.getHigh(), false, true);
        row.low.writeToMulti (zone);
        row.high.writeToMulti (zone);
        return;
    }
    if (source == &row.cover)
        return;

    auto& control = *static_cast<VlmCont*> (source);
    for (const auto word : control.pending.takeAll())
        controlWord (control, zone, word);
}

void ZonesArray::controlWord (VlmCont& control, int zone, juce::int64 word)
{
    auto& row = *rows[zone];
    switch (command::code (word))
    {
        case command::VALUE_CHANGED:
            control.writeToMulti (zone);   // the local mirror follows what was sent
            if (&control == &row.low || &control == &row.high)
                coupleRange (row, control);
            break;
        case command::OPEN_SELECTOR:
            currentControl = &control;
            pending.post (word);
            sendChangeMessage();
            break;
        default:
            break;
    }
}

void ZonesArray::coupleRange (Row& row, VlmCont& moved)
{
    // The other end only follows on screen; the instrument keeps its own rule.
    if (&moved == &row.low && row.low.getValue() >= row.high.getValue())
        row.high.setValueSilently (row.low.getValue());
    else if (&moved == &row.high && row.high.getValue() <= row.low.getValue())
        row.low.setValueSilently (row.high.getValue());
    row.bar.setRange (row.low.getValue(), row.high.getValue());
}

//==============================================================================
void ZonesArray::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF141618));
    g.setColour (juce::Colour (0xFFB0B0B0));
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    for (int zone = 0; zone < zoneCount; ++zone)
        g.drawText (juce::String (zone + 1) + ".", 2, TOP + ROW_PITCH * zone, 22, 26, juce::Justification::centredLeft);
}

void ZonesArray::paintOverChildren (juce::Graphics& g)
{
    if (! selectionMode || zoneCount == 0)
        return;
    const juce::Rectangle<float> band (-2.0f, (float) (TOP + ROW_PITCH * selectedZone), (float) WIDTH, 24.0f);
    g.setColour (juce::Colour (0x593C5A6A));
    g.fillRect (band);
    g.setColour (juce::Colour (0x88FFFFFF));
    g.drawRect (band, 1.0f);
}
