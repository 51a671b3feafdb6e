#include "support/FactoryFiles.h"
#include "model/MultiObjects.h"
#include "model/OtherObjects.h"
#include "model/ProgramObjects.h"

#include <gtest/gtest.h>

namespace
{
/** Counts the change messages of a broadcaster, delivered synchronously. */
struct ChangeCounter : juce::ChangeListener
{
    explicit ChangeCounter (juce::ChangeBroadcaster& b) : broadcaster (b) { broadcaster.addChangeListener (this); }
    ~ChangeCounter() override { broadcaster.removeChangeListener (this); }
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
    int pending()
    {
        broadcaster.dispatchPendingMessages();
        return count;
    }
    juce::ChangeBroadcaster& broadcaster;
    int count = 0;
};
}

TEST (ProgramEditObject, LoadsLayersAndAnnouncesReceivedBlocks)
{
    const auto bank = factoryIndex (typeProgram);
    ObjProgramEditClass edit;
    edit.loadRecord (bank.getRecord (1));
    EXPECT_EQ (edit.getName(), "Dyn 9ft Grand       ");
    EXPECT_EQ (edit.getCategory(), 1);
    EXPECT_FALSE (edit.isOrganProgram());
    ASSERT_GE (edit.getLayerCount(), 1);
    EXPECT_EQ (edit.getLayer (0).getBlock(), bytes::slice (bank.getRecord (1), program::LAYERS_START, program::LAYER_SIZE));
    EXPECT_EQ (edit.getCommonBlock(), bytes::slice (bank.getRecord (1), program::COMMON_START, program::COMMON_SIZE));

    ChangeCounter changes (edit);
    edit.setLayer (31, Bytes (program::LAYER_SIZE, 1));
    EXPECT_EQ (edit.changeStatus, 31);
    edit.setLayer (32, Bytes (program::LAYER_SIZE, 1));   // ignored
    EXPECT_EQ (edit.changeStatus, 31);
    edit.setExtraBlock ({ 1, 2, 3 });
    EXPECT_EQ (edit.changeStatus, 36);
    EXPECT_EQ (edit.getExtraBlock(), (Bytes { 1, 2, 3 }));
    EXPECT_GE (changes.pending(), 1);

    // A short block: the common part is padded with zeros.
    edit.loadRecord (Bytes (100, 7));
    EXPECT_EQ (edit.getCommonBlock().size(), (size_t) program::COMMON_SIZE);
    EXPECT_EQ (edit.getCommonBlock()[80], 0);
    edit.setFxChains ({ 5, 6, 7 });
    EXPECT_EQ (edit.getFxChains(), (std::array<int, 3> { 0, 0, 0 }));
}

TEST (ProgramBankObject, KindsAndLayers)
{
    ObjProgramBankClass programs;
    programs.bank = factoryIndex (typeProgram);
    EXPECT_EQ (programs.getKindText (1), "ZEPH");
    EXPECT_EQ (programs.getKindText (119), "TW3");
    EXPECT_EQ (programs.getKindText (5000), "ZEPH");
    EXPECT_EQ (programs.getNameBytes (5000), Bytes (20, 0));
    EXPECT_EQ (programs.getLayerKeymap (1, 0), bytes::u16 (programs.bank.getRecord (1), program::LAYERS_START + program::layer::KEYMAP1));
    EXPECT_FALSE (programs.getControllerNames (1).empty());
    EXPECT_EQ (programs.getControllerAssignments (1).size(), (size_t) program::assignmentListSize (programs.bank.getRecord (1)));
}

TEST (MultiObject, LoadsAFactoryMultiAndRoutesAddresses)
{
    ObjSetupBankClass multis;
    multis.bank = factoryIndex (typeMulti);
    ObjMultiClass m;
    multis.loadMulti (1, m);

    EXPECT_EQ (m.getZoneCount(), 4);
    EXPECT_EQ (m.getTailSize(), 2676);
    EXPECT_EQ (m.getZoneOffset (0), multi::COMMON_SIZE);
    EXPECT_EQ (m.getZoneOffset (1), multi::COMMON_SIZE + m.getZoneSize (0));
    EXPECT_EQ (m.getValue (272, 0, 0), bytes::s16 (m.getMultiBlock(), 294));
    EXPECT_EQ (m.getValue (43, 11, 2), bytes::s16 (m.getZoneBlock (2), 11));   // the zone's program
    EXPECT_EQ (m.getValue (13, 1, 0), 2);                                      // zone 2's channel
    EXPECT_EQ (m.getValue (999, 1, 0), 0);

    m.setValue (43, 93, 1, -300);                 // written whole
    EXPECT_EQ (m.getValue (43, 93, 1), -300);
    m.setValue (43, 11, 1, 0x1234);               // one byte only
    EXPECT_EQ (bytes::u8 (m.getZoneBlock (1), 11), 0x34);
    m.setValue (35, 260, 3, 123456);
    EXPECT_EQ (m.getValue (35, 260, 3), 123456);
    const int before = m.getValue (43, 5, 0);
    m.setValue (43, 5, 0, before + 1);            // read only
    EXPECT_EQ (m.getValue (43, 5, 0), before);

    // Tempo fields of the first zone's text block.
    const int v = bytes::u16 (m.getZoneBlock (0), multi::walkZone (m.getZoneBlock (0), 0).text + 16);
    EXPECT_EQ (m.getValue (4, 102, 0), v % 100);
    EXPECT_EQ (m.getValue (4, 100, 5), v / 100 < 20 ? 19 : v / 100);
}

