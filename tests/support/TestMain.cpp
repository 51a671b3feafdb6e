#include <gtest/gtest.h>
#include "widgets/Look.h"

#include <cstdlib>

// Every test process works in a fresh HOME, so nothing ever touches the
// real user's documents; the folder is removed again at the end.
int main (int argc, char** argv)
{
    char home[] = "/tmp/zk7-test-home-XXXXXX";
    if (mkdtemp (home) == nullptr)
        return 2;
    setenv ("HOME", home, 1);
    unsetenv ("XDG_DOCUMENTS_DIR");

    ::testing::InitGoogleTest (&argc, argv);
    int result = 0;
    {
        juce::ScopedJuceInitialiser_GUI juce;
        ScopedDefaultLook look;
        result = RUN_ALL_TESTS();
    }

    juce::File (home).deleteRecursively();
    return result;
}
