#pragma once

#include "app/MIDI_Setup.h"
#include "app/Shell.h"
#include "arrange/DaduRAAudioProcessor.h"
#include "browse/Lib_Manager.h"
#include "browse/PrgSelClass.h"
#include "browse/StpSelClass.h"
#include "browse/iPrgSelClass.h"
#include "perform/ChMixerComp.h"
#include "perform/KeyBrd.h"
#include "widgets/Displays.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The component that fills the window: it owns every page, decides which is
    shown and routes the controller state's notifications to them. */
class MainComp : public juce::AudioProcessorEditor,
                 private juce::ChangeListener,
                 public juce::ChangeBroadcaster,
                 public stateListener,
                 private MIDI_SetupListener,
                 public winToolListener,
                 public iPrgSelListener,
                 public StpSelListener,
                 public PrgSelListener,
                 private juce::Timer,
                 private juce::AsyncUpdater
{
public:
    static constexpr int MODE_DEBOUNCE_MS = 25;
    static constexpr int ABOUT_DELAY_MS = 1000;
    static constexpr int DRAWER_OPEN_THRESHOLD = 170;
    static constexpr int DRAWER_CLOSE_Y = 450;

    explicit MainComp (DaduRAAudioProcessor* processor);
    ~MainComp() override;

    /** The window the window tools act on; the window sets it. */
    void setWindow (juce::DocumentWindow* w) { window = w; }

    /** Shows or hides a page by its code; object pages are chosen by objectType. */
    void showPage (int code, bool show, int objectType = 0, int index = 0, int value = 0);
    /** Hides the editors and the object pages, then re-applies the keyboard drawer. */
    void closeEditors();
    /** The rectangle in which pages are placed. */
    juce::Rectangle<int> contentArea() const;

    /** 1 program mode, 2 multi mode: tells the instrument and shows the mode's browser. */
    void setMode (int mode);
    int getModeShown() const { return modeShown; }
    const juce::String& getStatusLine() const { return statusLine; }

    /** Drains both of the controller state's queues now (the async update does the same). */
    void drainPendingQueues();

    void stateQueued() override;
    void stateMessage (int word) override;
    void parameterMessage (int value, int address) override;
    void winToolCommand (int code) override;
    /** The program browser's commands: 7 choose and send, 14 choose silently, 13 hide. */
    void iPrgSelCommand (juce::int64 word) override;
    /** The multi browser's commands: 7 choose and send, 14 choose silently, 19 value selector, 24 a program favourite. */
    void stpSelCommand (juce::int64 word) override;
    /** The program parameter page's commands: as the program browser's, 13 returns to the browser. */
    void prgSelCommand (juce::int64 word) override;

    /** What the app bar's buttons do, with the bar's ordering rules. */
    void appBarCommand (int code);
    void footerCommand (int code, juce::Point<int> drag);

    AppBar& getAppBar() { return *appBar; }
    AppFoot& getFooter() { return *footer; }
    KeyBrd& getKeyboard() { return *keyboard; }
    AboutPanel* getAboutPanel() const { return about.get(); }
    MIDI_Setup* getMidiSetup() const { return midiSetup.get(); }
    kontrols* getControlsPage() const { return controls.get(); }
    ChMixerComp* getMixer() { return mixer.get(); }
    iPrgSelClass* getProgramBrowser() const { return programBrowser.get(); }
    StpSelClass* getMultiBrowser() const { return multiBrowser.get(); }
    PrgSelClass* getProgramList() const { return programList.get(); }
    Lib_Manager_Win* getLibraryManager() const { return libraryManager.get(); }
    i_Control* getParameterSelector() const { return parameterSelector.get(); }

    void paint (juce::Graphics& g) override;
    void resized() override;
    /** Letter keys reach the footer's player from wherever the pointer last clicked (text fields keep theirs). */
    bool keyPressed (const juce::KeyPress& key) override { return footer->getPlayer().keyPressed (key); }
    bool keyStateChanged (bool isKeyDown) override { return footer->getPlayer().keyStateChanged (isKeyDown); }

private:
    void timerCallback() override;
    void handleAsyncUpdate() override { drainPendingQueues(); }
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void midiSetupCommand (int code, int value) override;
    void showStatusOnLine();
    void showAbout (bool show, bool startUp);
    void showMidiSetup (bool show);
    void setKeyboardOpen (bool open);
    void keyboardReleased();
    void lightModeButtons();
    void showProgramBrowser (int channel, int program);
    void showMixer (bool headerRowOnly);
    void showMultiBrowser();
    void showProgramList (int channel, int program);
    /** The library manager's window: created over the arrangement state, or brought to front. */
    void showLibraryManager();
    /** Program mode: the mixer's header row stands above the program pages with the sixteen channels' programs. */
    void showHeaderRowInProgramMode();
    bool programListOpen() const { return programList != nullptr && programList->isOpen(); }
    /** Loads the multi being played from the multi bank and shows it in the multi browser. */
    void showCurrentMulti();
    /** Where the full-height pages go: below the app bar, above the footer. */
    juce::Rectangle<int> pageArea() const;
    juce::Rectangle<int> programBrowserArea() const;
    juce::Rectangle<int> midiSetupArea() const;
    bool controlsShown() const { return controls != nullptr && controls->isVisible(); }
    void mixerCommand (juce::int64 word);
    void selectChannel (int channel);
    void openParameterSelector (VlmCont& control);

    DaduRAAudioProcessor& processor;
    MidiCntrState& midi;
    juce::DocumentWindow* window = nullptr;

    std::unique_ptr<WoodSide> leftSide, rightSide;
    std::unique_ptr<KeyBrd> keyboard;
    std::unique_ptr<AppBar> appBar;
    std::unique_ptr<AppFoot> footer;
    std::unique_ptr<AboutPanel> about;
    std::unique_ptr<MIDI_Setup> midiSetup;
    std::unique_ptr<ChMixerComp> mixer;
    std::unique_ptr<kontrols> controls;
    std::unique_ptr<iPrgSelClass> programBrowser;
    std::unique_ptr<StpSelClass> multiBrowser;
    std::unique_ptr<PrgSelClass> programList;
    std::unique_ptr<Lib_Manager_Win> libraryManager;
    std::unique_ptr<i_Control> parameterSelector;
    /** Shows the full text of controls that cut it, such as long FX chain names. */
    juce::TooltipWindow tooltips { this, 500 };

    int pendingSlot = 0;
    int modeShown = 0;
    bool uiBuilt = false;
    juce::String statusLine { "OFF-LINE" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComp)
};
