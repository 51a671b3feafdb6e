#include "widgets/Displays.h"
#include "widgets/FeelAndLook.h"
#include "widgets/Pictures.h"
#include "model/ObjectType.h"
#include "model/ParDes.h"

using pictures::Id;

namespace
{
void drawValueText (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area, juce::Colour colour, float height)
{
    g.setColour (colour);
    g.setFont (juce::Font ("Arial", height, juce::Font::plain));
    g.drawText (text, area, juce::Justification::centred, true);
}

/** Text squeezed to fit its area where it can be, with an ellipsis only past that. */
void drawFittedValueText (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area, juce::Colour colour, float height)
{
    g.setColour (colour);
    g.setFont (juce::Font ("Arial", height, juce::Font::plain));
    g.drawFittedText (text, area, juce::Justification::centred, 1, 0.7f);
}

constexpr int LABEL_HEIGHT = 12;
}

//==============================================================================
void StsCont::configure (int id, const juce::String& newLabel, int x, int y, int width, int height, int newMin, int newMax, int newStyle)
{
    controlId = id;
    label = newLabel;
    min = newMin;
    max = newMax;
    style = newStyle;
    value = min - 1;
    setBounds (x, y, width, height);
}

void StsCont::setIds (int id, int newGroup, int newSub)
{
    controlId = id;
    group = newGroup;
    sub = newSub;
}

void StsCont::setValue (int v, const juce::String& newText)
{
    value = juce::jlimit (min, max, v);
    text = newText;
    if (style == NAME)
        setTooltip (text);   // a long FX chain name shows in full on hover
    if (style == KNOB && max > min)
        frame = juce::jlimit (0, 54, juce::roundToInt (300.0f * (float) (value - min) / (float) (max - min) / 5.3f));
    if (repaintOnSet)
        repaint();
    else
        dirty = true;
}

void StsCont::takeBackground (const juce::Image& pageBackground)
{
    background = pageBackground.getClippedImage (getBounds()).createCopy();
}

void StsCont::report (int event)
{
    const auto message = command::make (event, controlId, (group << 4) + sub, value);
    listeners.call ([this, message] (StsContListener& l) { l.valueReported (this, message); });
}

bool StsCont::changeTo (int v)
{
    v = juce::jlimit (min, max, v);
    if (v == value)
        return false;
    setValue (v, juce::String (v));
    return true;
}

int StsCont::capY() const
{
    const int range = juce::jmax (1, max - min);
    return travelTop() + travelLength() * (max - juce::jlimit (min, max, value)) / range;
}

int StsCont::valueAtY (int y) const
{
    return max - (y - travelTop()) * (max - min) / travelLength();
}

void StsCont::mouseDown (const juce::MouseEvent& e)
{
    dragStart = e.getPosition();
    dragStartValue = value;
    switch (style)
    {
        case KNOB: case KNOB_AREA: case DRAWBAR:
            dragging = true;
            break;
        case FADER: case FADER_AREA:
            dragging = std::abs (e.y - capY()) <= 10;
            break;
        case SWITCH: case TOGGLE: case PICTURE_TOGGLE:
            changeTo (value == 0 ? 1 : 0);
            report (TOGGLED);
            break;
        case MIN_MAX_TOGGLE:
            changeTo (value == min ? max : min);
            report (TOGGLED);
            break;
        default:
            break;
    }
}

void StsCont::mouseDrag (const juce::MouseEvent& e)
{
    if (! dragging)
        return;
    int v = value;
    if (style == KNOB || style == KNOB_AREA)
    {
        const int dx = e.x - dragStart.x, dy = e.y - dragStart.y;
        v = dragStartValue + (max - min < 15 ? dx / 15 - dy / 15 : (int) ((float) (dx - dy) / pixelScale));
    }
    else
        v = valueAtY (e.y);
    if (changeTo (v))
        report (DRAGGED);
}

void StsCont::mouseUp (const juce::MouseEvent& e)
{
    dragging = false;
    if (style == FIELD && dragStart.x > 10 && e.y < 13)
        report (FIELD_CLICKED);
    else if (style == STEP || style == STEP_2)
    {
        changeTo (value >= max ? min : value + 1);
        report (STEPPED);
    }
}

