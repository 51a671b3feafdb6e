#include "widgets/VlmCont.h"
#include "comms/ZK5Class.h"
#include "widgets/Pictures.h"

using pictures::Id;

VlmCont::VlmCont (MidiCntrState* s) : state (s) {}

void VlmCont::setup (int newFieldId, const juce::String& newLabel, int newMin, int newMax, int newDisplayCode)
{
    fieldId = newFieldId;
    label = newLabel;
    min = newMin;
    max = newMax;
    displayCode = newDisplayCode;
    value = min;
}

void VlmCont::setAddress (int newLevel, int newGroupCode, int newChannel, int newUnit, int newBlock, int newSub, int newParam)
{
    level = newLevel;
    groupCode = newGroupCode;
    channel = newChannel & 15;
    unit = newUnit;
    block = newBlock;
    sub = newSub;
    param = newParam;
}

void VlmCont::applyDefaultColours()
{
    valueColour = juce::Colour (0xFFFFFFFF);
    labelColour = juce::Colour (0xDDFFFFFF);
    switch (kind)
    {
        case FIELD: case SELECTOR_FIELD: case FIELD_2: valueColour = juce::Colour (0xFFFCFCFC); break;
        case LONG_FIELD: valueColour = juce::Colour (0xFFDADADA); break;
        case SMALL_BOX: valueColour = juce::Colour (max - min < 4 ? 0xFFEEEEEE : 0xFFDADADA); break;
        case NAME_FIELD:
            valueColour = juce::Colour (0xFFDDDDDD);
            valueFontHeight = 12.0f;
            valueJustification = juce::Justification::centredLeft;
            break;
        case DIM_STEP:
            labelColour = juce::Colour (0xFF555555);
            valueColour = juce::Colour (0xFF6E6E6E);
            break;
        default: break;
    }
}

void VlmCont::setKindAndBounds (int newKind, float x, float y, float width, float height)
{
    kind = newKind;
    bounds = { x, y, width, height };
    applyDefaultColours();
    setBounds (scaled (x), scaled (y), scaled (width), scaled (height));
    setRange (min, max);   // after the bounds: the slider's track hangs on the width
}

void VlmCont::setRange (int newMin, int newMax)
{
    min = newMin;
    max = newMax;
    if (max < 15)
        dragDivisor = 15.0f;
    switch (kind)
    {
        case KNOB: frame = 0; travelPerPixel = (float) (max - min); break;
        case DRAG_AREA: frame = 2; break;
        case FADER: capSize = 13; travelPerPixel = (float) (max - min) / 133.0f; break;
        case SLIDER: capSize = 41; travelPerPixel = (float) (max - min) / 109.0f; break;
        case SMALL_BOX: applyDefaultColours(); break;
        default: break;
    }
    value = juce::jlimit (min, juce::jmax (min, max), value);
    updateGeometry();
}

void VlmCont::setScale (float newScale)
{
    scale = newScale;
    setBounds (scaled (bounds.getX()), scaled (bounds.getY()), scaled (bounds.getWidth()), scaled (bounds.getHeight()));
    updateGeometry();
}

void VlmCont::setSelectorLook()
{
    selectorLook = true;
    valueBold = true;
    valueColour = juce::Colours::white;
    repaint();
}

void VlmCont::takeBackground (const juce::Image& pageBackground)
{
    background = pageBackground.getClippedImage (getBounds()).createCopy();
    repaint();
}

void VlmCont::updateGeometry()
{
    const int r = max - min;
    if (kind == KNOB && r > 0)
    {
        const float angle = 300.0f * (float) (value - min) / (float) r;
        frame = juce::jlimit (0, 54, juce::roundToInt (angle / 5.3f));
        if (angle / 5.3f > 53.0f)
            frame = 54;
    }
    else if (kind == FADER && travelPerPixel > 0.0f)
        capPosition = (int) ((float) (max - value) / travelPerPixel) + 1;
    else if (kind == SLIDER && travelPerPixel > 0.0f)
    {
        trackX = juce::roundToInt ((float) getWidth() - 150.0f);
        capPosition = (int) ((float) (value - min) / travelPerPixel) + 10;
    }
}

