#pragma once

#include "support/VirtualRig.h"
#include "app/MainComp.h"

/** The IDs a grid lists, in order. */
inline std::vector<int> idsOf (const StsGrid& grid)
{
    return { grid.getIds().begin(), grid.getIds().end() };
}

/** The main component over the virtual rig, past the start-up panel. */
class EditorRigTest : public VirtualRigTest
{
protected:
    void SetUp() override
    {
        VirtualRigTest::SetUp();
        midi().aboutShown = true;
        main = std::make_unique<MainComp> (processor.get());
        main->setSize (1024, 768);
    }

    void TearDown() override
    {
        main.reset();
        VirtualRigTest::TearDown();
    }

    std::unique_ptr<MainComp> main;
};