void StsCont::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    if (wheel.deltaY == 0.0f)
        return;
    changeTo (value + (wheel.deltaY > 0 ? 1 : -1));
    report (STEPPED);
}

void StsCont::paint (juce::Graphics& g)
{
    dirty = false;
    if (background.isValid())
        g.drawImageAt (background, 0, 0);
    const int w = getWidth(), h = getHeight();
    const bool hasValue = value >= min;

    switch (style)
    {
        case KNOB:
            paintKnob (g);
            break;
        case FADER:
        {
            g.setColour (juce::Colour (0xFF050505));
            g.fillRoundedRectangle ((float) w / 2 - 4, (float) travelTop(), 8.0f, (float) travelLength() + 6.0f, 4.0f);
            g.drawImageAt (pictures::get (Id::faderCap), w / 2 - 18, capY() - 3);
            drawValueText (g, hasValue ? text : juce::String(), { 0, h - 16, w, 14 }, juce::Colour (0xFFDADADA), 12.0f);
            break;
        }
        case DRAWBAR:
        {
            // The drawbar slides out of the panel by its value: its knob ends at the pulled length.
            const auto picture = pictures::get (drawbarPicture);
            const int pulled = 24 + (h - 24) * juce::jmax (0, value - min) / juce::jmax (1, max - min);
            g.drawImageAt (picture, (w - picture.getWidth()) / 2, pulled - picture.getHeight());
            break;
        }
        case SWITCH: case TOGGLE: case PICTURE_TOGGLE: case MIN_MAX_TOGGLE:
        {
            const bool on = hasValue && value != min;
            g.setOpacity (on ? 0.9f : 0.4f);
            g.drawImageAt (pictures::get (on ? Id::lampOn : Id::lampOff), style == SWITCH ? 0 : (w - 19) / 2, (h - 12) / 2);
            g.setOpacity (1.0f);
            if (style == SWITCH)
                drawValueText (g, label, { 24, 0, w - 24, h }, juce::Colour (LABEL_COLOUR), 12.0f);
            break;
        }
        case FIELD: case NAME: case LONG_FIELD:
            paintField (g);
            break;
        case DIM:
            drawValueText (g, text, getLocalBounds(), juce::Colour (0xFF6E6E6E), 11.0f);
            break;
        default:
            break;
    }
}

void StsCont::paintKnob (juce::Graphics& g)
{
    const int w = getWidth(), h = getHeight();
    // A labelled knob tall enough for it carries its label above the socket.
    const int top = label.isNotEmpty() && h >= 48 + LABEL_HEIGHT + 13 ? LABEL_HEIGHT + 2 : 0;
    if (top > 0)
        drawValueText (g, label, { 0, 0, w, LABEL_HEIGHT }, juce::Colour (LABEL_COLOUR), 11.0f);
    g.drawImageAt (pictures::get (Id::knobSocket), (w - 48) / 2, top);
    g.drawImage (pictures::get (knobPicture), (w - 48) / 2 + 1, top + 1, 46, 46, frame * 47, 0, 46, 46);
    // Under the knob, kept inside short controls such as the mixer's send knobs.
    drawValueText (g, text, { 0, juce::jmin (top + 50, h - 13), w, 13 }, juce::Colour (0xFFFFFFFF), 12.0f);
}

void StsCont::paintField (juce::Graphics& g)
{
    const int w = getWidth(), h = getHeight();
    g.drawImage (pictures::get (Id::fieldLeft), 0, 0, 10, h, 0, 0, 10, 24);
    g.drawImage (pictures::get (Id::fieldMiddle), 10, 0, w - 20, h, 0, 0, 10, 24);
    g.drawImage (pictures::get (Id::fieldRight), w - 10, 0, 10, h, 0, 0, 10, 24);
    auto area = getLocalBounds().reduced (3, 1);
    if (label.isEmpty() || h < 2 * LABEL_HEIGHT)
    {
        drawFittedValueText (g, text, area, juce::Colour (0xFFEEEEEE), style == NAME ? 11.0f : 12.0f);
        return;
    }
    // Label and object number share the top line, so the name below gets the whole width.
    const auto number = text.upToFirstOccurrenceOf (" ", false, false);
    const bool numbered = number.containsOnly ("0123456789") && number.isNotEmpty();
    auto top = area.removeFromTop (LABEL_HEIGHT);
    g.setColour (juce::Colour (LABEL_COLOUR));
    g.setFont (juce::Font ("Arial", 10.0f, juce::Font::plain));
    g.drawText (label, top, numbered ? juce::Justification::centredLeft : juce::Justification::centred, true);
    if (numbered)
        g.drawText (number, top, juce::Justification::centredRight, true);
    drawFittedValueText (g, numbered ? text.fromFirstOccurrenceOf (" ", false, false) : text, area, juce::Colour (0xFFEEEEEE), 11.0f);
}

