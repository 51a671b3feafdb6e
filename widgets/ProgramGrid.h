#pragma once

#include "widgets/Grids.h"

class StsGrid_Prg;

class PrGridListener
{
public:
    virtual ~PrGridListener() = default;
    virtual void gridEvent (StsGrid_Prg* grid, int event, int id) = 0;
};

/** The program list: a bank grid with each program's category icon, whose
    double-click tells its listeners (event 15) instead of queueing a command. */
class StsGrid_Prg : public StsGrid
{
public:
    static constexpr int OPEN_EVENT = 15;

    using StsGrid::StsGrid;

    void addListener (PrGridListener* listener) { listeners.add (listener); }
    void mouseDoubleClick (const juce::MouseEvent& e) override;

protected:
    void paintRow (juce::Graphics& g, int row, juce::Rectangle<int> area, bool selected) override;

private:
    GuardedListeners<PrGridListener> listeners;
};
