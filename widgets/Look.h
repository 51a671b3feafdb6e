#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's look: a dark theme, and one embedded Arial-metric face
    (Liberation Sans) handed out for "Arial" and the default sans face, so
    that text looks the same on every machine. */
class ZK7LookAndFeel : public juce::LookAndFeel_V4
{
public:
    ZK7LookAndFeel();

    juce::Typeface::Ptr getTypefaceForFont (const juce::Font& font) override;

private:
    juce::Typeface::Ptr regular, bold;
};

/** Makes the program's look the default while it lives. */
class ScopedDefaultLook
{
public:
    ScopedDefaultLook() { juce::LookAndFeel::setDefaultLookAndFeel (&look); }
    ~ScopedDefaultLook() { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }

private:
    ZK7LookAndFeel look;
};
