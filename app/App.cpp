#include "app/App.h"
#include "comms/LibraryFiles.h"
#include "comms/VirtualInstrument.h"
#include "comms/ZK5Class.h"

#include <csignal>

HelloWorldWindow::HelloWorldWindow()
    : juce::DocumentWindow ("Velmoran ZK7", juce::Colour (0xFF191919), 0, true)
{
    processor = std::make_unique<DaduRAAudioProcessor> (std::make_unique<MidiDriverWithVirtualInstrument> (createSystemMidiDriver()), std::make_unique<ZK5Class> (library::folder()));

    auto* main = new MainComp (processor.get());
    main->setWindow (this);
    setContentOwned (main, false);
    setTitleBarHeight (0);
    setResizable (true, false);
    setVisible (true);
    setBounds (0, 0, 1024, 768);
    // The main component passes letter keys to the footer's computer-keyboard player.
    main->grabKeyboardFocus();
}

HelloWorldWindow::~HelloWorldWindow()
{
    // The pages go before the state they show; the state then saves everything.
    clearContentComponent();
    processor.reset();
}

void HelloWorldWindow::closeButtonPressed()
{
    juce::JUCEApplication::getInstance()->systemRequestedQuit();
}

//==============================================================================
namespace
{
std::atomic<bool> quitSignalled { false };

extern "C" void onQuitSignal (int)
{
    quitSignalled = true;
}

/** A terminal's Ctrl-C or the session's SIGTERM quits like the quit button,
    so the library and the arrangements are saved on the way out. */
class QuitSignalWatcher final : public juce::Timer
{
public:
    QuitSignalWatcher()
    {
        for (const int signal : { SIGINT, SIGTERM, SIGHUP })
            std::signal (signal, onQuitSignal);
        startTimer (100);
    }

    void timerCallback() override
    {
        if (quitSignalled.exchange (false))
            juce::JUCEApplication::getInstance()->systemRequestedQuit();
    }
};
}

void JUCEHelloWorldApplication::initialise (const juce::String&)
{
    quitSignalWatcher = std::make_unique<QuitSignalWatcher>();
    look = std::make_unique<ScopedDefaultLook>();
    window = std::make_unique<HelloWorldWindow>();
}

void JUCEHelloWorldApplication::shutdown()
{
    quitSignalWatcher.reset();
    window.reset();
    look.reset();
}