//==============================================================================
void VlmCont::setValueSilently (int v)
{
    v = juce::jlimit (min, juce::jmax (min, max), v);
    if (v == value)
        return;
    value = v;
    updateGeometry();
    repaint();
}

void VlmCont::setValue (int v, bool notify, bool shouldSend)
{
    if (juce::jlimit (min, juce::jmax (min, max), v) == value && ! reportsUnchanged)
        return;   // the current value again: no repaint, no command, no send
    const int old = value;
    setValueSilently (v);
    if (notify)
        post (command::VALUE_CHANGED);
    if (shouldSend)
    {
        send();
        if (notify)
            reportEdit (old, ++gesture);   // a choice from the value selector is one step
    }
}

void VlmCont::reportEdit (int old, int inGesture)
{
    if (onUserEdit && level != 0)
        onUserEdit (*this, old, value, inGesture);
}

void VlmCont::userSet (int v)
{
    v = juce::jlimit (min, juce::jmax (min, max), v);
    if (v == value)
        return;
    const int old = value;
    setValueSilently (v);
    post (command::VALUE_CHANGED);
    send();
    reportEdit (old, dragging ? gesture : ++gesture);   // one drag is one gesture
}

void VlmCont::post (int code)
{
    if (code == command::VALUE_CHANGED)
        pending.post (command::make (code, fieldId, (groupCode << 4) + channel, value));
    else
        pending.post (command::make (code, fieldId, channel, 0));
    sendChangeMessage();
}

void VlmCont::send()
{
    if (level == 0 || state == nullptr)
        return;
    state->sendParameterEdit (bitRole, getAddress(), channel, value);

    if (linkedSend)
    {
        static const int pairedSubs[] = { 3, 4, 5, 6, 7, 8, 12, 13, 14, 15, 16 };
        const bool paired = block == 3 && param == 0 && std::find (std::begin (pairedSubs), std::end (pairedSubs), sub) != std::end (pairedSubs);
        state->sendParameterEdit (bitRole, { level, unit, block, sub, paired ? 1 : param }, channel, value);
    }
}

void VlmCont::clickStep()
{
    if (value == min)
    {
        stepUp = true;
        userSet (value + 1);
    }
    else if (value == max)
    {
        stepUp = false;
        userSet (value - 1);
    }
    else
        userSet (stepUp ? value + 1 : value - 1);
    repaint();
}

juce::String VlmCont::valueText() const
{
    return state != nullptr ? state->formatValue (value, displayCode) : juce::String (value);
}

void VlmCont::listValues (juce::StringArray& texts, juce::Array<int>& values) const
{
    const int code = displayCode > 1999 ? displayCode + 1 : displayCode;
    for (int v = min; v <= max; ++v)
    {
        const auto text = state != nullptr ? state->formatValue (v, code) : juce::String (v);
        if (text.isNotEmpty())
        {
            texts.add (text);
            values.add (v);
        }
    }
}

void VlmCont::readFromMulti (int zone)
{
    if (auto* store = state != nullptr ? dynamic_cast<ZK5Class*> (state->getObjectStore()) : nullptr)
        setValueSilently (store->multiEdit.getValue (groupCode, fieldId, zone));
}

void VlmCont::writeToMulti (int zone)
{
    if (auto* store = state != nullptr ? dynamic_cast<ZK5Class*> (state->getObjectStore()) : nullptr)
        store->multiEdit.setValue (groupCode, fieldId, zone, value);
}

//==============================================================================
void VlmCont::mouseDown (const juce::MouseEvent& e)
{
    if (reportOnly)
    {
        sendChangeMessage();
        return;
    }
    dragStart = e.getPosition();
    const bool smallRange = max - min < 4;

    switch (kind)
    {
        case SWITCH: case STEP_AREA: case LONG_FIELD: case STEP_AREA_2: case MINI_AB: case MINI_PRE_POST:
        case PICTURE_TOGGLE: case DIM_STEP:
            clickStep();
            break;
        case FIELD: case NAME_FIELD: case SELECTOR_FIELD: case FIELD_2:
            if (smallRange) clickStep(); else post (command::OPEN_SELECTOR);
            break;
        case SMALL_BOX:
            if (smallRange) { clickStep(); break; }
            dragging = true;
            ++gesture;
            dragStartValue = value;
            repaint();
            break;
        case KNOB: case DRAG_AREA: case FADER:
            dragging = true;
            ++gesture;
            dragStartValue = value;
            repaint();
            break;
        case SLIDER:
            dragStart.x -= trackX;
            dragging = true;
            ++gesture;
            dragStartValue = value;
            repaint();
            break;
        default:
            break;
    }
}

