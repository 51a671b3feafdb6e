#include <gtest/gtest.h>
#include "widgets/Look.h"

#include <X11/Xlib.h>
#include <cstdlib>

namespace
{
// Bare Xvfb has no window manager, so some window properties fail; Xlib's
// default handler would end the test run on the first such error.
int ignoreXError (Display*, XErrorEvent*) { return 0; }
}

// Every test process works in a fresh HOME, so nothing ever touches the
// real user's documents; the folder is removed again at the end.
int main (int argc, char** argv)
{
    char home[] = "/tmp/zk7-test-home-XXXXXX";
    if (mkdtemp (home) == nullptr)
        return 2;
    setenv ("HOME", home, 1);
    unsetenv ("XDG_DOCUMENTS_DIR");

    XSetErrorHandler (ignoreXError);
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
