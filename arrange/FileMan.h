#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Asks the player for an arrangement file: the dialog kind decides title
    and pattern, a save dialog adds the kind's extension to a name typed
    without one. Never shown itself. */
class FileMan : public juce::Component
{
public:
    enum Operation { OPEN = 'b', SAVE = 'c' };
    enum Kind { LOAD_LIBRARY = 9, LOAD_BANK = 10, LOAD_PROGRAM = 11, SAVE_LIBRARY = 109, SAVE_BANK = 110, SAVE_PROGRAM = 111 };

    /** True when a file was chosen; it is then getChosenFile(). */
    bool run (int operation, int kind, const juce::String& initialName);

    const juce::File& getChosenFile() const { return chosen; }
    const juce::String& getTitle() const { return title; }
    const juce::StringArray& getPatterns() const { return patterns; }

    /** A name whose extension (dot included) is shorter than 3 characters gets the pattern's extension. */
    static juce::File withExtension (const juce::File& file, const juce::String& pattern);

    /** Instead of the platform's dialog, for tests and harnesses: the file to
        answer with, or an empty File for a cancelled dialog. The harness sets
        ZK7_FILE_CHOOSER_ANSWER to a path to the same effect. */
    static std::function<juce::File (int operation, int kind, const juce::String& initialName)> answer;

private:
    void setKind (int kind);
    juce::File ask (int operation, int kind, const juce::String& initialName);

    juce::File chosen;
    juce::String title;
    juce::StringArray patterns;
};