//==============================================================================
LCD_Comp::LCD_Comp (int m, int width, int height) : mode (m)
{
    setSize (width, height);
}

void LCD_Comp::setTexts (int n, int c, int s, const juce::String& newName, const juce::String& l1, const juce::String& l2, const juce::String& l3)
{
    number = n;
    category = c;
    subCategory = s;
    name = newName;
    line1 = l1;
    line2 = l2;
    line3 = l3;
    editedNumber = -1;
    repaint();
}

void LCD_Comp::setNumber (int n) { number = n; editedNumber = -1; repaint(); }
void LCD_Comp::showEditedNumber (int n) { editedNumber = n; repaint(); }
void LCD_Comp::setName (const juce::String& newName) { name = newName; repaint(); }
void LCD_Comp::setSubCategory (int s) { subCategory = s; repaint(); }

void LCD_Comp::setCategoryAndLine (int c, const juce::String& line)
{
    category = c;
    line1 = line;
    repaint();
}

void LCD_Comp::setPositionAndScale (int x, int y, float scale)
{
    displayScale = scale;
    setTopLeftPosition (x, y);
    repaint();
}

void LCD_Comp::moveBy (int dx, int dy) { setTopLeftPosition (getX() + dx, getY() + dy); }

juce::String LCD_Comp::categoryLine (int c, int s)
{
    // The same names as the browser's filters, the mixer and the library use.
    const juce::String word (categoryName (c));
    const auto sub = subCategoryName (c, s);
    return sub.empty() ? word : word + ": " + juce::String (sub);
}

juce::Point<int> LCD_Comp::tileFor (int c, int s)
{
    auto rowOf = [s] (std::initializer_list<std::pair<int, int>> rows)
    {
        for (const auto& [sub, row] : rows)
            if (sub == s)
                return row;
        return 0;
    };
    switch (c)
    {
        case 1: case 4: return { c, rowOf ({ { 2, 1 }, { 3, 2 }, { 4, 3 } }) };
        case 2: return { 2, s >= 0 && s <= 3 ? s : 0 };
        case 3: return { 3, rowOf ({ { 2, 1 } }) };
        case 5: return { 9, rowOf ({ { 1, 1 } }) };
        case 6: return { 6, 0 };
        case 7: return { s == 2 ? 5 : s == 3 ? 8 : 7, 0 };
        case 8: return { 10, 0 };
        case 9: return { 12, 0 };
        case 10: return { 19, 0 };
        case 11: return { s == 2 ? 14 : 13, 0 };
        case 12: return { s == 2 ? 16 : 15, 0 };
        case 13: return { 20, 0 };
        default: return { 0, 0 };
    }
}

