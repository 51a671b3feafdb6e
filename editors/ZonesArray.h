#pragma once

#include "widgets/Displays.h"
#include "widgets/VlmCont.h"

/** The dark cover over a zone that is switched off; a click on it is broadcast. */
class courtain : public juce::Component,
                 public juce::ChangeBroadcaster
{
public:
    void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (0x99000000)); }
    void mouseDown (const juce::MouseEvent&) override { sendChangeMessage(); }
};

/** The zones of the multi being played, one row each: its program, its key
    range as numbers and as a bar over the keys, and a cover when the zone is
    off. In edit mode the rows send what the player changes; in selection mode
    a click only picks the row. Words for the owner (19 open the value
    selector for getCurrentControl()) are queued in pending. */
class ZonesArray : public juce::Component,
                   private juce::ChangeListener,
                   public juce::ChangeBroadcaster
{
public:
    static constexpr int ZONES = 16, WIDTH = 600, ROW_PITCH = 28, TOP = 8;
    enum FieldId { STATUS = 2, KEY_LOW = 17, KEY_HIGH = 18, PROGRAM = 93 };
    static constexpr int GROUP = 43, STATUS_ON = 2;

    ZonesArray (MidiCntrState& state, bool selectionMode);
    ~ZonesArray() override;

    /** Reads every row from the multi object and shows as many rows as it has zones. */
    void load();

    int getZoneCount() const { return zoneCount; }
    int getSelectedZone() const { return selectedZone; }
    VlmCont* getCurrentControl() const { return currentControl; }
    VlmCont& getControl (int zone, int fieldId);
    ZoneKeyClass& getBar (int zone) { return rows[zone]->bar; }
    courtain& getCover (int zone) { return rows[zone]->cover; }

    CommandQueue pending;

    void paint (juce::Graphics& g) override;
    void paintOverChildren (juce::Graphics& g) override;

private:
    struct Row
    {
        Row (MidiCntrState& state, int zone, bool selectionMode);
        /** Everything in the row that reports a click or a change. */
        juce::Array<juce::ChangeBroadcaster*> reporters() { return { &program, &low, &high, &bar, &cover }; }
        VlmCont program, low, high, status;
        ZoneKeyClass bar { 341 };
        courtain cover;
    };

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void controlWord (VlmCont& control, int zone, juce::int64 word);
    void coupleRange (Row& row, VlmCont& moved);
    void placeCover (Row& row, int zone);
    void select (int zone);
    int zoneOf (juce::ChangeBroadcaster* source) const;

    MidiCntrState& state;
    const bool selectionMode;
    juce::OwnedArray<Row> rows;
    int zoneCount = 0;
    int selectedZone = 0;
    VlmCont* currentControl = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZonesArray)
};