TEST (MultiObject, ReceivedParts)
{
    ObjMultiClass m;
    ObjSetupBankClass multis;
    multis.bank = factoryIndex (typeMulti);
    multis.loadMulti (2, m);
    ChangeCounter changes (m);

    const auto before = m.getCommon().block;
    m.setMainPart (Bytes (300, 9));
    EXPECT_EQ (m.getCommon().block, before);
    EXPECT_EQ (m.changeStatus, 17);
    EXPECT_EQ (changes.pending(), 1);

    m.setMainPart (Bytes (394, 9));
    const auto& after = m.getCommon().block;
    EXPECT_TRUE (std::equal (after.begin(), after.begin() + 68, before.begin()));
    EXPECT_TRUE (std::all_of (after.begin() + 68, after.end(), [] (uint8_t b) { return b == 9; }));

    m.setNamePart (Bytes { 'N', 'e', 'w' }, Bytes (45, 4));
    EXPECT_EQ (m.getName(), "New");
    EXPECT_EQ (m.getCommon().getZoneCount(), 4);   // byte 67 came with the part

    const auto zone3 = m.getZoneBlock (3);
    m.setZone (5, Bytes (100, 1));                 // beyond the zone count
    m.setZone (3, Bytes (100, 1));
    EXPECT_EQ (m.getZoneBlock (3), Bytes (100, 1));
    EXPECT_NE (zone3, m.getZoneBlock (3));
    EXPECT_EQ (m.changeStatus, 3);
}

TEST (FxChainObject, CategoriesAndControls)
{
    ObjFXChainClass chains;
    chains.bank = factoryIndex (typeFxChain);
    EXPECT_EQ (chains.findChainStart (1), 30);
    chains.decodeChain (1);
    EXPECT_EQ (chains.getUnitCount(), 1);
    EXPECT_EQ (chains.getUnitCode (0), "Rvrb");
    const auto controls = chains.getControlBlock (1);
    EXPECT_EQ ((int) controls.size(), chains.getControlListSize (1));
    EXPECT_EQ (controls[0], 0x01);

    const auto reverbs = chains.getChainsInCategory ("Reverb");
    EXPECT_EQ (reverbs.front(), 1);
    EXPECT_TRUE (std::is_sorted (reverbs.begin(), reverbs.end()));
    EXPECT_TRUE (chains.getChainsInCategory ("Echo").empty());
    EXPECT_TRUE (chains.getChainsInCategory ("Drums").empty());
    EXPECT_TRUE (chains.getChainsInCategory ("Nonsense").empty());
    EXPECT_FALSE (chains.getChainsInCategory ("EQ").empty());
    EXPECT_TRUE (chains.getControlBlock (5000).empty());
}

TEST (FxChainCodes, CodesAndTheirCategories)
{
    EXPECT_EQ (fxchain::effectCode (0), "    ");
    EXPECT_EQ (fxchain::effectCode (3), "GRvb");
    EXPECT_EQ (fxchain::effectCode (252), "    ");
    EXPECT_EQ (fxchain::effectCode (404), "CRvb");
    EXPECT_EQ (fxchain::effectCode (600), "Reso");
    EXPECT_EQ (fxchain::effectCode (1500), "    ");
    EXPECT_EQ (fxchain::categoriesOfCode ("CRvb"), (std::vector<int> { 2, 1 }));
    EXPECT_EQ (fxchain::categoriesOfCode ("PchC"), (std::vector<int> { 15, 2 }));
    EXPECT_TRUE (fxchain::categoriesOfCode ("Vocl").empty());
}

TEST (MasterObject, PartsTempoAndEntries)
{
    ObjMasterClass master;
    EXPECT_EQ (master.getPart (3), Bytes (200, 0));
    Bytes part3 (200, 0);
    bytes::put16 (part3, 23, 12050);
    master.setPart (3, part3);
    EXPECT_EQ (master.getTempo(), 120);
    Bytes part4 (200, 0);
    bytes::put16 (part4, 8 * 5 + 2, 777);
    master.setPart (4, part4);
    EXPECT_EQ (master.getEntryValue (5), 777);
    EXPECT_EQ (master.changeStatus, 4);
    master.setPart (5, part4);
    EXPECT_EQ (master.changeStatus, 4);
}
