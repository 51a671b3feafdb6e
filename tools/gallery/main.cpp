// zk7-gallery <folder>: renders every widget of the kit in its main states into PNG files.

#include "comms/ZK5Class.h"
#include "widgets/Displays.h"
#include "widgets/FeelAndLook.h"
#include "widgets/Look.h"
#include "widgets/ProgramGrid.h"
#include "widgets/VlmCont.h"

#include <iostream>

namespace
{
juce::File out;

void save (juce::Component& component, const juce::String& name)
{
    const auto image = component.createComponentSnapshot (component.getLocalBounds());
    const auto file = out.getChildFile (name + ".png");
    file.deleteFile();
    juce::FileOutputStream stream (file);
    juce::PNGImageFormat().writeImageToStream (image, stream);
    std::cout << file.getFullPathName() << "\n";
}

/** A page that paints the framed panel behind its children, as the editors do. */
struct Sheet : juce::Component
{
    Sheet (int w, int h) { setSize (w, h); }
    void paint (juce::Graphics& g) override
    {
        FeelAndLook().paintPanel (g, getWidth(), getHeight(), juce::Colour (0x22000000));
        g.setColour (juce::Colour (0xFFDADADA));
        g.setFont (juce::Font ("Arial", 15.0f, juce::Font::bold));
        g.drawText (title, 16, 8, getWidth() - 32, 20, juce::Justification::centredLeft);
        for (const auto& caption : captions)
        {
            g.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain));
            g.drawText (caption.second, caption.first, juce::Justification::centred);
        }
    }
    juce::String title;
    std::vector<std::pair<juce::Rectangle<int>, juce::String>> captions;
    juce::OwnedArray<juce::Component> owned;
};

void valueControls (MidiCntrState& midi)
{
    struct Row { int kind; const char* label; int min, max, code; float w, h; };
    const Row rows[] = { { VlmCont::FIELD, "Field", 0, 127, 0, 90, 40 }, { VlmCont::SWITCH, "Switch", 0, 1, 778, 90, 24 },
                         { VlmCont::KNOB, "Knob", 0, 127, 0, 70, 82 }, { VlmCont::FADER, "Fader", -96, 24, 108, 60, 190 },
                         { VlmCont::LONG_FIELD, "Long field", 0, 8191, 2100, 200, 40 }, { VlmCont::SLIDER, "Slider", -64, 64, 107, 220, 40 },
                         { VlmCont::SMALL_BOX, "Box", 0, 127, 782, 70, 40 }, { VlmCont::MINI_AB, "A/B", 0, 1, 0, 40, 14 },
                         { VlmCont::MINI_PRE_POST, "Pre/Post", 0, 1, 0, 40, 14 }, { VlmCont::NAME_FIELD, "Name", 0, 127, 777, 90, 40 },
                         { VlmCont::SELECTOR_FIELD, "Selector", 1, 8191, 2200, 190, 40 }, { VlmCont::PICTURE_TOGGLE, "Toggle", 0, 1, 0, 40, 24 } };

    Sheet sheet (1000, 760);
    sheet.title = "VlmCont: each kind at its minimum, middle and maximum";
    int x = 20, y = 40, rowHeight = 0;
    for (const auto& r : rows)
    {
        if (x + 3 * (r.w + 10) > 980)
        {
            x = 20;
            y += rowHeight + 30;
            rowHeight = 0;
        }
        for (int state = 0; state < 3; ++state)
        {
            auto* c = new VlmCont (&midi);
            sheet.owned.add (c);
            c->setup (state, r.label, r.min, r.max, r.code);
            c->ownerDrawsLabel = r.kind == VlmCont::SWITCH || r.kind == VlmCont::MINI_AB || r.kind == VlmCont::MINI_PRE_POST
                                 || r.kind == VlmCont::PICTURE_TOGGLE;
            c->setKindAndBounds (r.kind, (float) x, (float) y + 18.0f, r.w, r.h);
            c->setValueSilently (state == 0 ? r.min : state == 1 ? (r.min + r.max) / 2 : r.max);
            sheet.addAndMakeVisible (c);
            x += (int) r.w + 10;
        }
        sheet.captions.push_back ({ { x - 3 * ((int) r.w + 10), y, 3 * ((int) r.w + 10), 16 }, r.label });
        x += 20;
        rowHeight = std::max (rowHeight, (int) r.h + 18);
    }
    save (sheet, "vlmcont");
}

