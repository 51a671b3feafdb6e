#include "widgets/Look.h"
#include "resources/Fonts.h"

ZK7LookAndFeel::ZK7LookAndFeel()
{
    const auto r = embeddedSansRegular(), b = embeddedSansBold();
    regular = juce::Typeface::createSystemTypefaceFor (r.data, r.size);
    bold = juce::Typeface::createSystemTypefaceFor (b.data, b.size);

    setColour (juce::PopupMenu::backgroundColourId, juce::Colour (0xFF000000));
    setColour (juce::PopupMenu::textColourId, juce::Colours::white);
    setColour (juce::PopupMenu::headerTextColourId, juce::Colours::white);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, juce::Colour (0xFF808080));
    setColour (juce::PopupMenu::highlightedTextColourId, juce::Colours::white);
    setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xFF5A6163));
    setColour (juce::TextEditor::textColourId, juce::Colour (0xFF000000));
    setColour (juce::Label::textColourId, juce::Colour (0xFFDADADA));
}

juce::Typeface::Ptr ZK7LookAndFeel::getTypefaceForFont (const juce::Font& font)
{
    const auto& name = font.getTypefaceName();
    if (name == "Arial" || name == juce::Font::getDefaultSansSerifFontName())
        return font.isBold() ? bold : regular;
    return juce::LookAndFeel_V4::getTypefaceForFont (font);
}
