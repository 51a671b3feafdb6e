#include "widgets/FeelAndLook.h"
#include "widgets/Pictures.h"

using pictures::Id;

void FeelAndLook::paintEdges (juce::Graphics& g, int x, int y, int w, int h)
{
    g.drawImage (pictures::get (Id::frameTop), x, y, w, 7, 0, 0, 50, 7);
    g.drawImage (pictures::get (Id::frameBottom), x, y + h - 7, w, 7, 0, 0, 50, 7);
    g.drawImage (pictures::get (Id::frameLeft), x, y, 7, h, 0, 0, 7, 50);
    g.drawImage (pictures::get (Id::frameRight), x + w - 7, y, 7, h, 0, 0, 7, 50);
    const auto corner = pictures::get (Id::frameCorner);
    for (const auto& p : { juce::Point<int> (x, y), { x + w - 7, y }, { x, y + h - 7 }, { x + w - 7, y + h - 7 } })
        g.drawImageAt (corner, p.x, p.y);
}

void FeelAndLook::paintPanel (juce::Graphics& g, int width, int height, juce::Colour tint)
{
    if (width <= 0 || height <= 0)
        return;

    juce::Image panel (juce::Image::ARGB, width, height, true);
    {
        juce::Graphics p (panel);
        paintEdges (p, 0, 0, width, height);

        // The texture in bands of 114 pixels, the last one cut to end 5 pixels above the bottom.
        const auto texture = pictures::get (Id::panelTexture);
        const int bandWidth = juce::jmin (width - 10, 1009);
        if (height <= 113)
            p.drawImage (texture, 5, 5, bandWidth, height - 10, 0, 0, bandWidth, height - 10);
        else
            for (int band = 0, y = 5; band < 10 && y < height - 5; ++band, y += 114)
            {
                const int bandHeight = juce::jmin (114, height - 5 - y);
                p.drawImage (texture, 5, y, bandWidth, bandHeight, 0, 0, bandWidth, bandHeight);
            }

        p.fillAll (tint);
        p.drawImage (pictures::get (Id::panelOverlay), panel.getBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
    }
    g.drawImageAt (panel, 0, 0);
}

void FeelAndLook::paintFrame (juce::Graphics& g, int x, int y, int width, int height)
{
    g.setColour (juce::Colour (0xFF161616));
    g.fillRect (x, y, width, height);
    paintEdges (g, x, y, width, height);
}

void FeelAndLook::paintBox (juce::Graphics& g, int x, int y, int width, int height)
{
    const auto corner = pictures::get (Id::boxCorner);
    for (const auto& p : { juce::Point<int> (x - 6, y - 6), { x + width - 4, y - 6 }, { x - 6, y + height - 4 }, { x + width - 4, y + height - 4 } })
        g.drawImageAt (corner, p.x, p.y);
    g.drawImage (pictures::get (Id::boxEdgeH), x + 4, y - 6, width - 8, 4, 0, 0, 267, 4);
    g.drawImage (pictures::get (Id::boxEdgeH), x + 4, y + height + 2, width - 8, 4, 0, 0, 267, 4);
    g.drawImage (pictures::get (Id::boxEdgeV), x - 6, y + 4, 4, height - 8, 0, 0, 4, 425);
    g.drawImage (pictures::get (Id::boxEdgeV), x + width + 2, y + 4, 4, height - 8, 0, 0, 4, 425);
}

void FeelAndLook::paintCentred (juce::Graphics& g, const juce::Image& image, juce::Rectangle<int> area)
{
    g.setColour (juce::Colours::black);
    g.fillRect (area);
    g.drawImageAt (image, area.getCentreX() - image.getWidth() / 2, area.getCentreY() - image.getHeight() / 2);
}

void StsResor::paintLabel (juce::Graphics& g, int x, int y, int width, const juce::String& text)
{
    const auto end = pictures::get (Id::labelEnd);
    g.drawImageAt (end, x, y);
    g.drawImageAt (end, x + width - 12, y);
    const juce::Rectangle<int> band (x + 6, y + 6, width - 12, 14);
    g.setColour (juce::Colour (0xFFA8A8A8));
    g.fillRect (band);
    g.setColour (juce::Colour (0xFFB1B1B1));
    g.drawRect (band, 1);
    g.setColour (juce::Colours::black);
    g.setFont (juce::Font ("Arial", 14.0f, juce::Font::plain));
    g.drawText (text, band, juce::Justification::centred, true);
}
