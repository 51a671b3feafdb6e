#include "widgets/Pictures.h"

#include <functional>

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

void drawKey (juce::Graphics& g, juce::Rectangle<float> r, bool white, bool down)
{
    const auto top = white ? Colour (down ? 0xFFC9D8E6 : 0xFFF4F4F2) : Colour (down ? 0xFF3A4A5A : 0xFF202124);
    const auto bottom = white ? Colour (down ? 0xFFAFC2D4 : 0xFFD8D8D4) : Colour (down ? 0xFF1E2A36 : 0xFF050506);
    g.setGradientFill (juce::ColourGradient (top, 0, 0, bottom, 0, r.getHeight(), false));
    g.fillRoundedRectangle (r.reduced (1.0f, 0.0f).withTrimmedTop (-6.0f), 5.0f);
    g.setColour (Colour (0xFF000000));
    g.drawRoundedRectangle (r.reduced (1.0f, 0.0f).withTrimmedTop (-6.0f), 5.0f, 1.0f);
    if (! white)
    {
        g.setColour (Colour (0x30FFFFFF));
        g.fillRoundedRectangle (r.reduced (5.0f, 0.0f).withTrimmedBottom (12.0f), 3.0f);
    }
}

void drawDrawbar (juce::Graphics& g, int w, int h, Colour knob)
{
    // The shaft marked 8 down to 1, and the knob at its end.
    g.setColour (Colour (0xFFE8E2D0));
    g.fillRect (w / 2 - 6, 0, 12, h - 24);
    g.setColour (Colour (0xFF3A3530));
    g.setFont (juce::Font ("Arial", 9.0f, juce::Font::bold));
    for (int mark = 8; mark >= 1; --mark)
        g.drawText (juce::String (mark), w / 2 - 6, (8 - mark) * (h - 28) / 8, 12, (h - 28) / 8, juce::Justification::centred);
    g.setColour (knob);
    g.fillRoundedRectangle (2.0f, (float) h - 24.0f, (float) w - 4.0f, 22.0f, 4.0f);
    g.setColour (knob.darker (0.5f));
    g.drawRoundedRectangle (2.0f, (float) h - 24.0f, (float) w - 4.0f, 22.0f, 4.0f, 1.0f);
}

