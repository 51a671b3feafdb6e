#include "support/Fixtures.h"
#include "support/FactoryFiles.h"
#include "comms/ZK5Class.h"
#include "model/BankStream.h"

namespace
{
Bytes namedPayload (const std::string& name, size_t size)
{
    std::string padded = name;
    padded.resize (20, ' ');
    Bytes b (padded.begin(), padded.end());
    b.resize (size, 0x21);
    return b;
}

/** An instrument message without its 0xF0, as the decoder receives it. */
protocol::Bytes fromInstrument (int command, int a, int b, int c, const Bytes& data, size_t packedAt)
{
    protocol::Bytes m { 0x07, 0x46, 0x01, 0x00, (uint8_t) command, 0, 0, (uint8_t) a, (uint8_t) b, (uint8_t) c, 1 };
    m.resize (packedAt, 0x20);
    const auto packed = protocol::pack (data);
    m.insert (m.end(), packed.begin(), packed.end());
    return m;
}
}

class ObjectStoreTest : public LibraryTest
{
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        store = std::make_unique<ZK5Class> (library::folder());
    }

    std::unique_ptr<ZK5Class> store;
};

TEST_F (ObjectStoreTest, FactoryBanksWithoutALibrary)
{
    store->loadBanks();
    EXPECT_EQ (store->programs.getName (1), "Dyn 9ft Grand       ");
    EXPECT_EQ (store->programs.bank.getStream(), factoryBankFile (typeProgram));
    EXPECT_EQ (store->multis.bank.listIds (BankIndex::LIST_EXISTING, 0).size(), 54u);
    EXPECT_EQ (store->intonations.bank.getName (18).empty(), false);
    EXPECT_TRUE (store->songs.bank.getStream().empty());
}

TEST_F (ObjectStoreTest, LibraryFilesWinUnlessEmpty)
{
    const auto edited = BankWriter::makeBank (typeArp, 8192, { { 7, namedPayload ("My Arp", 120) } });
    ASSERT_TRUE (library::writeAtomically (library::file ("ZK7_Arp_Data.dat"), edited.data(), edited.size()));
    ASSERT_TRUE (library::file ("ZK7_ProgramData.dat").create());   // 0 bytes: like a missing file

    store->loadBanks();
    EXPECT_EQ (store->arps.bank.getName (7), "My Arp              ");
    EXPECT_FALSE (store->arps.bank.exists (1));
    EXPECT_EQ (store->programs.getName (1), "Dyn 9ft Grand       ");
}

TEST_F (ObjectStoreTest, SavedBanksComeBackByteForByte)
{
    store->loadBanks();
    const auto replacement = namedPayload ("Received Prog", 2000);
    store->programs.bank.replaceRecord (1137, replacement);
    store->saveBanks();

    for (const int type : savedTypes)
        EXPECT_TRUE (library::file (objectTypeInfo (type)->fileName).existsAsFile()) << type;
    EXPECT_EQ (library::file ("ZK7_Song_Data.dat").getSize(), 0);
    EXPECT_EQ (library::folder().getNumberOfChildFiles (juce::File::findFiles, "*"), 10);

    ZK5Class again (library::folder());
    again.loadBanks();
    EXPECT_EQ (again.programs.bank.getRecord (1137), replacement);
    EXPECT_EQ (again.programs.bank.getRecord (1136), store->programs.bank.getRecord (1136));
    EXPECT_EQ (again.fxChains.bank.getStream(), factoryBankFile (typeFxChain));
}

TEST_F (ObjectStoreTest, ChoosingAProgramLoadsTheChannelsEditObject)
{
    store->loadBanks();
    const auto chains = store->loadChannelProgram (4, 119);
    EXPECT_TRUE (store->programEdits[4]->isOrganProgram());
    EXPECT_EQ (chains, store->programs.getFxChains (119));
    store->setChannelFxChains (4, { 1, 2, 3 });
    EXPECT_EQ (store->programEdits[4]->getFxChains(), (std::array<int, 3> { 1, 2, 3 }));
}

TEST_F (ObjectStoreTest, DecodesEditBufferMessages)
{
    store->loadBanks();
    store->loadChannelProgram (2, 1);

    Bytes layer (program::LAYER_SIZE, 0);
    layer[0] = 0x09;
    layer[program::layer::KEYMAP1 + 1] = 42;
    // 376 bytes carry 317 packed layer bytes; the last byte of the block reads 0.
    const auto layerMessage = fromInstrument (2, 2, 1, 5, Bytes (layer.begin(), layer.end() - 1), 12);
    ASSERT_EQ (layerMessage.size(), 376u);
    store->receiveEditBuffer (layerMessage);
    EXPECT_EQ (store->programEdits[2]->getLayer (5).getKeymap1(), 42);
    EXPECT_EQ (store->programEdits[2]->changeStatus, 5);

    // Layer 32 and requests and replies for the transfer engine are not taken.
    store->receiveEditBuffer (fromInstrument (2, 2, 1, 32, Bytes (layer.begin(), layer.end() - 1), 12));
    EXPECT_EQ (store->programEdits[2]->changeStatus, 5);
    store->receiveEditBuffer (fromInstrument (2, 32, 1, 5, Bytes (program::LAYER_SIZE - 1, 0), 12));
    EXPECT_EQ (store->programEdits[2]->getLayer (5).getKeymap1(), 42);

    // Global block 3 tells each channel's program.
    Bytes part4 (200, 0);
    for (int ch = 0; ch < 16; ++ch)
        bytes::put16 (part4, 8 * ch + 2, 100 + ch);
    store->receiveEditBuffer (fromInstrument (4, 0, 3, 0, part4, 11));
    EXPECT_EQ (store->channelProgramsOfGlobalBlock()[15], 115);

    // A multi zone.
    store->multis.loadMulti (1, store->multiEdit);
    store->receiveEditBuffer (fromInstrument (11, 0, 2, 1, Bytes (600, 3), 11));
    EXPECT_EQ (store->multiEdit.getZoneBlock (1), Bytes (600, 3));
}

TEST_F (ObjectStoreTest, ProgramChoiceFromTheControllerState)
{
    DaduRAAudioProcessor processor (nullptr, std::make_unique<ZK5Class> (library::folder()));
    auto& midi = processor.getMidi();
    auto& zk5 = dynamic_cast<ZK5Class&> (*midi.getObjectStore());

    EXPECT_EQ (zk5.programEdits[0]->getName(), "Dyn 9ft Grand       ");
    midi.setChannelProgram (3, 119, false);
    EXPECT_TRUE (zk5.programEdits[3]->isOrganProgram());
    const auto chains = zk5.programs.getFxChains (119);
    EXPECT_EQ (midi.getValue (slots::channelSlot (3, slots::INSERT_FX_CHAIN)), chains[0]);
    EXPECT_EQ (midi.getValue (slots::channelSlot (3, slots::AUX2_FX_CHAIN)), chains[2]);

    midi.setValue (slots::channelSlot (3, slots::AUX1_FX_CHAIN), 1, false);
    EXPECT_EQ (zk5.programEdits[3]->getFxChains()[1], 1);
}
