#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's pictures. They are drawn by code, once, at the sizes the
    widgets expect, in one dark instrument-like look, and then kept in the
    image cache. */
namespace pictures
{
enum class Id
{
    frameTop, frameBottom, frameLeft, frameRight,       // 50 x 7, 7 x 50
    frameCorner,                                         // 7 x 7 (one picture for all four corners)
    panelTexture,                                        // 1009 x 114
    panelOverlay,                                        // 953 x 253
    boxCorner, boxEdgeH, boxEdgeV,                       // 10 x 10, 267 x 4, 4 x 425
    knobStrip, knobStripAlt,                             // 2584 x 46: 55 frames of 46 at a 47 pitch
    knobSocket,                                          // 48 x 48
    faderCap,                                            // 36 x 13
    fieldLeft, fieldMiddle, fieldRight,                  // 10 x 24
    lampOn, lampOff,                                     // 19 x 12
    bar, barEnd,                                         // 200 x 22, 14 x 22
    sliderTrack, sliderCap,                              // 154 x 18, 41 x 19
    miniSwitchA, miniSwitchB,                            // 34 x 11
    labelEnd,                                            // 12 x 26
    headerLogo,                                          // 564 x 62
    footerStrip,                                         // 10 x 68
    sidePanel,                                           // 16 x 798
    buttonBody, buttonBodyPressed,                       // 200 x 40
    buttonEnd, buttonEndPressed,                         // 10 x 40
    whiteKeyUp, whiteKeyDown,                            // 60 x 390
    blackKeyUp, blackKeyDown,                            // 39 x 237
    keyPad,                                              // 100 x 100
    drawbarBrown, drawbarWhite, drawbarBlack,            // 32 x 151
    wheelStrip,                                          // 35 frames of 65 x 260 at a 68 pitch
    dataWheelStrip,                                      // 36 positions of 120 x 120
    keyboardLarge, keyboardSmall,                        // 505 x 34, 341 x 14
    windowTools,                                         // 54 x 30: normal above, highlighted below
    aboutBackground,                                     // 1024 x 768
    gridRow, gridThumb,                                  // 8 x 43, 22 x 40
    meterPanel, meterPanelLit,                           // 25 x 152
    barPiece,                                            // 113 x 17
    panelBadge                                           // 154 x 59
};

/** The picture, drawn on first use. */
juce::Image get (Id id);

/** Its size, as the widgets rely on it. */
juce::Rectangle<int> sizeOf (Id id);

/** One 212 x 103 tile of the name display's sheet (column, row as the category picks them). */
juce::Image displayTile (int column, int row);
/** One 49 x 24 category icon of the program list's sheet. */
juce::Image categoryIcon (int column, int row);

/** Notes 0..127 on the keyboard pictures: 75 white keys. */
bool isBlackKey (int note);
}
