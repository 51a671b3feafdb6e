#pragma once

#include "app/MainComp.h"
#include "widgets/Look.h"

/** The one window: it owns the arrangement state and, as its content, the main component. */
class HelloWorldWindow : public juce::DocumentWindow
{
public:
    HelloWorldWindow();
    ~HelloWorldWindow() override;

    DaduRAAudioProcessor& getProcessor() { return *processor; }
    void closeButtonPressed() override;

private:
    std::unique_ptr<DaduRAAudioProcessor> processor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HelloWorldWindow)
};

class JUCEHelloWorldApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Velmoran ZK7"; }
    const juce::String getApplicationVersion() override { return "1.0.9"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String&) override {}
    void suspended() override {}
    void resumed() override {}

private:
    std::unique_ptr<ScopedDefaultLook> look;
    std::unique_ptr<HelloWorldWindow> window;
    std::unique_ptr<juce::Timer> quitSignalWatcher;
};
