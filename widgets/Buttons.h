#pragma once

#include "widgets/CommandWord.h"

#include <juce_gui_basics/juce_gui_basics.h>

class StsBut;

class stsbutListener
{
public:
    virtual ~stsbutListener() = default;
    virtual void buttonClicked (StsBut* button, int id) = 0;
};

/** The text and picture button every page uses. It reports its id to its
    listeners on press (or on release inside it, when notifyOnRelease). */
class StsBut : public juce::Component
{
public:
    enum Style { STYLE_TEXT_SAME = 11, STYLE_DEFAULT = 12, STYLE_PICTURE = 6, STYLE_PICTURE_ALT = 7, STYLE_EDIT = 140 };

    StsBut (const juce::String& text, int id, bool momentary, float fontHeight, int bodyHeight);

    void addListener (stsbutListener* listener) { listeners.add (listener); }
    void removeListener (stsbutListener* listener) { listeners.remove (listener); }

    int getId() const { return id; }
    void setLit (bool shouldBeLit);
    bool isLit() const { return lit; }
    void setText (const juce::String& newText);
    const juce::String& getText() const { return text; }
    void setStyle (int newStyle);
    int getStyle() const { return style; }
    bool isPressed() const { return pressed; }

    void moveTo (int x, int y);
    void moveBy (int dx, int dy);
    void setHome (int x, int y);
    void returnHome() { moveTo (homeX, homeY); }

    /** The inner text field of style 140; nullptr for other styles. */
    juce::TextEditor* getEditor() const { return editor.get(); }

    /** Pages draw their buttons' shadows from their own paint. */
    static void drawButtonShadow (juce::Graphics& g, const StsBut& button, int dx, int dy, float corner);

    juce::Colour textColour { 0xFFFFFFFF }, secondColour { 0xFFFFFFFF };
    bool notifyOnRelease = false;
    bool hasLamp = false;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    void notify();
    void paintDefault (juce::Graphics& g);
    void paintPicture (juce::Graphics& g);

    int id;
    GuardedListeners<stsbutListener> listeners;
    bool lit = false;
    int bodyHeight;
    juce::String text;
    int style = STYLE_DEFAULT;
    float fontHeight;
    std::unique_ptr<juce::TextEditor> editor;
    bool momentary;
    int homeX = 0, homeY = 0;
    bool pressed = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StsBut)
};

/** A text label; pressing it broadcasts a change. */
class StsLabel : public juce::Component,
                 public juce::ChangeBroadcaster
{
public:
    enum Mode { PICTURE = -1, TEXT = 0, FILLED = 1, FILLED_WITH_LINE = 2 };

    void setup (const juce::String& text, const juce::String& fontName, float fontHeight, juce::Colour textColour,
                int styleFlags, juce::Justification justification);
    void setText (const juce::String& newText);
    const juce::String& getText() const { return text; }
    void setFilled();
    void setPicture (const juce::Image& image);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent&) override { sendChangeMessage(); }

    int mode = TEXT;
    juce::Colour fillColour { 0xFF000000 }, lineColour { 0xFF9F9F9F };

private:
    juce::Image picture;
    float fontHeight = 14.0f;
    juce::Colour textColour { 0xFFFFFFFF };
    juce::String fontName { "Arial" }, text;
    juce::Justification justification { juce::Justification::centred };
    int styleFlags = 0;
};

class Message_Box;

class MSGBListener
{
public:
    virtual ~MSGBListener() = default;
    virtual void messageConfirmed (Message_Box* box, int code) = 0;
    virtual void messageCancelled (Message_Box* box, int code) = 0;
    virtual void messageTimedOut (Message_Box* box, int code) = 0;
};

/** A question with OK and CANCEL over a darkened area; its owner may time it out. */
class Message_Box : public juce::Component,
                    private stsbutListener,
                    public juce::Timer
{
public:
    Message_Box (const juce::String& text, int code, int x, int y, int width, int height);

    void addListener (MSGBListener* listener) { listeners.add (listener); }
    void setText (const juce::String& newText);
    int getCode() const { return code; }
    StsBut& getOkButton() { return ok; }
    StsBut& getCancelButton() { return cancel; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void timerCallback() override;

private:
    void buttonClicked (StsBut* button, int id) override;

    GuardedListeners<MSGBListener> listeners;
    juce::String text;
    StsBut ok, cancel;
    int code;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Message_Box)
};

/** A name field with Cancel, Keyboard and OK buttons. */
class RenameCnt : public juce::Component
{
public:
    enum ButtonId { OK_ID = 1111, CANCEL_ID = 1113, KEYBOARD_ID = 1114 };

    RenameCnt();
    void addButtonListener (stsbutListener* listener);
    juce::TextEditor& getEditor() { return editor; }

    void resized() override;

private:
    juce::TextEditor editor;
    StsBut cancelButton, keyboardButton, okButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RenameCnt)
};

/** A row of segments that fill with progress; full, it broadcasts a change. */
class progBarSM : public juce::Component,
                  public juce::ChangeBroadcaster
{
public:
    progBarSM (int segments, int width, int height);

    void setProgress (int p);
    int getProgress() const { return progress; }
    void paint (juce::Graphics& g) override;

private:
    int progress = 0;
    int segments;
};

/** A plain grey area that may hold a button. */
class ContainerClass : public juce::Component
{
public:
    void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (0xFF222222)); }
};

/** A side panel of the main window. */
class WoodSide : public juce::Component
{
public:
    explicit WoodSide (bool rightSide) : right (rightSide) {}
    void paint (juce::Graphics& g) override;

private:
    bool right;
};