void VlmCont::mouseDrag (const juce::MouseEvent& e)
{
    if (! dragging || reportOnly)
        return;
    const int x = e.x, y = e.y;
    switch (kind)
    {
        case KNOB: case SMALL_BOX:
            userSet ((int) ((float) (x - dragStart.x) / dragDivisor) + dragStartValue - (int) ((float) (y - dragStart.y) / dragDivisor));
            break;
        case FADER:
            userSet (max - (int) (travelPerPixel * (float) ((int) ((float) y - 20.0f * scale) - capSize / 2)));
            break;
        case SLIDER:
            userSet ((int) ((float) (x - capSize / 2 - trackX) * travelPerPixel + (float) min));
            break;
        default:
            break;
    }
}

void VlmCont::mouseUp (const juce::MouseEvent&)
{
    if (! reportOnly && dragging)
    {
        dragging = false;
        repaint();
    }
}

void VlmCont::mouseDoubleClick (const juce::MouseEvent&)
{
    post (command::OPEN_SELECTOR);
}

void VlmCont::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    if (wheel.deltaY > 0)
        userSet (value + 1);
    else if (wheel.deltaY < 0)
        userSet (value - 1);
}

//==============================================================================
void VlmCont::paint (juce::Graphics& g)
{
    if (background.isValid())
        g.drawImageAt (background, 0, 0);

    const int top = ownerDrawsLabel ? 0 : scaled (16.0f);
    paintBody (g, top);

    if (! ownerDrawsLabel)
    {
        g.setColour (labelColour);
        g.setFont (juce::Font ("Arial", labelFontHeight * scale, juce::Font::plain));
        g.drawText (label, 0, 0, getWidth(), scaled (16.0f), labelJustification, true);
    }
}