void drawKeyboard (juce::Graphics& g, int w, int h)
{
    g.fillAll (Colour (0xFF232528));
    const float whiteWidth = (float) w / 75.0f;
    g.setColour (Colour (0xFFD8D8D8));
    for (int key = 0; key < 75; ++key)
        g.fillRect ((float) key * whiteWidth + 0.5f, 0.0f, whiteWidth - 1.0f, (float) h);
    static const int whiteIndex[12] = { 0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6 };
    g.setColour (Colour (0xFF111111));
    for (int note = 0; note < 128; ++note)
        if (isBlackKey (note))
            g.fillRect ((float) ((note / 12) * 7 + whiteIndex[note % 12]) * whiteWidth + whiteWidth * 0.65f, 0.0f, whiteWidth * 0.7f, (float) h * 0.6f);
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
        case Id::whiteKeyUp: case Id::whiteKeyDown: drawKey (g, all, true, id == Id::whiteKeyDown); break;
        case Id::blackKeyUp: case Id::blackKeyDown: drawKey (g, all, false, id == Id::blackKeyDown); break;
        case Id::keyPad:
            g.setColour (Colour (0xFF2A2D31));
            g.fillRoundedRectangle (all.reduced (2.0f), 6.0f);
            g.setColour (Colour (0xFF4A4E55));
            g.drawRoundedRectangle (all.reduced (2.0f), 6.0f, 1.5f);
            break;
        case Id::drawbarBrown: drawDrawbar (g, w, h, Colour (0xFF8A5A2B)); break;
        case Id::drawbarWhite: drawDrawbar (g, w, h, Colour (0xFFEDE8DA)); break;
        case Id::drawbarBlack: drawDrawbar (g, w, h, Colour (0xFF1A1A1A)); break;
        case Id::wheelStrip:
            for (int frame = 0; frame < 35; ++frame)
            {
                const juce::Rectangle<float> body (68.0f * (float) frame + 1.0f + 4.0f, 4.0f, 57.0f, 252.0f);
                g.setGradientFill (juce::ColourGradient (Colour (0xFF101112), body.getX(), 0, Colour (0xFF3A3D42), body.getCentreX(), 0, true));
                g.fillRoundedRectangle (body, 10.0f);
                g.setColour (Colour (0x33FFFFFF));
                for (int ridge = 0; ridge < 22; ++ridge)
                    g.drawHorizontalLine ((int) body.getY() + 6 + (ridge * 11 + frame * 5) % 240, body.getX() + 3, body.getRight() - 3);
                const float markY = body.getBottom() - 10.0f - (body.getHeight() - 20.0f) * (float) frame / 34.0f;
                g.setColour (Colour (0xFFE0E0E0));
                g.fillRect (body.getX() + 3, markY - 2.0f, body.getWidth() - 6, 4.0f);
            }
            break;
        case Id::dataWheelStrip:
            for (int position = 0; position < 36; ++position)
            {
                const juce::Rectangle<float> wheel (120.0f * (float) position + 4.0f, 4.0f, 96.0f, 96.0f);
                g.setGradientFill (juce::ColourGradient (Colour (0xFF4A4E55), wheel.getTopLeft(), Colour (0xFF0B0C0D), wheel.getBottomRight(), false));
                g.fillEllipse (wheel);
                g.setColour (Colour (0xFF000000));
                g.drawEllipse (wheel, 2.0f);
                const float a = juce::degreesToRadians ((float) position * 10.0f);
                const auto c = wheel.getCentre();
                g.setColour (accent);
                g.fillEllipse (c.x + std::sin (a) * 34.0f - 5.0f, c.y - std::cos (a) * 34.0f - 5.0f, 10.0f, 10.0f);
            }
            break;
        case Id::keyboardLarge: case Id::keyboardSmall: drawKeyboard (g, w, h); break;
        case Id::windowTools:
            for (int row = 0; row < 2; ++row)
            {
                struct Tool { int x, width; };
                for (const auto& t : { Tool { 0, 20 }, Tool { 20, 17 }, Tool { 37, 17 } })
                {
                    const juce::Rectangle<float> area ((float) t.x + 1.0f, (float) row * 15.0f + 1.0f, (float) t.width - 2.0f, 13.0f);
                    g.setColour (row == 0 ? Colour (0xFF232528) : t.x == 37 ? Colour (0xFFB8322A) : Colour (0xFF3A6EA5));
                    g.fillRoundedRectangle (area, 3.0f);
                    g.setColour (Colour (0xFFDADADA));
                    const auto c = area.getCentre();
                    if (t.x == 0)
                        g.drawLine (c.x - 4, c.y + 3, c.x + 4, c.y + 3, 1.5f);
                    else if (t.x == 20)
                        g.drawRect (juce::Rectangle<float> (c.x - 3.5f, c.y - 3.5f, 7, 7), 1.2f);
                    else
                    {
                        g.drawLine (c.x - 3, c.y - 3, c.x + 3, c.y + 3, 1.5f);
                        g.drawLine (c.x - 3, c.y + 3, c.x + 3, c.y - 3, 1.5f);
                    }
                }
            }
            break;
        case Id::aboutBackground:
        {
            g.setGradientFill (juce::ColourGradient (Colour (0xFF1A1D21), 0, 0, Colour (0xFF08090A), 0, (float) h, false));
            g.fillAll();
            g.setColour (Colour (0x0CFFFFFF));
            for (int line = 0; line < 40; ++line)
                g.drawLine (0.0f, 420.0f + (float) line * 9.0f, (float) w, 380.0f + (float) line * 10.0f, 1.0f);
            break;
        }
        case Id::gridRow:
            verticalMetal (g, all, Colour (0xFF1D1F22), Colour (0xFF141517));
            break;
        case Id::gridThumb:
            g.setColour (Colour (0xFF4A4E55));
            g.fillRoundedRectangle (all.reduced (1.0f), 4.0f);
            g.setColour (Colour (0x40FFFFFF));
            for (int line = 0; line < 3; ++line)
                g.drawHorizontalLine (h / 2 - 4 + line * 4, 6.0f, (float) w - 6.0f);
            break;
        case Id::meterPanel: case Id::meterPanelLit:
            g.setColour (Colour (0xFF050505));
            g.fillRoundedRectangle (all, 3.0f);
            for (int segment = 0; segment < 16; ++segment)
            {
                const auto colour = segment >= 14 ? Colour (0xFFE04A3A) : segment >= 11 ? Colour (0xFFE0B43A) : accent;
                g.setColour (id == Id::meterPanelLit ? colour : colour.withAlpha (0.12f));
                g.fillRect (3.0f, (float) h - (float) (segment + 1) * 9.4f + 1.0f, (float) w - 6.0f, 7.4f);
            }
            break;
        case Id::barPiece:
            verticalMetal (g, all, Colour (0xFF2D3035), Colour (0xFF141517));
            g.setColour (Colour (0xFF000000));
            g.drawRect (all, 1.0f);
            break;
        case Id::panelBadge:
            g.setColour (Colour (0xFF101214));
            g.fillRoundedRectangle (all.reduced (1.0f), 6.0f);
            g.setColour (Colour (0xFF457089));
            g.drawRoundedRectangle (all.reduced (1.0f), 6.0f, 2.0f);
            g.setColour (Colour (0xFFDADADA));
            g.setFont (juce::Font ("Arial", 20.0f, juce::Font::bold));
            g.drawText ("ZK7", all, juce::Justification::centred);
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
        case Id::whiteKeyUp: case Id::whiteKeyDown: return { 60, 390 };
        case Id::blackKeyUp: case Id::blackKeyDown: return { 39, 237 };
        case Id::keyPad: return { 100, 100 };
        case Id::drawbarBrown: case Id::drawbarWhite: case Id::drawbarBlack: return { 32, 151 };
        case Id::wheelStrip: return { 68 * 35, 260 };
        case Id::dataWheelStrip: return { 120 * 36, 120 };
        case Id::keyboardLarge: return { 505, 34 };
        case Id::keyboardSmall: return { 341, 14 };
        case Id::windowTools: return { 54, 30 };
        case Id::aboutBackground: return { 1024, 768 };
        case Id::gridRow: return { 8, 43 };
        case Id::gridThumb: return { 22, 40 };
        case Id::meterPanel: case Id::meterPanelLit: return { 25, 152 };
        case Id::barPiece: return { 113, 17 };
        case Id::panelBadge: return { 154, 59 };
    }
    return {};
}

