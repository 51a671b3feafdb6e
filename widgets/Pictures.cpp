#include "widgets/Pictures.h"

namespace pictures
{
namespace
{
using juce::Colour;

const Colour metalLight (0xFF3A3D42), metalDark (0xFF141517), edgeLight (0xFF5A5F66), accent (0xFF39A4FF);

juce::Image blank (int w, int h)
{
    return juce::Image (juce::Image::ARGB, w, h, true);
}

void verticalMetal (juce::Graphics& g, juce::Rectangle<float> r, Colour top, Colour bottom)
{
    g.setGradientFill (juce::ColourGradient (top, r.getTopLeft(), bottom, r.getBottomLeft(), false));
    g.fillRect (r);
}

/** A rotary knob at one of 55 positions: a dark cap with a light pointer over a 300 degree travel. */
void drawKnob (juce::Graphics& g, juce::Rectangle<float> r, int frame, Colour pointer)
{
    const auto centre = r.getCentre();
    const float radius = r.getWidth() * 0.5f - 2.0f;
    g.setGradientFill (juce::ColourGradient (Colour (0xFF55595F), centre.translated (-radius * 0.5f, -radius * 0.6f),
                                             Colour (0xFF0B0C0D), centre.translated (radius * 0.6f, radius * 0.8f), true));
    g.fillEllipse (r.reduced (2.0f));
    g.setColour (Colour (0xFF000000));
    g.drawEllipse (r.reduced (2.0f), 1.5f);
    g.setColour (Colour (0x40FFFFFF));
    g.drawEllipse (r.reduced (5.0f), 1.0f);

    const float angle = juce::degreesToRadians (-150.0f + 300.0f * (float) frame / 54.0f);
    const juce::Point<float> tip (centre.x + std::sin (angle) * (radius - 4.0f), centre.y - std::cos (angle) * (radius - 4.0f));
    const juce::Point<float> base (centre.x + std::sin (angle) * radius * 0.25f, centre.y - std::cos (angle) * radius * 0.25f);
    g.setColour (pointer);
    g.drawLine ({ base, tip }, 3.0f);
}

void drawLamp (juce::Graphics& g, int w, int h, bool on)
{
    const auto r = juce::Rectangle<float> (0, 0, (float) w, (float) h).reduced (1.5f);
    g.setColour (on ? accent : Colour (0xFF20262C));
    g.fillRoundedRectangle (r, 3.0f);
    if (on)
    {
        g.setGradientFill (juce::ColourGradient (Colour (0xCCFFFFFF), r.getCentre().translated (0, -3), Colour (0x0039A4FF),
                                                 r.getCentre().translated (0, 4), true));
        g.fillRoundedRectangle (r, 3.0f);
    }
    g.setColour (Colour (0xFF000000));
    g.drawRoundedRectangle (r, 3.0f, 1.0f);
}

void drawField (juce::Graphics& g, int w, int h, int part)
{
    // One continuous sunken field drawn three times wider, so the slices join seamlessly.
    const float totalWidth = (float) w * 3.0f;
    const float x = part == 0 ? 0.0f : part == 1 ? -(float) w : -(float) w * 2.0f;
    const juce::Rectangle<float> r (x, 0.0f, totalWidth, (float) h);
    verticalMetal (g, r, Colour (0xFF101214), Colour (0xFF24272B));
    g.setColour (Colour (0xFF000000));
    g.drawRoundedRectangle (r.reduced (0.5f), 4.0f, 1.0f);
    g.setColour (Colour (0x30FFFFFF));
    g.drawLine (x + 3.0f, (float) h - 1.0f, x + totalWidth - 3.0f, (float) h - 1.0f, 1.0f);
}

juce::Image draw (Id id)
{
    const auto size = sizeOf (id);
    auto image = blank (size.getWidth(), size.getHeight());
    juce::Graphics g (image);
    const auto all = size.toFloat();
    const int w = size.getWidth(), h = size.getHeight();

    switch (id)
    {
        case Id::frameTop: case Id::frameBottom: case Id::frameLeft: case Id::frameRight: case Id::frameCorner:
        {
            const bool horizontal = id == Id::frameTop || id == Id::frameBottom;
            g.setGradientFill (juce::ColourGradient (metalLight, 0, 0, metalDark, horizontal ? 0.0f : (float) w, horizontal ? (float) h : 0.0f, false));
            g.fillAll();
            g.setColour (edgeLight.withAlpha (0.6f));
            if (horizontal) g.drawHorizontalLine (id == Id::frameTop ? 0 : h - 1, 0, (float) w);
            else if (id != Id::frameCorner) g.drawVerticalLine (id == Id::frameLeft ? 0 : w - 1, 0, (float) h);
            break;
        }
        case Id::panelTexture:
        {
            g.fillAll (Colour (0xFF1B1C1E));
            juce::Random random (7);
            for (int y = 0; y < h; ++y)
            {
                g.setColour (Colour (0xFFFFFFFF).withAlpha (0.012f + 0.02f * random.nextFloat()));
                g.drawHorizontalLine (y, 0, (float) w);
            }
            break;
        }
        case Id::panelOverlay:
            g.setGradientFill (juce::ColourGradient (Colour (0x22FFFFFF), 0, 0, Colour (0x00000000), 0, (float) h * 0.45f, false));
            g.fillAll();
            g.setGradientFill (juce::ColourGradient (Colour (0x00000000), 0, (float) h * 0.6f, Colour (0x44000000), 0, (float) h, false));
            g.fillAll();
            break;
        case Id::boxCorner: case Id::boxEdgeH: case Id::boxEdgeV:
            g.fillAll (Colour (0xFF2B3A44));
            g.setColour (Colour (0xFF457089));
            g.drawRect (size, 1);
            break;
        case Id::knobStrip: case Id::knobStripAlt:
            for (int frame = 0; frame < 55; ++frame)
                drawKnob (g, { 47.0f * (float) frame, 0.0f, 46.0f, 46.0f }, frame, id == Id::knobStrip ? Colour (0xFFE8E8E8) : accent);
            break;
        case Id::knobSocket:
            g.setColour (Colour (0xFF050505));
            g.fillEllipse (all.reduced (1.0f));
            g.setColour (Colour (0xFF3A3D42));
            g.drawEllipse (all.reduced (1.0f), 1.0f);
            for (int tick = 0; tick <= 10; ++tick)
            {
                const float a = juce::degreesToRadians (-150.0f + 30.0f * (float) tick);
                const auto c = all.getCentre();
                g.setColour (Colour (0x66FFFFFF));
                g.drawLine (c.x + std::sin (a) * 21.0f, c.y - std::cos (a) * 21.0f, c.x + std::sin (a) * 23.5f, c.y - std::cos (a) * 23.5f, 1.0f);
            }
            break;
        case Id::faderCap:
            verticalMetal (g, all, Colour (0xFF6A6E74), Colour (0xFF1E2023));
            g.setColour (Colour (0xFF000000));
            g.drawRect (all, 1.0f);
            g.setColour (Colour (0xFFE0E0E0));
            g.drawHorizontalLine (h / 2, 3.0f, (float) w - 3.0f);
            break;
        case Id::fieldLeft: drawField (g, w, h, 0); break;
        case Id::fieldMiddle: drawField (g, w, h, 1); break;
        case Id::fieldRight: drawField (g, w, h, 2); break;
        case Id::lampOn: drawLamp (g, w, h, true); break;
        case Id::lampOff: drawLamp (g, w, h, false); break;
        case Id::bar: case Id::barEnd:
            verticalMetal (g, all, Colour (0xFF2D3035), Colour (0xFF141517));
            g.setColour (Colour (0xFF000000));
            g.drawRect (all, 1.0f);
            if (id == Id::barEnd)
            {
                g.setColour (Colour (0xFFAAAAAA));
                juce::Path arrow;
                arrow.addTriangle (3.0f, 8.0f, 11.0f, 8.0f, 7.0f, 14.0f);
                g.fillPath (arrow);
            }
            break;
        case Id::sliderTrack:
            g.setColour (Colour (0xFF050505));
            g.fillRoundedRectangle (all.reduced (1.0f, 6.0f), 3.0f);
            g.setColour (Colour (0xFF3A3D42));
            g.drawRoundedRectangle (all.reduced (1.0f, 6.0f), 3.0f, 1.0f);
            break;
        case Id::sliderCap:
            verticalMetal (g, all.reduced (1.0f), Colour (0xFF6A6E74), Colour (0xFF1E2023));
            g.setColour (Colour (0xFFE0E0E0));
            g.drawVerticalLine (w / 2, 3.0f, (float) h - 3.0f);
            break;
        case Id::miniSwitchA: case Id::miniSwitchB:
            g.setColour (Colour (0xFF101214));
            g.fillRoundedRectangle (all, 3.0f);
            g.setColour (id == Id::miniSwitchA ? Colour (0xFF3A3D42) : Colour (0xFF1F4F7A));
            g.fillRoundedRectangle (all.withWidth ((float) w / 2).withX (id == Id::miniSwitchA ? 0.0f : (float) w / 2), 3.0f);
            break;
        case Id::labelEnd:
            g.setColour (Colour (0xFFA8A8A8));
            g.fillRoundedRectangle (all.reduced (0.0f, 6.0f), 6.0f);
            break;
        case Id::headerLogo:
        {
            const juce::Font font ("Arial", 46.0f, juce::Font::bold);
            const juce::String maker ("VELMORAN "), model ("ZK7");
            const int makerWidth = juce::roundToInt (font.getStringWidthFloat (maker));
            const int start = (w - makerWidth - juce::roundToInt (font.getStringWidthFloat (model))) / 2;
            g.setFont (font);
            g.setColour (Colour (0xFFE6E6E6));
            g.drawText (maker, start, 4, makerWidth, 54, juce::Justification::centredLeft);
            g.setColour (accent);
            g.drawText (model, start + makerWidth, 4, w - start - makerWidth, 54, juce::Justification::centredLeft);
            break;
        }
        case Id::footerStrip:
            verticalMetal (g, all, Colour (0xFF232528), Colour (0xFF0C0D0E));
            g.setColour (Colour (0xFF3A3D42));
            g.drawHorizontalLine (48, 0, (float) w);
            break;
        case Id::sidePanel:
            g.setGradientFill (juce::ColourGradient (Colour (0xFF0E0F10), 0, 0, Colour (0xFF26282B), (float) w, 0, false));
            g.fillAll();
            g.setColour (Colour (0xFF000000));
            g.drawVerticalLine (w - 1, 0, (float) h);
            break;
        case Id::buttonBody: case Id::buttonBodyPressed: case Id::buttonEnd: case Id::buttonEndPressed:
        {
            const bool pressed = id == Id::buttonBodyPressed || id == Id::buttonEndPressed;
            const bool end = id == Id::buttonEnd || id == Id::buttonEndPressed;
            // Drawn as one wide button, so body and end meet without a seam.
            const juce::Rectangle<float> whole (end ? -200.0f : 0.0f, 0.0f, 210.0f, (float) h);
            verticalMetal (g, whole.reduced (0, 2), pressed ? Colour (0xFF141517) : Colour (0xFF3A3D42), pressed ? Colour (0xFF2A2D31) : Colour (0xFF17181A));
            g.setColour (Colour (0xFF000000));
            g.drawRoundedRectangle (whole.reduced (1, 2), 6.0f, 2.0f);
            break;
        }
    }
    return image;
}
}

juce::Rectangle<int> sizeOf (Id id)
{
    switch (id)
    {
        case Id::frameTop: case Id::frameBottom: return { 50, 7 };
        case Id::frameLeft: case Id::frameRight: return { 7, 50 };
        case Id::frameCorner: return { 7, 7 };
        case Id::panelTexture: return { 1009, 114 };
        case Id::panelOverlay: return { 953, 253 };
        case Id::boxCorner: return { 10, 10 };
        case Id::boxEdgeH: return { 267, 4 };
        case Id::boxEdgeV: return { 4, 425 };
        case Id::knobStrip: case Id::knobStripAlt: return { 2584, 46 };
        case Id::knobSocket: return { 48, 48 };
        case Id::faderCap: return { 36, 13 };
        case Id::fieldLeft: case Id::fieldMiddle: case Id::fieldRight: return { 10, 24 };
        case Id::lampOn: case Id::lampOff: return { 19, 12 };
        case Id::bar: return { 200, 22 };
        case Id::barEnd: return { 14, 22 };
        case Id::sliderTrack: return { 154, 18 };
        case Id::sliderCap: return { 41, 19 };
        case Id::miniSwitchA: case Id::miniSwitchB: return { 34, 11 };
        case Id::labelEnd: return { 12, 26 };
        case Id::headerLogo: return { 564, 62 };
        case Id::footerStrip: return { 10, 68 };
        case Id::sidePanel: return { 16, 798 };
        case Id::buttonBody: case Id::buttonBodyPressed: return { 200, 40 };
        case Id::buttonEnd: case Id::buttonEndPressed: return { 10, 40 };
    }
    return {};
}

juce::Image get (Id id)
{
    const auto hash = (juce::int64) 0x5A4B370000 + (juce::int64) id;
    auto image = juce::ImageCache::getFromHashCode (hash);
    if (image.isNull())
    {
        image = draw (id);
        juce::ImageCache::addImageToCache (image, hash);
    }
    return image;
}
}