void VlmCont::paintBody (juce::Graphics& g, int top)
{
    const int w = getWidth();
    int textY = top + scaled (4.0f);
    auto field = [&] (int y)
    {
        const int h = scaled (24.0f);
        g.drawImage (pictures::get (Id::fieldLeft), 0, y, scaled (10.0f), h, 0, 0, 10, 24);
        g.drawImage (pictures::get (Id::fieldMiddle), scaled (10.0f), y, w - scaled (20.0f), h, 0, 0, 10, 24);
        g.drawImage (pictures::get (Id::fieldRight), w - scaled (10.0f), y, scaled (10.0f), h, 0, 0, 10, 24);
    };

    switch (kind)
    {
        case FIELD: case SMALL_BOX: case FIELD_2:
            if (selectorLook)
                g.drawImage (pictures::get (Id::bar), 0, top, scaled (181.0f), scaled (22.0f), 0, 0, 200, 22);
            else
                field (top);
            break;
        case SWITCH:
        {
            const bool on = value != 0;
            g.setOpacity (on ? 0.9f : 0.4f);
            g.drawImageAt (pictures::get (on ? Id::lampOn : Id::lampOff), 0, top + (getHeight() - top - 12) / 2);
            g.setOpacity (1.0f);
            g.setColour (labelColour);
            g.setFont (juce::Font ("Arial", labelFontHeight * scale, juce::Font::plain));
            g.drawText (label, scaled (30.0f), top, w - scaled (30.0f), getHeight() - top, juce::Justification::centredLeft, true);
            return;
        }
        case KNOB:
        {
            const int knobX = (w - 48) / 2;
            g.drawImageAt (pictures::get (Id::knobSocket), knobX, top);
            g.drawImage (pictures::get (altKnob ? Id::knobStripAlt : Id::knobStrip), knobX + 1, top + 1, 46, 46, frame * 47, 0, 46, 46);
            textY = scaled (65.0f);
            break;
        }
        case FADER:
        {
            const int trackLeft = w / 2 - 4;
            g.setColour (juce::Colour (0xFF050505));
            g.fillRoundedRectangle ((float) trackLeft, (float) scaled (20.0f), 8.0f, (float) scaled (140.0f), 7.0f);
            g.setColour (juce::Colour (0x66FFFFFF));
            for (int tick = 0; tick < 9; ++tick)
                g.drawHorizontalLine (scaled (20.0f) + tick * scaled (140.0f) / 8, (float) trackLeft - 8.0f, (float) trackLeft - 2.0f);
            g.drawImageAt (pictures::get (Id::faderCap), w / 2 - 18, scaled ((float) capPosition + 18.0f) + (dragging ? 1 : 0));
            textY = scaled (170.0f);
            break;
        }
        case LONG_FIELD:
            g.drawImage (pictures::get (Id::bar), 0, top, w - 14, 22, 0, 0, 200, 22);
            g.drawImageAt (pictures::get (Id::barEnd), w - 14, top);
            break;
        case SLIDER:
            g.drawImageAt (pictures::get (Id::sliderTrack), trackX, scaled (18.0f));
            g.drawImageAt (pictures::get (Id::sliderCap), trackX + capPosition - 20, scaled (18.0f));
            g.setColour (valueColour);
            g.setFont (juce::Font ("Arial", 12.0f * scale, juce::Font::plain));
            g.drawText (valueText(), 0, scaled (18.0f), trackX, scaled (18.0f), juce::Justification::centred, true);
            return;
        case MINI_AB: case MINI_PRE_POST:
        {
            g.drawImageAt (pictures::get (value == 0 ? Id::miniSwitchA : Id::miniSwitchB), 0, top);
            g.setColour (juce::Colour (0xFFEBEBEB));
            g.setFont (juce::Font ("Arial", 10.0f * scale, juce::Font::bold));
            const juce::String text = kind == MINI_AB ? (value == 0 ? "A" : "B") : (value == 0 ? "PRE" : "POST");
            g.drawText (text, 0, top, 34, 11, juce::Justification::centred, false);
            return;
        }
        case SELECTOR_FIELD:
            g.drawImage (pictures::get (Id::bar), 0, top, scaled (180.0f), scaled (24.0f), 0, 0, 200, 22);
            textY = top + scaled (5.0f);
            break;
        case PICTURE_TOGGLE:
        {
            const bool on = value != 0;
            g.setOpacity (on ? 0.9f : 0.4f);
            g.drawImageAt (pictures::get (on ? Id::lampOn : Id::lampOff), (w - 19) / 2, (getHeight() - 12) / 2);
            g.setOpacity (1.0f);
            return;
        }
        case NAME_FIELD:
            break;
        default:
            return;   // the invisible kinds
    }

    g.setColour (valueColour);
    g.setFont (juce::Font ("Arial", valueFontHeight * scale, valueBold ? juce::Font::bold : juce::Font::plain));
    g.drawText (valueText(), 0, textY, w, scaled (14.0f), valueJustification, true);
}

//==============================================================================
i_Control::i_Control() : modeButton ("SLIDER", 300, false, 13.0f, 30)
{
    addAndMakeVisible (container);
    addAndMakeVisible (list);
    list.addChangeListener (this);
    slider.configure (false, 760, 60, 30, 470, LscrollClass::SCROLL_BAR);
    slider.addChangeListener (this);
    addChildComponent (slider);

    for (auto* l : { &labelText, &valueText, &typedText })
    {
        l->setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
        l->setColour (juce::Label::textColourId, juce::Colour (0xFFDADADA));
        addAndMakeVisible (*l);
    }

    struct Key { const char* text; int id; int x, y, width; float font; };
    const Key layout[] = { { "1", 1, 774, 550, 40, 12 }, { "2", 2, 822, 550, 40, 12 }, { "3", 3, 870, 550, 40, 12 },
                           { "4", 4, 774, 598, 40, 12 }, { "5", 5, 822, 598, 40, 12 }, { "6", 6, 870, 598, 40, 12 },
                           { "7", 7, 774, 646, 40, 12 }, { "8", 8, 822, 646, 40, 12 }, { "9", 9, 870, 646, 40, 12 },
                           { "-", -1, 774, 694, 40, 12 }, { "0", 0, 822, 694, 40, 12 }, { "C", 99, 870, 694, 40, 12 },
                           { "INC", 201, 938, 598, 50, 15 }, { "DEC", 200, 938, 646, 50, 15 }, { "ENTER", 100, 928, 694, 60, 12 } };
    for (const auto& k : layout)
    {
        auto* key = keys.add (new StsBut (k.text, k.id, false, k.font, 36));
        key->setBounds (k.x, k.y, k.width, 40);
        key->addListener (this);
        addAndMakeVisible (key);
    }
    modeButton.setBounds (928, 550, 60, 40);
    modeButton.addListener (this);
    addAndMakeVisible (modeButton);
    setVisible (false);
}