void LCD_Comp::paint (juce::Graphics& g)
{
    const auto display = mode == -1 ? getLocalBounds().withSizeKeepingCentre (216, 48).toFloat()
                                    : getLocalBounds().withSizeKeepingCentre (212, 103).toFloat();
    const auto tile = tileFor (category, subCategory);
    g.drawImage (pictures::displayTile (tile.x, tile.y), display, juce::RectanglePlacement::stretchToFit);
    g.setColour (juce::Colour (pressed ? 0xFF39A4FF : 0xFF000000));
    g.drawRoundedRectangle (display, 6.0f, 2.0f);

    auto area = display.reduced (8.0f, 5.0f).toNearestInt();
    g.setFont (juce::Font ("Arial", 12.0f * displayScale, juce::Font::plain));
    g.setColour (juce::Colour (0xFFE0E0E0));
    const int shown = editedNumber >= 0 ? editedNumber : number;
    if (shown >= 1 || editedNumber >= 0)
        g.drawText (juce::String (shown).paddedLeft ('0', 4) + (editedNumber >= 0 ? "_" : ""), area.removeFromTop (14), juce::Justification::centredLeft);
    else
        area.removeFromTop (14);

    g.setFont (juce::Font ("Arial", 17.0f * displayScale, juce::Font::bold));
    g.setColour (juce::Colour (0xFFEEEEEE));
    g.drawText (name.trimEnd(), area.removeFromTop (22), juce::Justification::centredLeft, true);
    if (mode == -1)
        return;

    g.setFont (juce::Font ("Arial", 12.0f * displayScale, juce::Font::plain));
    g.setColour (juce::Colour (0xFFD0A304));
    g.drawText (categoryLine (category, subCategory), area.removeFromTop (16), juce::Justification::centredLeft, true);
    g.setColour (juce::Colour (0xFFE0E0E0));
    for (const auto* line : { &line1, &line2, &line3 })
        g.drawText (*line, area.removeFromTop (14), juce::Justification::centredLeft, true);
}

void LCD_Comp::mouseDown (const juce::MouseEvent& e)
{
    pressed = true;
    if (inputMode)
        mouseCode = PRESS_WHILE_INPUT;
    else if ((float) e.y > 32.0f * displayScale)
        mouseCode = PRESS_BELOW;
    else if ((float) e.x > 62.0f * displayScale)
        mouseCode = PRESS_RIGHT;
    else
        mouseCode = PRESS_NAME;
    repaint();
    sendChangeMessage();
}

void LCD_Comp::mouseUp (const juce::MouseEvent&)
{
    mouseCode = RELEASE;
    if (! inputMode)
        pressed = false;
    repaint();
    sendChangeMessage();
}

//==============================================================================
ZoneKeyClass::ZoneKeyClass (int width)
{
    setSize (width, width == 505 ? 34 : 14);
}

void ZoneKeyClass::setRange (int lowNote, int highNote)
{
    low = juce::jlimit (0, 127, lowNote);
    high = juce::jlimit (0, 127, highNote);
    repaint();
}

void ZoneKeyClass::setMarked (const juce::Array<int>& notes)
{
    marked = notes;
    repaint();
}

void ZoneKeyClass::mouseDown (const juce::MouseEvent& e)
{
    dragNote = noteAt (e.x);
    dragLow = low;
    dragHigh = high;
}

void ZoneKeyClass::mouseDrag (const juce::MouseEvent& e)
{
    if (! draggable)
        return;
    const int delta = juce::jlimit (-dragLow, 127 - dragHigh, noteAt (e.x) - dragNote);
    if (dragLow + delta == low && dragHigh + delta == high)
        return;
    setRange (dragLow + delta, dragHigh + delta);
    sendChangeMessage();
}

float ZoneKeyClass::noteX (int note) const
{
    // 75 white keys for notes 0..127; a black key sits on the line between its neighbours.
    static const int whiteIndex[12] = { 0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6 };
    const float whiteWidth = (float) getWidth() / 75.0f;
    const float x = (float) ((note / 12) * 7 + whiteIndex[note % 12]) * whiteWidth;
    return pictures::isBlackKey (note) ? x + whiteWidth * 0.65f : x;
}

void ZoneKeyClass::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF232528));
    g.drawImageAt (pictures::get (getWidth() == 505 ? pictures::Id::keyboardLarge : pictures::Id::keyboardSmall), 0, 0);
    const float whiteWidth = (float) getWidth() / 75.0f, h = (float) getHeight();

    g.setColour (juce::Colour (0x66000000));
    if (mode == SPLIT)
        g.fillRect (noteX (low), 0.0f, (float) getWidth() - noteX (low), h);
    else
    {
        g.fillRect (0.0f, 0.0f, noteX (low), h);
        g.fillRect (noteX (high) + whiteWidth, 0.0f, (float) getWidth() - noteX (high) - whiteWidth, h);
        // The darkening alone is faint on the small picture: the range also gets a frame.
        g.setColour (juce::Colour (0xFF5FA8D3));
        g.drawRect (juce::Rectangle<float> (noteX (low), 0.0f, noteX (high) + whiteWidth - noteX (low), h), 1.0f);
    }
    if (mode == MARKED)
    {
        g.setColour (juce::Colours::white);
        g.setFont (juce::Font ("Arial", 9.0f, juce::Font::plain));
        for (const int note : marked)
            g.drawText (pardes::noteName (note), juce::Rectangle<float> (noteX (note) - 10.0f, 0.0f, 20.0f + whiteWidth, h), juce::Justification::centredBottom);
    }
}

