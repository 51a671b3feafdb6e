#include "widgets/Buttons.h"
#include "widgets/Pictures.h"

StsBut::StsBut (const juce::String& t, int buttonId, bool isMomentary, float height, int body)
    : id (buttonId), bodyHeight (body), text (t), fontHeight (height), momentary (isMomentary)
{
}

void StsBut::setLit (bool shouldBeLit)
{
    if (lit != shouldBeLit)
    {
        lit = shouldBeLit;
        repaint();
    }
}

void StsBut::setText (const juce::String& newText)
{
    text = newText;
    if (editor != nullptr)
        editor->setText (newText, false);
    repaint();
}

void StsBut::setStyle (int newStyle)
{
    style = newStyle;
    if (style == STYLE_EDIT && editor == nullptr)
    {
        editor = std::make_unique<juce::TextEditor>();
        editor->setColour (juce::TextEditor::textColourId, juce::Colour (0xFF000000));
        editor->setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xFF5A6163));
        editor->setFont (juce::Font ("Arial", fontHeight, juce::Font::plain));
        editor->setText (text, false);
        editor->addMouseListener (this, false);
        addAndMakeVisible (*editor);
        resized();
    }
    repaint();
}

void StsBut::moveTo (int x, int y) { setTopLeftPosition (x, y); }
void StsBut::moveBy (int dx, int dy) { setTopLeftPosition (getX() + dx, getY() + dy); }

void StsBut::setHome (int x, int y)
{
    homeX = x;
    homeY = y;
}

void StsBut::resized()
{
    if (editor != nullptr)
        editor->setBounds (0, -5, getWidth(), getHeight() + 3);
}

void StsBut::notify()
{
    listeners.call ([this] (stsbutListener& l) { l.buttonClicked (this, id); });
}

void StsBut::mouseDown (const juce::MouseEvent&)
{
    if (! momentary)
        pressed = true;
    if (! notifyOnRelease)
    {
        repaint();
        notify();
    }
}

void StsBut::mouseUp (const juce::MouseEvent& e)
{
    const auto p = e.getEventRelativeTo (this).getPosition();
    // The pressed look ends with every release, also for buttons that report on release.
    pressed = false;
    repaint();
    if (notifyOnRelease && p.x > -2 && p.x < getWidth() && p.y > -2 && p.y < getHeight())
        notify();
}

void StsBut::paint (juce::Graphics& g)
{
    if (style == STYLE_PICTURE || style == STYLE_PICTURE_ALT)
        paintPicture (g);
    else if (style != STYLE_EDIT)
        paintDefault (g);
}

void StsBut::paintDefault (juce::Graphics& g)
{
    const auto body = juce::Rectangle<float> (2.0f, (float) (getHeight() - bodyHeight) / 2.0f, (float) getWidth() - 4.0f, (float) bodyHeight);
    const bool defaultColours = style == STYLE_DEFAULT || style == STYLE_TEXT_SAME;

    if (defaultColours)
    {
        g.setColour (juce::Colour (pressed ? 0xFF1E1E1E : 0xFF292929));
        g.fillRoundedRectangle (body, 2.0f);
        g.setColour (juce::Colour (lit ? (pressed ? 0xFF0096D7 : 0xFF0063E8) : 0xFF7E7E7E));
        g.drawRoundedRectangle (body, 2.0f, 2.0f);
        if (pressed)
        {
            g.setColour (juce::Colour (0xFF363636));
            g.drawRoundedRectangle (body.reduced (2.0f), 2.0f, 1.0f);
        }
    }
    else
    {
        g.setColour (secondColour);
        g.drawRoundedRectangle (body, 2.0f, 1.0f);
    }

    if (text.isNotEmpty())
    {
        g.setColour (defaultColours ? juce::Colour (lit ? 0xFF71ADFF : 0xFFC8C8C8) : textColour);
        g.setFont (juce::Font ("Arial", fontHeight, juce::Font::plain));
        // A caption wider than the body is narrowed a little rather than cut.
        g.drawFittedText (text, body.toNearestInt(), juce::Justification::centred, 1, 0.75f);
    }
}

void StsBut::paintPicture (juce::Graphics& g)
{
    using pictures::Id;
    g.drawImage (pictures::get (pressed ? Id::buttonBodyPressed : Id::buttonBody), 0, 0, getWidth() - 5, 20, 0, 0, 200, 40);
    g.drawImage (pictures::get (pressed ? Id::buttonEndPressed : Id::buttonEnd), getWidth() - 5, 0, 5, 20, 0, 0, 10, 40);
    if (text.isNotEmpty())
    {
        g.setColour (textColour);
        g.setFont (juce::Font ("Arial", fontHeight, juce::Font::plain));
        g.drawText (text, juce::Rectangle<int> (0, 0, getWidth() - (hasLamp ? 20 : 0), 20), juce::Justification::centred, true);
    }
    if (hasLamp)
    {
        const auto lamp = pictures::get (lit ? Id::lampOn : Id::lampOff);
        g.setOpacity (lit ? 1.0f : 0.4f);
        if (lit)
            g.drawImage (lamp, getWidth() - 19, 6, 12, 8, 0, 0, 19, 12);
        else
            g.drawImage (lamp, getWidth() - 17, 7, 9, 6, 0, 0, 19, 12);
        g.setOpacity (1.0f);
    }
}

