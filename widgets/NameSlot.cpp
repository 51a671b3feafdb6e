#include "widgets/NameSlot.h"

NameSlot::NameSlot (int m, int i) : index (i), mode (m)
{
    std::tie (line1, line2) = breakName ("Standard Grand");
    setSize (58, mode == FULL ? 44 : 18);
}

std::pair<juce::String, juce::String> NameSlot::breakName (const juce::String& paddedName)
{
    // Bank names are padded with spaces to their full length; the padding is no word break.
    const auto name = paddedName.trimEnd();
    const int n = name.length();
    const int e = name.indexOfChar (' ');
    if (n <= 9 || e < 0)
        return { name, {} };

    int split = e;
    if (e <= 4)
    {
        const int f = name.indexOfChar (e + 1, ' ');
        if (f >= 0)
            split = f;
    }
    return { name.substring (0, split), name.substring (split + 1) };
}

void NameSlot::setBankText (const juce::String& text)
{
    bankText = text;
    repaint();
}

void NameSlot::setTexts (const juce::String& category, const juce::String& name)
{
    categoryText = category;
    std::tie (line1, line2) = breakName (name);
    repaint();
}

void NameSlot::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void NameSlot::mouseUp (const juce::MouseEvent&)
{
    pressed = false;
    repaint();
    pending.post (command::make (command::CHANNEL_CHOSEN, 0, 0xB0 + index, 0));
    sendChangeMessage();
}

void NameSlot::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xFF22262B), 0, 0, juce::Colour (0xFF121416), 0, area.getHeight(), false));
    g.fillRoundedRectangle (area, 3.0f);

    if (mode == SMALL)
    {
        g.setColour (juce::Colour (0xFFD3ECF0));
        g.setFont (juce::Font ("Arial", 10.0f, juce::Font::plain));
        g.drawText (bankText, 0, 1, 58, 16, juce::Justification::centred, true);
        return;
    }
    if (pressed)
    {
        g.setColour (juce::Colours::black);
        g.drawHorizontalLine (0, 0.0f, area.getWidth());
        g.drawVerticalLine (0, 0.0f, area.getHeight());
        g.setColour (juce::Colour (0xFF777777));
        g.drawHorizontalLine (getHeight() - 1, 0.0f, area.getWidth());
        g.drawVerticalLine (getWidth() - 1, 0.0f, area.getHeight());
    }
    g.setColour (juce::Colours::white);
    g.setFont (juce::Font ("Arial", 10.0f, juce::Font::plain));
    g.drawText (categoryText, 6, 1, 60, 14, juce::Justification::centredLeft, true);
    g.setColour (juce::Colour (0xFFD3ECF0));
    g.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    g.drawText (line1, 6, 16, 148, 13, juce::Justification::centredLeft, true);
    g.drawText (line2, 6, 27, 148, 13, juce::Justification::centredLeft, true);
}