//==============================================================================
void BigKnob::setPosition (int p)
{
    p = ((p % 36) + 36) % 36;
    if (p == position)
        return;
    direction = p > position ? 1 : -1;
    position = p;
    sendChangeMessage();
    repaint();
}

void BigKnob::mouseDrag (const juce::MouseEvent& e)
{
    const float angle = juce::radiansToDegrees (std::atan2 ((float) e.x - 50.0f, 50.0f - (float) e.y));
    const float degrees = angle < 0.0f ? angle + 360.0f : angle;
    setPosition (juce::jlimit (0, 35, (int) (degrees * 35.0f / 360.0f)));
}

void BigKnob::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    if (wheel.deltaY == 0.0f)
        return;
    const int next = position + (wheel.deltaY > 0 ? 1 : -1);
    const int wrapped = next > 35 ? 0 : next < 0 ? 35 : next;
    direction = wheel.deltaY > 0 ? 1 : -1;
    position = wrapped;
    sendChangeMessage();
    repaint();
}

void BigKnob::paint (juce::Graphics& g)
{
    g.drawImage (pictures::get (pictures::Id::dataWheelStrip), 0, 0, 120, 120, position * 120, 0, 120, 120);
}

//==============================================================================
WheelCnt::WheelCnt (float initialValue, bool shouldSpring) : value (initialValue), springs (shouldSpring)
{
    setSize (33, 130);
}

void WheelCnt::setValue (float v, bool byUser)
{
    v = juce::jlimit (0.0f, 127.0f, v);
    if (v == value)
        return;
    value = v;
    if (byUser)
        sendChangeMessage();
    repaint();
}

void WheelCnt::mouseDown (const juce::MouseEvent&) { dragStartValue = value; }
void WheelCnt::mouseDrag (const juce::MouseEvent& e) { setValue (dragStartValue - (float) e.getDistanceFromDragStartY(), true); }

void WheelCnt::mouseUp (const juce::MouseEvent&)
{
    if (springs)
        setValue (127.0f * 0.5f, true);
}

void WheelCnt::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    if (wheel.deltaY != 0.0f)
        setValue (value + (wheel.deltaY > 0 ? 1.0f : -1.0f), true);
}

void WheelCnt::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF0E0D0D));
    g.drawImage (pictures::get (pictures::Id::wheelStrip), 0, 0, getWidth(), getHeight(), 68 * getFrame() + 1, 0, 65, 260);
}

//==============================================================================
void Vu_Meter::raise (int newLevel)
{
    if (newLevel < level)
        return;
    level = juce::jlimit (0, 127, newLevel);
    startTimer (TICK_MS);
    repaint();
}

void Vu_Meter::timerCallback()
{
    level = juce::jmax (0, level - FALL_PER_TICK);
    if (level == 0)
        stopTimer();
    repaint();
}

void Vu_Meter::paint (juce::Graphics& g)
{
    // The dark meter, and the lit one over it up to the level.
    const auto area = getLocalBounds().toFloat();
    g.drawImage (pictures::get (pictures::Id::meterPanel), area, juce::RectanglePlacement::stretchToFit);
    const int litHeight = getHeight() * level / 127;
    g.reduceClipRegion (0, getHeight() - litHeight, getWidth(), litHeight);
    g.drawImage (pictures::get (pictures::Id::meterPanelLit), area, juce::RectanglePlacement::stretchToFit);
}

//==============================================================================
void ChannelCntrClass::setChannel (int channel1)
{
    channel1 = channel1 > 16 ? 1 : channel1 < 1 ? 16 : channel1;
    if (channel1 == channel)
        return;
    channel = channel1;
    sendChangeMessage();
    repaint();
}