void i_Control::resized()
{
    container.setBounds (752, 14, 248, 730);
    list.setBounds (754, 60, 244, 470);
    labelText.setBounds (754, 15, 240, 20);
    valueText.setBounds (754, 35, 240, 20);
    typedText.setBounds (746, 35, 50, 20);
}

void i_Control::open (VlmCont& c)
{
    control = &c;
    openFlag = true;
    setVisible (true);

    juce::StringArray texts;
    juce::Array<int> values;
    control->listValues (texts, values);
    list.setItems (texts, values);
    maxDigits = 1;
    for (const int v : values)
        maxDigits = juce::jmax (maxDigits, juce::String (std::abs (v)).length());
    slider.maximum = juce::jmax (1, values.size() - 1);

    const int index = values.indexOf (control->getValue());
    list.select (index, false);
    labelText.setText (control->getLabel(), juce::dontSendNotification);
    showValue();
    toFront (true);
}

void i_Control::close()
{
    openFlag = false;
    setBounds (-500, -500, 50, 50);
    setVisible (false);
}

void i_Control::showValue()
{
    valueText.setText (control != nullptr ? control->valueText() : juce::String(), juce::dontSendNotification);
    typedText.setText (typed, juce::dontSendNotification);
}

void i_Control::paint (juce::Graphics& g)
{
    if (! openFlag)
        return;
    g.fillAll (juce::Colour (0x66000000));
    const juce::Rectangle<float> panel (744, 10, 280, 750);
    g.setColour (juce::Colour (0xFF222222));
    g.fillRoundedRectangle (panel, 10.0f);
    g.setColour (juce::Colour (0xDD457089));
    g.drawRoundedRectangle (panel, 10.0f, 3.0f);
}

void i_Control::mouseDown (const juce::MouseEvent& e)
{
    if (e.x < 744)
        close();
}

void i_Control::takeListSelection (bool closeAfter)
{
    if (control == nullptr || list.getSelectedIndex() < 0)
        return;
    int v = list.getSelectedValue() & 0xFFFF;
    if (v >= 32770)
        v -= 65536;
    control->setValue (v, true, true);
    showValue();
    if (closeAfter)
        close();
}

void i_Control::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (source == &slider)
    {
        list.select (slider.getValue(), true);
        return;
    }
    bool doubleClicked = false;
    for (const auto word : list.pending.takeAll())
        doubleClicked = doubleClicked || command::code (word) == i_Grid::DOUBLE_CLICK;
    takeListSelection (doubleClicked);
}

void i_Control::pressKey (int id)
{
    if (id >= 0 && id <= 9)
    {
        const int limit = maxDigits + (typed.startsWith ("-") ? 1 : 0);
        if (typed.length() < limit)
            typed << id;
    }
    else if (id == -1)
        typed = typed.startsWith ("-") ? typed.substring (1) : "-" + typed;
    else if (id == 99)
        typed.clear();
    else if (id == 100 && typed.isNotEmpty())   // with nothing typed, Enter keeps the chosen value
    {
        const int wanted = juce::jmax (0, typed.getIntValue());
        list.selectValue (wanted);
        typed.clear();
    }
    else if (id == 201)
        list.moveSelection (1);
    else if (id == 200)
        list.moveSelection (-1);
    showValue();
}

void i_Control::buttonClicked (StsBut* button, int id)
{
    if (button == &modeButton)
    {
        sliderShown = ! sliderShown;
        modeButton.setText (sliderShown ? "LIST" : "SLIDER");
        list.setVisible (! sliderShown);
        slider.setVisible (sliderShown);
        slider.setValue (juce::jmax (0, list.getSelectedIndex()));
        return;
    }
    pressKey (id);
}
