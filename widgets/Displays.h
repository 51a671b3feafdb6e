#pragma once

#include "comms/MidiCntrState.h"
#include "widgets/Buttons.h"
#include "widgets/Pictures.h"

class StsCont;

class StsContListener
{
public:
    virtual ~StsContListener() = default;
    /** message: event << 48 | controlId << 32 | (group << 4 | sub) << 16 | value. */
    virtual void valueReported (StsCont* control, juce::int64 message) = 0;
};

/** The listener-based value control of the mixer strips, the drawbars and
    the controls page. Events: 1 dragged, 4 value field clicked, 6 toggled,
    7 stepped or wheeled. */
class StsCont : public juce::Component,
               public juce::SettableTooltipClient
{
public:
    enum Event { DRAGGED = 1, FIELD_CLICKED = 4, TOGGLED = 6, STEPPED = 7 };
    enum Style { FIELD = 0, SWITCH = 1, KNOB = 3, FADER = 4, TOGGLE = 5, LONG_FIELD = 8, KNOB_AREA = 9, FADER_AREA = 10,
                 MIN_MAX_TOGGLE = 13, DRAWBAR = 77, PICTURE_TOGGLE = 101, STEP = 200, STEP_2 = 201, NAME = 202, DIM = 203 };

    void configure (int controlId, const juce::String& label, int x, int y, int width, int height, int min, int max, int style);
    void setIds (int controlId, int group, int sub);
    void addListener (StsContListener* listener) { listeners.add (listener); }
    void setValue (int v, const juce::String& text);
    int getValue() const { return value; }
    int getFrame() const { return frame; }
    int getStyle() const { return style; }
    void takeBackground (const juce::Image& pageBackground);

    bool repaintOnSet = true;
    bool dirty = false;
    float pixelScale = 2.0f;
    /** The drawbar's picture: the organ pages give each footage its colour. */
    pictures::Id drawbarPicture = pictures::Id::drawbarBrown;
    /** The knob's picture strip: the mixer's pan knob uses the second one. */
    pictures::Id knobPicture = pictures::Id::knobStrip;

    static constexpr juce::uint32 LABEL_COLOUR = 0xFFDDDDDD;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    void report (int event);
    bool changeTo (int v);
    int travelTop() const { return 10; }
    int travelLength() const { return juce::jmax (1, getHeight() - 30); }
    int capY() const;
    int valueAtY (int y) const;
    void paintKnob (juce::Graphics& g);
    void paintField (juce::Graphics& g);

    GuardedListeners<StsContListener> listeners;
    int controlId = 0, group = 0, sub = 0;
    int value = -9;
    int min = 0, max = 127;
    int style = FIELD;
    juce::String label, text;
    int frame = 0;
    bool dragging = false;
    juce::Point<int> dragStart;
    int dragStartValue = 0;
    juce::Image background;
};

/** The instrument-style display at the top of the editors and browsers. */
class LCD_Comp : public juce::Component,
                 public juce::ChangeBroadcaster
{
public:
    enum MouseCode { PRESS_NAME = 501, PRESS_BELOW = 502, PRESS_RIGHT = 503, RELEASE = 506, PRESS_WHILE_INPUT = 507 };

    LCD_Comp (int mode, int width, int height);

    void setTexts (int number, int category, int subCategory, const juce::String& name,
                   const juce::String& line1, const juce::String& line2, const juce::String& line3);
    void setNumber (int n);
    void showEditedNumber (int n);
    void setName (const juce::String& name);
    void setCategoryAndLine (int category, const juce::String& line);
    void setSubCategory (int sub);
    void setPositionAndScale (int x, int y, float scale);
    void moveBy (int dx, int dy);
    void resetPosition() { setPositionAndScale (10, 10, displayScale); }

    bool inputMode = false;
    int getMouseCode() const { return mouseCode; }
    const juce::String& getName() const { return name; }

    /** The category line: the category's name and, when it has one, ": " and the sub-category's. */
    static juce::String categoryLine (int category, int subCategory);
    /** The picture tile (column, row) a category and sub-category select. */
    static juce::Point<int> tileFor (int category, int subCategory);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    int mode;
    float displayScale = 1.0f;
    bool pressed = false;
    int mouseCode = 0;
    int number = 0, editedNumber = -1;
    int category = 0, subCategory = 0;
    juce::String name, line1, line2, line3;
};