void StsBut::drawButtonShadow (juce::Graphics& g, const StsBut& button, int dx, int dy, float corner)
{
    if (! button.isVisible())
        return;
    auto area = button.getBounds().toFloat();
    if (button.style == STYLE_DEFAULT)
        area = area.withSizeKeepingCentre (area.getWidth() - 2.0f, (float) button.bodyHeight + 2.0f);
    else if (button.style == STYLE_PICTURE_ALT)
        area = area.withHeight (20.0f);
    g.setColour (juce::Colour (0x6C000000));
    g.fillRoundedRectangle (area.expanded (1.0f).translated ((float) dx, (float) dy), corner);
}

//==============================================================================
void StsLabel::setup (const juce::String& newText, const juce::String& font, float height, juce::Colour colour,
                      int newStyleFlags, juce::Justification just)
{
    text = newText;
    fontName = font;
    fontHeight = height;
    textColour = colour;
    styleFlags = newStyleFlags;
    justification = just;
    repaint();
}

void StsLabel::setText (const juce::String& newText)
{
    text = newText;
    repaint();
}

void StsLabel::setFilled()
{
    mode = FILLED_WITH_LINE;
    fillColour = juce::Colour (0xFF000000);
    lineColour = juce::Colour (0xFF9F9F9F);
    repaint();
}

void StsLabel::setPicture (const juce::Image& image)
{
    picture = image;
    mode = PICTURE;
    repaint();
}

void StsLabel::paint (juce::Graphics& g)
{
    if (mode == PICTURE)
        g.drawImage (picture, getLocalBounds().toFloat());
    if (mode == FILLED || mode == FILLED_WITH_LINE)
        g.fillAll (fillColour);
    if (mode == FILLED_WITH_LINE)
    {
        g.setColour (lineColour);
        g.drawHorizontalLine (getHeight() - 1, 0.0f, (float) getWidth());
    }
    g.setColour (textColour);
    g.setFont (juce::Font (fontName, fontHeight, styleFlags));
    g.drawText (text, getLocalBounds().reduced (2, 0), justification, true);
}

//==============================================================================
Message_Box::Message_Box (const juce::String& t, int c, int x, int y, int width, int height)
    : text (t), ok ("OK", 1, false, 12.0f, 26), cancel ("CANCEL", 2, false, 12.0f, 26), code (c)
{
    for (auto* b : { &ok, &cancel })
    {
        b->textColour = juce::Colour (0xDDFFFFFF);
        b->addListener (this);
        addAndMakeVisible (*b);
    }
    setBounds (x, y, width, height);
}

void Message_Box::setText (const juce::String& newText)
{
    text = newText;
    repaint();
}

void Message_Box::resized()
{
    const int buttonsY = (getHeight() - 30) / 2 + 46;
    ok.setBounds ((getWidth() - 180) / 2, buttonsY, 80, 30);
    cancel.setBounds ((getWidth() - 180) / 2 + 100, buttonsY, 80, 30);
}

void Message_Box::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xDD000000));
    g.setColour (juce::Colours::white);
    g.setFont (juce::Font ("Arial", 18.0f, juce::Font::plain));
    g.drawText (text, 0, (getHeight() - 30) / 2, getWidth(), 30, juce::Justification::centred, true);
}

void Message_Box::buttonClicked (StsBut* button, int)
{
    if (button == &ok)
        listeners.call ([this] (MSGBListener& l) { l.messageConfirmed (this, code); });
    else
        listeners.call ([this] (MSGBListener& l) { l.messageCancelled (this, code); });
}

void Message_Box::timerCallback()
{
    stopTimer();
    listeners.call ([this] (MSGBListener& l) { l.messageTimedOut (this, code); });
}

//==============================================================================
RenameCnt::RenameCnt()
    : cancelButton ("Cancel", CANCEL_ID, false, 12.0f, 18),
      keyboardButton ("Keyboard", KEYBOARD_ID, false, 12.0f, 18),
      okButton ("OK", OK_ID, false, 12.0f, 18)
{
    editor.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain));
    addAndMakeVisible (editor);
    for (auto* b : { &cancelButton, &keyboardButton, &okButton })
        addAndMakeVisible (*b);
}

void RenameCnt::addButtonListener (stsbutListener* listener)
{
    for (auto* b : { &cancelButton, &keyboardButton, &okButton })
        b->addListener (listener);
}

void RenameCnt::resized()
{
    editor.setBounds (0, 0, getWidth(), 22);
    cancelButton.setBounds (0, 26, 50, 18);
    keyboardButton.setBounds (52, 26, 112, 18);
    okButton.setBounds (166, 26, 50, 18);
}

//==============================================================================
progBarSM::progBarSM (int segmentCount, int width, int height) : segments (segmentCount)
{
    setSize (width, height);
}

void progBarSM::setProgress (int p)
{
    progress = p;
    if (p == segments)
        sendChangeMessage();
    else
        repaint();
}

void progBarSM::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xBC000000));
    const int x0 = (getWidth() - 30 * segments) / 2, y0 = (getHeight() - 12) / 2;
    for (int i = 0; i < segments; ++i)
    {
        const juce::Rectangle<int> segment (x0 + 30 * i, y0, 24, 12);
        if (i < progress)
        {
            g.setColour (juce::Colour (0xFF39A4FF));
            g.fillRect (segment);
            g.setColour (juce::Colour (0xFFAAE4FB));
        }
        else
            g.setColour (juce::Colour (0xFF204D5E));
        g.drawRect (segment, 1);
    }
}

//==============================================================================
void WoodSide::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF000000));
    const auto image = pictures::get (pictures::Id::sidePanel);
    if (right)
        g.drawImage (image, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
    else
        g.drawImageTransformed (image, juce::AffineTransform::scale (-(float) getWidth() / (float) image.getWidth(),
                                                                     (float) getHeight() / (float) image.getHeight())
                                           .translated ((float) getWidth(), 0.0f));
}
