#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Paints the framed panels every page stands on. */
class FeelAndLook
{
public:
    /** A framed, textured panel of the given size, tinted. */
    void paintPanel (juce::Graphics& g, int width, int height, juce::Colour tint);
    /** The frame alone, filled 0xFF161616. */
    void paintFrame (juce::Graphics& g, int x, int y, int width, int height);
    /** A rounded inner box. */
    void paintBox (juce::Graphics& g, int x, int y, int width, int height);
    /** Black, with the image centred in the area. */
    void paintCentred (juce::Graphics& g, const juce::Image& image, juce::Rectangle<int> area);

private:
    void paintEdges (juce::Graphics& g, int x, int y, int width, int height);
};

/** Widget pictures shared by pages that draw controls themselves. */
class StsResor
{
public:
    /** A grey label with rounded ends and black Arial 14 text. */
    void paintLabel (juce::Graphics& g, int x, int y, int width, const juce::String& text);
};

/** Small text helpers. */
namespace VelmRes
{
inline juce::String onOffText (bool flag) { return flag ? "ON" : "OFF"; }
inline juce::String sendPositionText (int n) { return n == 0 ? "PRG" : n == 1 ? "POST" : n == 2 ? "PRE" : ""; }
inline juce::String emptyText() { return {}; }
}