bool isBlackKey (int note)
{
    static const bool black[12] = { false, true, false, true, false, false, true, false, true, false, true, false };
    return black[((note % 12) + 12) % 12];
}

namespace
{
juce::Image cached (juce::int64 hash, const std::function<juce::Image()>& make)
{
    auto image = juce::ImageCache::getFromHashCode (hash);
    if (image.isNull())
    {
        image = make();
        juce::ImageCache::addImageToCache (image, hash);
    }
    return image;
}
}

juce::Image displayTile (int column, int row)
{
    return cached ((juce::int64) 0x5A4B380000 + column * 16 + row, [column, row]
    {
        // Each tile tints the display glass: hue by column, brightness by row.
        auto image = blank (212, 103);
        juce::Graphics g (image);
        const auto glass = juce::Colour::fromHSV ((float) column / 21.0f, 0.35f, 0.16f + 0.03f * (float) row, 1.0f);
        g.setGradientFill (juce::ColourGradient (glass.brighter (0.4f), 0, 0, glass.darker (0.6f), 0, 103, false));
        g.fillRoundedRectangle (0.0f, 0.0f, 212.0f, 103.0f, 6.0f);
        g.setColour (Colour (0x14FFFFFF));
        g.fillRoundedRectangle (4.0f, 4.0f, 204.0f, 40.0f, 5.0f);
        return image;
    });
}

juce::Image categoryIcon (int column, int row)
{
    return cached ((juce::int64) 0x5A4B390000 + column * 16 + row, [column, row]
    {
        auto image = blank (49, 24);
        juce::Graphics g (image);
        g.setColour (juce::Colour::fromHSV ((float) column / 21.0f, 0.45f, 0.35f + 0.05f * (float) row, 1.0f));
        g.fillRoundedRectangle (0.0f, 0.0f, 49.0f, 24.0f, 4.0f);
        return image;
    });
}

juce::Image get (Id id)
{
    return cached ((juce::int64) 0x5A4B370000 + (juce::int64) id, [id] { return draw (id); });
}
}
