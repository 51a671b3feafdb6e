#pragma once

#include "comms/MidiCntrState.h"
#include "widgets/Buttons.h"
#include "widgets/Grids.h"

/** The value control of the editor pages: one number in one of a dozen looks
    (field, switch, knob, fader, slider ...). It keeps its value inside its
    range, writes it through the value formatter, sends every change the user
    makes as one parameter-change run, and reports to its page with command
    words (17 value changed, 19 open the value selector). */
class VlmCont : public juce::Component,
                public juce::ChangeBroadcaster
{
public:
    enum Kind
    {
        FIELD = 0, SWITCH = 1, KNOB = 3, FADER = 4, STEP_AREA = 5, LONG_FIELD = 8, DRAG_AREA = 9, STEP_AREA_2 = 13,
        SLIDER = 40, SMALL_BOX = 50, MINI_AB = 51, MINI_PRE_POST = 52, NAME_FIELD = 53, SELECTOR_FIELD = 54,
        FIELD_2 = 55, PICTURE_TOGGLE = 101, DIM_STEP = 203
    };

    explicit VlmCont (MidiCntrState* state);

    void setup (int fieldId, const juce::String& label, int min, int max, int displayCode);
    void setAddress (int level, int groupCode, int channel, int unit, int block, int sub, int param);
    void setKindAndBounds (int kind, float x, float y, float width, float height);
    void setRange (int min, int max);
    void setScale (float newScale);
    void setSelectorLook();
    /** Copies the part of the page's background under the control. */
    void takeBackground (const juce::Image& pageBackground);

    /** The editors' silent set: clamps, repaints on a change; nothing is sent or reported. */
    void setValueSilently (int v);
    void setValue (int v, bool notify, bool send);
    int getValue() const { return value; }
    int getMin() const { return min; }
    int getMax() const { return max; }
    int getKind() const { return kind; }
    int getFrame() const { return frame; }
    int getFieldId() const { return fieldId; }
    int getChannel() const { return channel; }
    const juce::String& getLabel() const { return label; }
    protocol::ParamAddress getAddress() const { return { level, unit, block, sub, param }; }
    int getLevel() const { return level; }
    int getDisplayCode() const { return displayCode; }
    bool isDragging() const { return dragging; }

    juce::String valueText() const;
    /** Every value of the range with a text, for the value selector. */
    void listValues (juce::StringArray& texts, juce::Array<int>& values) const;

    void readFromMulti (int zone);
    void writeToMulti (int zone);

    CommandQueue pending;
    /** Told of every change the user makes on a sending control (not of silent sets):
        the old and the new value and the gesture, the same for every step of one drag. */
    std::function<void (VlmCont&, int oldValue, int newValue, int gesture)> onUserEdit;
    int bitRole = 0;
    bool ownerDrawsLabel = true;
    bool linkedSend = false;
    bool reportOnly = false;
    /** setValue reports (and sends) its value even when it is the current one: for
        controls whose choice means more than the value, such as a favourite's assignment. */
    bool reportsUnchanged = false;
    bool valueBold = false;
    bool altKnob = false;
    juce::Colour labelColour { 0xDDFFFFFF }, valueColour { 0xFFFFFFFF };
    float labelFontHeight = 13.0f, valueFontHeight = 13.0f;
    juce::Justification labelJustification { juce::Justification::centred }, valueJustification { juce::Justification::centred };

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    void userSet (int v);
    void clickStep();
    void send();
    void reportEdit (int old, int inGesture);
    void post (int code);
    void applyDefaultColours();
    void updateGeometry();
    int scaled (float length) const { return juce::roundToInt (length * scale); }
    void paintBody (juce::Graphics& g, int top);

    MidiCntrState* state;
    float dragDivisor = 2.0f;
    int level = 0, groupCode = 0, channel = 0, unit = 0, block = 0, sub = 0, param = 0;
    int fieldId = 0;
    int value = 0;
    int min = 0, max = 0;
    bool stepUp = true;
    int kind = FIELD;
    juce::String label;
    int displayCode = 0;
    juce::Rectangle<float> bounds;
    float scale = 1.0f;
    int dragStartValue = 0;
    juce::Point<int> dragStart;
    int trackX = 0;
    bool dragging = false;
    int gesture = 0;
    int frame = 0;
    int capPosition = 0;
    float travelPerPixel = 0.0f;
    int capSize = 0;
    bool selectorLook = false;
    juce::Image background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VlmCont)
};

/** The value selector: every value of a control in a list, a keypad and a slider. */
class i_Control : public juce::Component,
                  private juce::ChangeListener,
                  private stsbutListener,
                  public juce::ChangeBroadcaster
{
public:
    i_Control();

    void open (VlmCont& control);
    void close();
    bool isOpen() const { return openFlag; }
    i_Grid& getList() { return list; }
    const juce::String& getTypedNumber() const { return typed; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent& e) override;

    /** The keypad's ids: digits 1..9 and 0, -1 minus, 99 clear, 100 enter, 200 down, 201 up. */
    void pressKey (int id);

private:
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void buttonClicked (StsBut* button, int id) override;
    void takeListSelection (bool closeAfter);
    void showValue();

    bool openFlag = false;
    VlmCont* control = nullptr;
    i_Grid list;
    LscrollClass slider;
    ContainerClass container;
    juce::Label labelText, valueText, typedText;
    juce::OwnedArray<StsBut> keys;
    StsBut modeButton;
    juce::String typed;
    int maxDigits = 1;
    bool sliderShown = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (i_Control)
};