/** A key range bar over a keyboard picture, 505 or 341 pixels wide. */
class ZoneKeyClass : public juce::Component,
                     public juce::ChangeBroadcaster
{
public:
    enum Mode { SPLIT = 0, RANGE = 1, RANGE_2 = 2, MARKED = 3 };

    explicit ZoneKeyClass (int width);
    void setSplit (int note) { low = note; repaint(); }
    void setRange (int lowNote, int highNote);
    void setMarked (const juce::Array<int>& notes);
    void setMode (int newMode) { mode = newMode; repaint(); }

    int getLow() const { return low; }
    int getHigh() const { return high; }

    /** Left edge of a note's key in the picture. */
    float noteX (int note) const;

    /** A draggable bar slides its range along the keys, keeping its width, and broadcasts each step. */
    bool draggable = false;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;

private:
    int noteAt (int x) const { return juce::jlimit (0, 127, x * 128 / juce::jmax (1, getWidth())); }

    int mode = RANGE;
    int low = 0, high = 127;
    int dragNote = 0, dragLow = 0, dragHigh = 0;
    juce::Array<int> marked;
};

/** The data wheel of the object selectors: positions 0..35 turned by mouse or wheel. */
class BigKnob : public juce::Component,
                public juce::ChangeBroadcaster
{
public:
    BigKnob() { setSize (120, 120); }
    void setPosition (int p);
    int getPosition() const { return position; }
    int getDirection() const { return direction; }

    void paint (juce::Graphics& g) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override { mouseDrag (e); }
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    int position = 0;
    int direction = 1;
};

/** A pitch or modulation wheel, 0..127; a springing wheel returns to the middle. */
class WheelCnt : public juce::Component,
                 public juce::ChangeBroadcaster
{
public:
    WheelCnt (float initialValue, bool springs);
    void setValue (float v, bool byUser);
    float getValue() const { return value; }
    int getFrame() const { return juce::roundToInt (value * 0.26771653f); }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    float value;
    bool springs;
    float dragStartValue = 0.0f;
};

/** A level meter: it jumps up to a new level and falls back on a 60 ms tick. */
class Vu_Meter : public juce::Component,
                 private juce::Timer
{
public:
    static constexpr int TICK_MS = 60;
    static constexpr int FALL_PER_TICK = 6;

    /** Raises the meter; a level below the current one is ignored. */
    void raise (int level);
    int getLevel() const { return level; }
    void paint (juce::Graphics& g) override;

private:
    void timerCallback() override;
    int level = 0;
};

/** The channel selector: arrows either side of "Channels: n". */
class ChannelCntrClass : public juce::Component,
                         public juce::ChangeBroadcaster
{
public:
    void setChannel (int channel1);
    int getChannel() const { return channel; }
    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;

private:
    int channel = 1;
};

/** The controls page: pitch and modulation wheels, nine drawbar faders on
    the knob controllers of the chosen channel, and the channel selector. */
class kontrols : public juce::Component,
                 private StsContListener,
                 private juce::ChangeListener,
                 public juce::ChangeBroadcaster
{
public:
    explicit kontrols (MidiCntrState& state);

    /** Shows the channel's controller values and wheels. */
    void refresh();
    int getChannel() const { return channelSelector.getChannel(); }
    StsCont& getFader (int i) { return *faders[i]; }
    WheelCnt& getPitchWheel() { return pitchWheel; }
    WheelCnt& getModWheel() { return modWheel; }

    CommandQueue pending;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void valueReported (StsCont* control, juce::int64 message) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    MidiCntrState& midi;
    WheelCnt pitchWheel { 64.0f, true }, modWheel { 0.0f, false };
    juce::OwnedArray<StsCont> faders;
    ChannelCntrClass channelSelector;
    juce::Image backgroundImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (kontrols)
};
