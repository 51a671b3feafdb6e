#include "comms/MidiProtocol.h"

#include <gtest/gtest.h>
#include <random>

using protocol::Bytes;

TEST (Packing, KnownVectors)
{
    struct Case { Bytes data; Bytes midi; };
    const Case cases[] = {
        { {}, { 0xF7 } },
        { { 0x61, 0x62, 0x63 }, { 0x61, 0x44, 0x0D, 0x03, 0xF7 } },
        { { 0xFF }, { 0x7F, 0x01, 0xF7 } },
        { { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF }, { 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0xF7 } },
        { { 0x80, 0, 0, 0, 0, 0, 0x80 }, { 0x00, 0x01, 0, 0, 0, 0, 0x00, 0x40, 0xF7 } },
    };

    for (const auto& c : cases)
    {
        EXPECT_EQ (protocol::pack (c.data), c.midi);
        Bytes withoutEnd (c.midi.begin(), c.midi.end() - 1);
        EXPECT_EQ (protocol::unpack (c.midi), c.data);
        EXPECT_EQ (protocol::unpack (withoutEnd), c.data);
    }
}

TEST (Packing, GroupSizes)
{
    // 7 data bytes make one group of 8; an eighth byte starts a group of 2.
    const std::pair<size_t, size_t> sizes[] = { { 0, 0 }, { 1, 2 }, { 6, 7 }, { 7, 8 }, { 8, 10 }, { 14, 16 }, { 15, 18 } };
    for (const auto& [dataSize, midiSize] : sizes)
    {
        const Bytes packed = protocol::pack (Bytes (dataSize, 0xA5));
        EXPECT_EQ (packed.size(), midiSize + 1) << dataSize;
        EXPECT_EQ (packed.back(), 0xF7);
        for (size_t i = 0; i + 1 < packed.size(); ++i)
            EXPECT_LT (packed[i], 0x80);
    }
}

TEST (Packing, UnpackDropsOnlyOneTrailingEnd)
{
    // 0xF7 is never a packed byte, but only the last one is taken as the end marker.
    EXPECT_EQ (protocol::unpack (Bytes { 0x61, 0x44, 0xF7, 0xF7 }).size(), 2u);
}

TEST (Packing, RoundTripsRandomData)
{
    std::mt19937 random (7);
    for (int trial = 0; trial < 500; ++trial)
    {
        Bytes data (random() % 700);
        for (auto& b : data)
            b = (uint8_t) random();
        EXPECT_EQ (protocol::unpack (protocol::pack (data)), data);
    }
}

TEST (Messages, FixedFrames)
{
    EXPECT_EQ (protocol::identityRequest(), (Bytes { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 }));
    EXPECT_EQ (protocol::editBufferRequest (4, 0, 3, 0), (Bytes { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x04, 0, 0, 0, 3, 0, 0, 0xF7 }));
    EXPECT_EQ (protocol::editBufferRequest (2, 5, 6, 0).size(), (size_t) protocol::REQUEST_SIZE);
    EXPECT_EQ (protocol::channelValue (3, 133), (Bytes { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x20, 3, 1, 5, 0xF7 }));
    EXPECT_EQ (protocol::channelValue (15, 8191), (Bytes { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x20, 15, 0x3F, 0x7F, 0xF7 }));
    EXPECT_EQ (protocol::globalValue (200), (Bytes { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x11, 1, 72, 0xF7 }));
    EXPECT_EQ (protocol::selectChannel (9), (Bytes { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x40, 9, 0xF7 }));
    EXPECT_EQ (protocol::editBufferData (2, 1, 0, 0, 3, { 0x61, 0x62, 0x63 }),
               (Bytes { 0xF0, 0x07, 0x46, 0x01, 0x00, 0x02, 0, 0, 1, 0, 0, 3, 0x61, 0x44, 0x0D, 0x03, 0xF7 }));
}

TEST (Messages, ParameterChangeValues)
{
    struct Case { int value; int high; int low; };
    const Case cases[] = { { -8192, 0, 0 }, { 8191, 127, 127 }, { 0, 64, 0 }, { -64, 63, 64 }, { -1, 63, 127 },
                           { 9000, 127, 127 }, { -9000, 0, 0 } };

    for (const auto& c : cases)
    {
        const auto run = protocol::parameterChange ({ 1, 2, 3, 4, 5 }, c.value);
        ASSERT_EQ (run.size(), 7u);
        const int controllers[] = { 110, 111, 112, 113, 114, 118, 119 };
        const int values[] = { 1, 2, 3, 4, 5, c.high, c.low };
        for (size_t i = 0; i < 7; ++i)
        {
            EXPECT_EQ (run[i].controller, controllers[i]);
            EXPECT_EQ (run[i].value, values[i]) << c.value << " controller " << controllers[i];
        }
    }
}

TEST (Messages, LevelFifteenGoesOnChannelOne)
{
    EXPECT_EQ (protocol::parameterChannel ({ 15, 0, 0, 0, 0 }, 9), 1);
    EXPECT_EQ (protocol::parameterChannel ({ 1, 0, 0, 0, 0 }, 9), 10);
}