void ChannelCntrClass::mouseDown (const juce::MouseEvent& e)
{
    setChannel (channel + (e.x < getWidth() / 2 ? -1 : 1));
}

void ChannelCntrClass::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xFF161719));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), 4.0f);
    g.setColour (juce::Colour (0xFFDADADA));
    g.setFont (juce::Font ("Arial", 14.0f, juce::Font::plain));
    g.drawText ("<", getLocalBounds().removeFromLeft (20), juce::Justification::centred);
    g.drawText (">", getLocalBounds().removeFromRight (20), juce::Justification::centred);
    g.drawText ("Channels: " + juce::String (channel), getLocalBounds(), juce::Justification::centred);
}

//==============================================================================
namespace
{
const int drawbarControllers[9] = { 12, 13, 22, 23, 24, 25, 26, 27, 28 };
const char* const footages[9] = { "16'", "5 1/3'", "8'", "4'", "2 2/3'", "2'", "1 3/5'", "1 1/3'", "1'" };
}

kontrols::kontrols (MidiCntrState& state) : midi (state)
{
    for (int i = 0; i < 9; ++i)
    {
        auto* fader = faders.add (new StsCont());
        fader->configure (i, juce::String::charToString ((juce::juce_wchar) ('A' + i)), 190 + 60 * i, 42, 40, 178, 0, 127, StsCont::FADER);
        fader->addListener (this);
        addAndMakeVisible (fader);
    }
    for (auto* wheel : { &pitchWheel, &modWheel })
    {
        wheel->addChangeListener (this);
        addAndMakeVisible (*wheel);
    }
    channelSelector.addChangeListener (this);
    addAndMakeVisible (channelSelector);
}

void kontrols::resized()
{
    pitchWheel.setBounds (60, 90, 33, 130);
    modWheel.setBounds (120, 90, 33, 130);
    channelSelector.setBounds (20, 240, 150, 26);

    backgroundImage = juce::Image (juce::Image::ARGB, juce::jmax (1, getWidth()), juce::jmax (1, getHeight()), true);
    juce::Graphics g (backgroundImage);
    FeelAndLook().paintPanel (g, getWidth(), getHeight(), juce::Colour (0x22000000));
    for (auto* fader : faders)
        fader->takeBackground (backgroundImage);
}

void kontrols::paint (juce::Graphics& g)
{
    g.drawImageAt (backgroundImage, 0, 0);
    g.setFont (juce::Font ("Arial", 13.0f, juce::Font::bold));
    for (int i = 0; i < 9; ++i)
    {
        const auto& fader = *faders[i];
        g.setColour (juce::Colour (0xFF68C6E1));
        g.drawText (footages[i], fader.getX() - 10, 24, fader.getWidth() + 20, 14, juce::Justification::centred);
        g.setColour (juce::Colour (0xFFDADADA));
        g.drawText (juce::String::charToString ((juce::juce_wchar) ('A' + i)), fader.getX(), 224, fader.getWidth(), 14, juce::Justification::centred);
    }
}

void kontrols::refresh()
{
    const int channel = getChannel() - 1;
    for (int i = 0; i < 9; ++i)
    {
        const int v = midi.getValue (slots::controllerSlot (channel, drawbarControllers[i]));
        faders[i]->setValue (v, juce::String (v));
    }
    modWheel.setValue ((float) midi.getValue (slots::controllerSlot (channel, 1)), false);
}

void kontrols::valueReported (StsCont* control, juce::int64 message)
{
    const int i = faders.indexOf (control);
    if (i >= 0 && command::code (message) == StsCont::DRAGGED)
        midi.setValue (slots::controllerSlot (getChannel() - 1, drawbarControllers[i]), command::value (message), true);
}

void kontrols::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    const int channel1 = getChannel();
    if (source == &modWheel)
        midi.sendController (channel1, 1, (int) modWheel.getValue());
    else if (source == &pitchWheel)
        midi.sendPitchWheel (channel1, juce::jlimit (0, 16383, (int) (pitchWheel.getValue() * 128.0f)));
    else if (source == &channelSelector)
        refresh();
    sendChangeMessage();
}