void buttonsAndBoxes()
{
    Sheet sheet (700, 420);
    sheet.title = "Buttons, progress bar, message box, label";
    const char* texts[] = { "PROGRAM", "MULTI", "MIDI", "KEYS" };
    for (int i = 0; i < 4; ++i)
    {
        auto* b = new StsBut (texts[i], i, false, 14.0f, 30);
        sheet.owned.add (b);
        b->setBounds (20 + 110 * i, 40, 100, 36);
        b->setLit (i == 0);
        sheet.addAndMakeVisible (b);
    }
    auto* picture = new StsBut ("FAVORITE", 9, false, 12.0f, 20);
    sheet.owned.add (picture);
    picture->setStyle (StsBut::STYLE_PICTURE);
    picture->hasLamp = true;
    picture->setLit (true);
    picture->setBounds (480, 46, 120, 20);
    sheet.addAndMakeVisible (picture);

    auto* bar = new progBarSM (10, 320, 40);
    sheet.owned.add (bar);
    bar->setTopLeftPosition (20, 100);
    bar->setProgress (5);
    sheet.addAndMakeVisible (bar);

    auto* box = new Message_Box ("Overwrite program 1137?", 1, 20, 160, 420, 200);
    sheet.owned.add (box);
    sheet.addAndMakeVisible (box);

    auto* label = new StsLabel();
    sheet.owned.add (label);
    label->setup ("Filled label", "Arial", 14.0f, juce::Colours::white, 0, juce::Justification::centredLeft);
    label->setFilled();
    label->setBounds (460, 160, 200, 24);
    sheet.addAndMakeVisible (label);
    save (sheet, "buttons");
}

void grids (ZK5Class& store)
{
    StsGrid_Prg grid (&store.programs.bank);
    grid.setSize (500, 43 * 8);
    grid.loadIds (BankIndex::LIST_EXISTING, 0);
    grid.selectId (3, false);
    save (grid, "program-grid");

    i_Grid list;
    list.setSize (240, 300);
    list.setItems ({ "NONE", "PROGRAM", "MULTI" }, { 0, 1, 2 });
    list.select (1, false);
    save (list, "value-list");
}

void selector (MidiCntrState& midi)
{
    Sheet page (1024, 768);
    page.title = "Value selector";
    VlmCont control (&midi);
    control.setup (1, "Insert FX", 1, 8191, 2200);
    control.setKindAndBounds (VlmCont::LONG_FIELD, 40, 60, 220, 40);
    control.setValueSilently (1);
    page.addAndMakeVisible (control);
    i_Control chooser;
    chooser.setBounds (page.getLocalBounds());
    page.addAndMakeVisible (chooser);
    chooser.open (control);
    save (page, "value-selector");
}

void displays (MidiCntrState& midi)
{
    Sheet sheet (900, 470);
    sheet.title = "Displays and listener controls";
    auto* lcd = new LCD_Comp (0, 230, 110);
    sheet.owned.add (lcd);
    lcd->setTexts (1, 1, 1, "Dyn 9ft Grand", "Ch. 1", "ZEPH", "");
    lcd->setTopLeftPosition (20, 40);
    sheet.addAndMakeVisible (lcd);

    auto* keys = new ZoneKeyClass (505);
    sheet.owned.add (keys);
    keys->setRange (36, 84);
    keys->setTopLeftPosition (280, 60);
    sheet.addAndMakeVisible (keys);

    auto* knob = new BigKnob();
    sheet.owned.add (knob);
    knob->setPosition (9);
    knob->setTopLeftPosition (280, 120);
    sheet.addAndMakeVisible (knob);

    for (int i = 0; i < 3; ++i)
    {
        auto* c = new StsCont();
        sheet.owned.add (c);
        const int styles[] = { StsCont::KNOB, StsCont::FADER, StsCont::DRAWBAR };
        c->configure (i, "", 420 + 80 * i, 120, 50, i == 0 ? 70 : 178, 0, 127, styles[i]);
        c->setValue (40 * (i + 1), juce::String (40 * (i + 1)));
        sheet.addAndMakeVisible (c);
    }
    auto* meter = new Vu_Meter();
    sheet.owned.add (meter);
    meter->setBounds (700, 120, 16, 178);
    meter->raise (100);
    sheet.addAndMakeVisible (meter);

    auto* page = new kontrols (midi);
    sheet.owned.add (page);
    save (sheet, "displays");

    page->setSize (900, 300);
    page->refresh();
    save (*page, "controls-page");
}
}

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: zk7-gallery <folder>\n";
        return 2;
    }
    out = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    out.createDirectory();

    juce::ScopedJuceInitialiser_GUI juce;
    ScopedDefaultLook look;
    const auto library = juce::File::createTempFile ("zk7gallery");
    {
        MidiCntrState midi (nullptr, std::make_unique<ZK5Class> (library), library);
        auto& store = dynamic_cast<ZK5Class&> (*midi.getObjectStore());

        juce::Image panelImage (juce::Image::ARGB, 600, 300, true);
        {
            juce::Graphics g (panelImage);
            FeelAndLook().paintPanel (g, 600, 300, juce::Colour (0x22000000));
        }
        juce::ImageComponent panel;
        panel.setImage (panelImage);
        panel.setSize (600, 300);
        save (panel, "panel");

        valueControls (midi);
        buttonsAndBoxes();
        grids (store);
        selector (midi);
        displays (midi);
    }
    library.deleteRecursively();
    return 0;
}
