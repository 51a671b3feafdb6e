#pragma once

#include "comms/MidiPortScan.h"
#include "widgets/Buttons.h"

/** Told when a window tool is used: 120 minimise, 121 full screen, 122 quit, 123 move. */
class winToolListener
{
public:
    virtual ~winToolListener() = default;
    virtual void winToolCommand (int code) = 0;
};

/** Minimise, full screen and quit, drawn as one strip (or quit alone). */
class WinMovCan : public juce::Component
{
public:
    enum Code { MINIMISE = 120, FULL_SCREEN = 121, QUIT = 122, MOVE = 123 };

    explicit WinMovCan (bool closeOnly = false);
    void addListener (winToolListener* listener) { listeners.add (listener); }
    int toolAt (int x) const;
    int getHighlighted() const { return highlighted; }

    void paint (juce::Graphics& g) override;
    void mouseMove (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    GuardedListeners<winToolListener> listeners;
    bool closeOnly;
    int highlighted = 0;
    int pressedCode = 0;
};

/** The library button of the app bar. */
class AppSetBarBut : public juce::Component,
                     public juce::ChangeBroadcaster
{
public:
    AppSetBarBut() { setSize (36, 36); }
    int code = 0;
    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent&) override
    {
        code = 128;
        sendChangeMessage();
    }
};

/** The bar at the top of the window: mode and page buttons, the library button
    and the window tools; dragging it moves the window. */
class AppBar : public juce::Component,
               public juce::ChangeBroadcaster,
               private stsbutListener,
               private juce::ChangeListener
{
public:
    enum Code { PROGRAM = 301, MULTI = 302, MIDI = 77, KEYS = 967, MIXER = 816, CONTROLS = 817, ABOUT = 888,
                LIBRARY = 128, DRAG = 123 };

    AppBar();

    int getCode() const { return code; }
    juce::Point<int> getPressPosition() const { return pressPosition; }
    juce::Point<int> getDragPosition() const { return dragPosition; }
    WinMovCan& getWindowTools() { return windowTools; }
    StsBut* getButton (int buttonCode);
    /** Lights PROGRAM for mode 1 and MULTI for mode 2. */
    void lightMode (int mode);

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;

private:
    void buttonClicked (StsBut* button, int id) override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override;
    void report (int newCode);

    AppSetBarBut libraryButton;
    juce::OwnedArray<StsBut> buttons;
    WinMovCan windowTools;
    int code = 0;
    juce::Point<int> pressPosition, dragPosition;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AppBar)
};

/** Plays notes from the computer's letter keys: z s x d c v g b h n j m for one
    octave, o/p octave down/up, u/i velocity down/up, @ all notes off. */
class KeyPlayClass : public juce::Component
{
public:
    explicit KeyPlayClass (MidiCntrState& state);

    bool keyPressed (const juce::KeyPress& key) override;
    bool keyStateChanged (bool isKeyDown) override;
    /** Handles one character as a key press; true when it was one of the player's keys. */
    bool pressCharacter (juce::juce_wchar c);
    /** Releases the notes whose letter key is no longer down. */
    void releaseKeysThatAreUp (const std::function<bool (juce::juce_wchar)>& isDown);

    const juce::String& getStatus() const { return status; }
    int getBaseNote() const { return baseNote; }
    int getVelocity() const { return velocity; }
    bool isSounding (int note) const { return juce::isPositiveAndBelow (note, 128) && sounding[note]; }

    void paint (juce::Graphics& g) override;

private:
    static int offsetOf (juce::juce_wchar c);

    MidiCntrState& midi;
    int velocity = 100;
    int baseNote = 36;
    bool sounding[128] {};
    int noteOfKey[12] {};
    juce::String status;
};

/** The footer: the status line, the computer-keyboard player, and the
    handle of the keyboard drawer (124 press, 125 drag, 126 release). */
class AppFoot : public juce::Component,
                public juce::ChangeBroadcaster
{
public:
    enum Code { PRESS = 124, DRAG = 125, RELEASE = 126 };

    explicit AppFoot (MidiCntrState& state);

    void setStatus (const juce::String& text);
    const juce::String& getStatus() const { return status; }
    int getCode() const { return code; }
    juce::Point<int> getDragPosition() const { return dragPosition; }
    KeyPlayClass& getPlayer() { return player; }

    void paint (juce::Graphics& g) override;
    void resized() override { player.setBounds (400, 0, 200, 20); }
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

private:
    void report (int newCode);

    juce::String status;
    KeyPlayClass player;
    int code = 0;
    juce::Point<int> dragPosition;
};

/** The scan's panel: it runs the port scan and, when nothing answers, says so
    and offers the virtual instrument instead. */
class MIDI_scan : public juce::Component,
                  public juce::ChangeBroadcaster,
                  private stsbutListener,
                  private juce::Timer
{
public:
    explicit MIDI_scan (MidiCntrState& state);

    void start() { scan.start(); }
    bool isScanning() const { return scan.isRunning(); }
    bool showsNotConnected() const { return notConnected; }
    bool found() const { return instrumentFound; }
    /** Chooses the virtual instrument's ports (remembered in the settings) and asks who is there. */
    void useVirtualInstrument();

    void paint (juce::Graphics& g) override;

    static constexpr int USE_VIRTUAL_ID = 2014;

private:
    void buttonClicked (StsBut*, int id) override;
    void timerCallback() override;

    MidiCntrState& midi;
    MidiPortScan scan;
    int answerChecks = 0;
    bool notConnected = false;
    bool instrumentFound = false;
    juce::HyperlinkButton hostSettings;
    StsBut useVirtual;
};

/** The start-up splash: after a second it closes if the instrument answered,
    else it scans the ports. ABOUT shows it again later. */
class AboutPanel : public juce::Component,
                   private juce::ChangeListener,
                   public juce::ChangeBroadcaster,
                   private juce::Timer
{
public:
    AboutPanel (MidiCntrState& state, int delayMs);
    ~AboutPanel() override;

    bool startUpInstance = false;
    MIDI_scan* getScan() const { return scan.get(); }
    void closePanel();

    void paint (juce::Graphics& g) override;

private:
    void timerCallback() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void stopScan();

    MidiCntrState& midi;
    juce::Label version;
    juce::HyperlinkButton webLink;
    std::unique_ptr<MIDI_scan> scan;
};
