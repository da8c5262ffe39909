#include "ui/main/CombinationDialog.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/statline.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/SymbolStrings.h"
#include "framework/orlFonts.h"
#include "framework/orlLocaleFacts.h"
#include "settings/MainConfig.h"
#include "support/ControlEvents.h"
#include "support/FixedLocaleFacts.h"
#include "support/LiveSettingsFixture.h"
#include "support/MessageBoxExpectation.h"
#include "support/Strings.h"
#include "support/TempDirectory.h"
#include "support/orlDialogTestSupport.h"
#include "support/orlWindowTestSupport.h"
#include "ui/main/CombinationDialogExpectation.h"

namespace {

using testsupport::Array;
using testsupport::Texts;

// Every field of an item, so that a failed comparison shows which one differs.
std::string Fields(const UseChar& u) {
    std::ostringstream os;
    os << "length " << u.Length << ", kinds " << u.AlphabetUpper << u.AlphabetLower << u.Numeric
       << u.Symbol << ", symbols \"" << u.SymbolString.utf8_string() << "\", all kinds "
       << u.UseAllKind << ", fixed " << u.Fixed << " \"" << u.FixedString.utf8_string()
       << "\", dictionary " << u.Dictionary << " " << u.DictionaryMin << "-" << u.DictionaryMax;
    return os.str();
}

std::vector<std::string> FixedHistory() {
    return testsupport::Strings(MainConfig::Get().FixedStrings);
}

std::vector<std::string> SymbolHistory() {
    return testsupport::Strings(MainConfig::Get().SymbolStrings);
}

// The dialog with its modal loop stood in for, so that its buttons end it as they would.
using Dialog = EndingDialog<CombinationDialog>;

// The controls of one dialog, found by identifier or by window name and creation order.
struct Controls {
    explicit Controls(wxWindow* dialog) {
        auto byId = [dialog](wxWindowID id) { return dialog->FindWindow(id); };
        variable = dynamic_cast<wxRadioButton*>(byId(CombinationDialog::kVariableRadioId));
        fixed = dynamic_cast<wxRadioButton*>(byId(CombinationDialog::kFixedRadioId));
        dictionary = dynamic_cast<wxRadioButton*>(byId(CombinationDialog::kDictionaryRadioId));
        slider = dynamic_cast<wxSlider*>(byId(CombinationDialog::kLengthSliderId));
        minSpin = dynamic_cast<wxSpinCtrl*>(byId(CombinationDialog::kMinSpinId));
        maxSpin = dynamic_cast<wxSpinCtrl*>(byId(CombinationDialog::kMaxSpinId));
        ok = dynamic_cast<wxButton*>(byId(wxID_OK));
        cancel = dynamic_cast<wxButton*>(byId(wxID_CANCEL));

        checks = Children<wxCheckBox>(dialog, "check");
        if (checks.size() == 5u) {
            upper = checks[0];
            lower = checks[1];
            digit = checks[2];
            symbol = checks[3];
            useAll = checks[4];
        }
        auto combos = Children<wxComboBox>(dialog, "comboBox");
        if (combos.size() == 2u) {
            symbolCombo = combos[0];
            fixedCombo = combos[1];
        }
        texts = Children<wxStaticText>(dialog, "staticText");
        if (texts.size() == 4u) {
            lengthLabel = texts[0];
            rangeLabel = texts[1];
            dash = texts[2];
            wordCount = texts[3];
        }
        boxes = Children<wxStaticBox>(dialog, "groupBox");
    }

    bool Complete() const {
        return variable && fixed && dictionary && slider && minSpin && maxSpin && ok && cancel &&
               useAll && fixedCombo && wordCount && boxes.size() == 2u;
    }

    template <class T>
    static std::vector<T*> Children(wxWindow* parent, const wxString& name) {
        return testsupport::Children<T>(parent, name);
    }

    // The controls of the three modes.
    std::vector<wxWindow*> VariableControls() const {
        return {boxes[0], lengthLabel, slider, boxes[1], upper, lower, digit, symbol, useAll};
    }
    std::vector<wxWindow*> DictionaryControls() const {
        return {rangeLabel, minSpin, maxSpin, wordCount};
    }

    wxRadioButton* variable = nullptr;
    wxRadioButton* fixed = nullptr;
    wxRadioButton* dictionary = nullptr;
    wxSlider* slider = nullptr;
    wxSpinCtrl* minSpin = nullptr;
    wxSpinCtrl* maxSpin = nullptr;
    wxButton* ok = nullptr;
    wxButton* cancel = nullptr;
    std::vector<wxCheckBox*> checks;
    wxCheckBox* upper = nullptr;
    wxCheckBox* lower = nullptr;
    wxCheckBox* digit = nullptr;
    wxCheckBox* symbol = nullptr;
    wxCheckBox* useAll = nullptr;
    wxComboBox* symbolCombo = nullptr;
    wxComboBox* fixedCombo = nullptr;
    std::vector<wxStaticText*> texts;
    wxStaticText* lengthLabel = nullptr;
    wxStaticText* rangeLabel = nullptr;
    wxStaticText* dash = nullptr;
    wxStaticText* wordCount = nullptr;
    std::vector<wxStaticBox*> boxes;
};

// A word of the length, different for each index.
std::string MadeUpWord(std::size_t length, std::size_t index) {
    std::string word(length, 'a');
    for (std::size_t i = 0; i < length && index > 0; ++i, index /= 26) {
        word[length - 1 - i] = static_cast<char>('a' + index % 26);
    }
    return word;
}

class CombinationDialogTest : public LiveSettingsFixture {
  protected:
    // Words of 3 to 12 letters: two of 3, none of 4 and 5, 1,234 of 6, one of 7 and one of 12.
    static constexpr std::uint32_t kWordsOf6 = 1234;

    void SetUp() override {
        LiveSettingsFixture::SetUp();
        ResetWindowGeometry();
        std::string words = "cat\ndog\nbirdies\nabcdefghijkl\n";
        for (std::size_t i = 0; i < kWordsOf6; ++i) {
            words += MadeUpWord(6, i) + "\n";
        }
        directory.WriteFile("words.dic", words);
        ASSERT_TRUE(words3to12.Load(directory.Root()));
        ASSERT_EQ(words3to12.GetMinLength(), 3u);
        ASSERT_EQ(words3to12.GetMaxLength(), 12u);
        ASSERT_EQ(words3to12.CountWords(3, 12), kWordsOf6 + 4);
        FixedLocaleFacts::Use("English", ".");
    }

    void TearDown() override {
        orlSetLocaleFacts(nullptr);
        ResetWindowGeometry();
        LiveSettingsFixture::TearDown();
    }

    // An item of random characters: capital letters and digits, 8 long, with the values of the
    // other modes filled in as well.
    static UseChar VariableItem() {
        UseChar item;
        item.Length = 8;
        item.AlphabetUpper = true;
        item.AlphabetLower = false;
        item.Numeric = true;
        item.Symbol = false;
        item.SymbolString = "#$";
        item.UseAllKind = false;
        item.FixedString = "pass";
        item.DictionaryMin = 6;
        item.DictionaryMax = 7;
        return item;
    }

    static void Select(wxRadioButton* radio) { testsupport::Choose(radio); }
    static void Click(wxCheckBox* check, bool value) { testsupport::Tick(check, value); }
    static void Press(wxButton* button) { testsupport::Press(button); }

    // Puts the focus on the spin control, which selects its text, and types the text key by
    // key through the toolkit's own key handling.
    static void TypeInto(wxWindow* dialog, wxSpinCtrl* spin, const std::string& text,
                         const std::function<void()>& afterEachKey = {}) {
        spin->SetFocus();
        wxYield();
        gtk_editable_select_region(GTK_EDITABLE(spin->GetHandle()), 0, -1);
        GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(dialog->GetHandle()));
        ASSERT_NE(window, nullptr) << "the dialog is not shown";
        for (char c : text) {
            const guint key = gdk_unicode_to_keyval(static_cast<guint32>(c));
            testsupport::SendKey(window, key, 0, gtk_main_do_event);
            wxYield();
            if (afterEachKey) {
                afterEachKey();
            }
        }
    }

    // Puts the text into the spin control as typing does, but leaves it there untaken: the
    // control takes a typed text as its value, brought into its range, only when it loses the
    // focus or Enter is pressed in it.
    static void PutText(wxSpinCtrl* spin, const char* text) {
        gtk_entry_set_text(GTK_ENTRY(spin->GetHandle()), text);
    }

    // True when the control, or the text entry inside it, has the dialog's keyboard focus.
    static bool Focused(wxWindow* dialog, wxWindow* control) {
        GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(dialog->GetHandle()));
        GtkWidget* widget = GTK_WIDGET(control->GetHandle());
        return focus != nullptr && (focus == widget || gtk_widget_is_ancestor(focus, widget));
    }

    static std::string FocusName(wxWindow* dialog) {
        GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(dialog->GetHandle()));
        return focus != nullptr ? G_OBJECT_TYPE_NAME(focus) : "nothing";
    }

    static std::string WordCountText(const wxString& number) {
        return ("(Word Count: " + number + ")").utf8_string();
    }

    TempDirectory directory;
    Dictionary words3to12;
    Dictionary emptyDictionary;
};

TEST_F(CombinationDialogTest, HasItsTitleAndLabels) {
    UseChar item = VariableItem();
    CombinationDialog dialog(&item, Frame(), words3to12);
    Controls c(&dialog);
    ASSERT_TRUE(c.Complete());

    EXPECT_EQ(dialog.GetTitle(), "Use Character");
    EXPECT_EQ(dialog.GetParent(), Frame());
    EXPECT_TRUE(dialog.HasFlag(wxRESIZE_BORDER));

    struct Labelled {
        wxWindow* control;
        const char* label;
    };
    const Labelled labelled[] = {
        {c.variable, "Variable"},
        {c.fixed, "Fixed"},
        {c.dictionary, "Dictionary Word"},
        {c.upper, "A-Z"},
        {c.lower, "a-z"},
        {c.digit, "0-9"},
        {c.symbol, "Symbol"},
        {c.useAll, "Use all character kind"},
        {c.rangeLabel, "Length:"},
        {c.dash, "-"},
        {c.wordCount, ""},
        {c.boxes[0], "Length"},
        {c.boxes[1], "Use Character"},
        {c.ok, "OK"},
        {c.cancel, "Cancel"},
    };
    for (const Labelled& l : labelled) {
        SCOPED_TRACE(l.label);
        EXPECT_EQ(l.control->GetLabel(), l.label);
    }
    EXPECT_TRUE(c.variable->HasFlag(wxRB_GROUP));
    EXPECT_EQ(dialog.GetDefaultItem(), c.ok);
    EXPECT_EQ(c.slider->GetMin(), 1);
    EXPECT_EQ(c.slider->GetMax(), 20);
    EXPECT_TRUE(c.lengthLabel->HasFlag(wxST_NO_AUTORESIZE));
    EXPECT_GE(c.lengthLabel->GetSize().x, dialog.GetTextExtent("20").x);
    EXPECT_TRUE(c.minSpin->HasFlag(wxSP_ARROW_KEYS));
    EXPECT_EQ(c.fixedCombo->GetFont(), orlGetTextFont());
    EXPECT_EQ(c.symbolCombo->GetFont(), orlGetTextFont());
    EXPECT_FALSE(c.fixedCombo->HasFlag(wxCB_READONLY));
    auto lines = Controls::Children<wxStaticLine>(&dialog, "staticLine");
    EXPECT_EQ(lines.size(), 2u) << "one in the kinds box, one above the buttons";
}

TEST_F(CombinationDialogTest, OpeningSelectsTheItemsModeAndEnablesOnlyItsControls) {
    enum Mode { kVariable, kFixed, kDictionary };
    struct Case {
        const char* name;
        bool fixed, dictionary, symbol;
        Mode mode;
    };
    const Case cases[] = {
        {"random characters", false, false, false, kVariable},
        {"random characters with symbols", false, false, true, kVariable},
        {"fixed text", true, false, true, kFixed},
        {"dictionary word", false, true, true, kDictionary},
        {"fixed wins over dictionary", true, true, false, kFixed},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        UseChar item = VariableItem();
        item.Fixed = t.fixed;
        item.Dictionary = t.dictionary;
        item.Symbol = t.symbol;
        CombinationDialog dialog(&item, Frame(), words3to12);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());

        EXPECT_EQ(c.variable->GetValue(), t.mode == kVariable);
        EXPECT_EQ(c.fixed->GetValue(), t.mode == kFixed);
        EXPECT_EQ(c.dictionary->GetValue(), t.mode == kDictionary);
        for (wxWindow* control : c.VariableControls()) {
            EXPECT_EQ(control->IsEnabled(), t.mode == kVariable) << control->GetLabel();
        }
        EXPECT_EQ(c.symbolCombo->IsEnabled(), t.mode == kVariable && t.symbol);
        EXPECT_EQ(c.fixedCombo->IsEnabled(), t.mode == kFixed);
        for (wxWindow* control : c.DictionaryControls()) {
            EXPECT_EQ(control->IsEnabled(), t.mode == kDictionary) << control->GetLabel();
        }
        EXPECT_TRUE(c.dash->IsEnabled());

        // Every mode's values are shown, whichever is selected.
        EXPECT_EQ(c.slider->GetValue(), 8);
        EXPECT_EQ(c.lengthLabel->GetLabel(), "8");
        EXPECT_TRUE(c.upper->GetValue());
        EXPECT_FALSE(c.lower->GetValue());
        EXPECT_TRUE(c.digit->GetValue());
        EXPECT_EQ(c.symbol->GetValue(), t.symbol);
        EXPECT_FALSE(c.useAll->GetValue());
        EXPECT_EQ(c.symbolCombo->GetValue(), "#$");
        EXPECT_EQ(c.fixedCombo->GetValue(), "pass");
        EXPECT_EQ(c.minSpin->GetValue(), 6);
        EXPECT_EQ(c.maxSpin->GetValue(), 7);
    }
}

TEST_F(CombinationDialogTest, ChoosingAModeOrTheSymbolBoxUpdatesTheEnabling) {
    UseChar item = VariableItem();
    CombinationDialog dialog(&item, Frame(), words3to12);
    Controls c(&dialog);
    ASSERT_TRUE(c.Complete());

    Select(c.dictionary);
    EXPECT_FALSE(c.slider->IsEnabled());
    EXPECT_FALSE(c.symbol->IsEnabled());
    EXPECT_FALSE(c.fixedCombo->IsEnabled());
    EXPECT_TRUE(c.minSpin->IsEnabled());
    EXPECT_TRUE(c.wordCount->IsEnabled());

    Select(c.fixed);
    EXPECT_TRUE(c.fixedCombo->IsEnabled());
    EXPECT_FALSE(c.maxSpin->IsEnabled());
    EXPECT_FALSE(c.rangeLabel->IsEnabled());

    Select(c.variable);
    EXPECT_TRUE(c.upper->IsEnabled());
    EXPECT_FALSE(c.fixedCombo->IsEnabled());
    EXPECT_FALSE(c.symbolCombo->IsEnabled()) << "symbols are not chosen";
    Click(c.symbol, true);
    EXPECT_TRUE(c.symbolCombo->IsEnabled());
    Click(c.symbol, false);
    EXPECT_FALSE(c.symbolCombo->IsEnabled());
}

TEST_F(CombinationDialogTest, EveryMoveOfTheSliderShowsItsPosition) {
    UseChar item = VariableItem();
    CombinationDialog dialog(&item, Frame(), words3to12);
    Controls c(&dialog);
    ASSERT_TRUE(c.Complete());
    const wxEventType types[] = {
        wxEVT_SCROLL_TOP,        wxEVT_SCROLL_BOTTOM,       wxEVT_SCROLL_LINEUP,
        wxEVT_SCROLL_LINEDOWN,   wxEVT_SCROLL_PAGEUP,       wxEVT_SCROLL_PAGEDOWN,
        wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE, wxEVT_SCROLL_CHANGED,
    };
    int position = 11;
    for (wxEventType type : types) {
        SCOPED_TRACE(position);
        wxScrollEvent event(type, c.slider->GetId(), position, wxHORIZONTAL);
        event.SetEventObject(c.slider);
        c.slider->HandleWindowEvent(event);
        EXPECT_EQ(c.lengthLabel->GetLabel(), wxString::Format("%d", position));
        ++position;
    }
}

TEST_F(CombinationDialogTest, OpeningPutsTheItemsFixedTextFirstInTheHistory) {
    struct Case {
        const char* name;
        wxString fixedText;
        std::vector<wxString> history;  // afterwards, and the list of the combo box
    };
    // The history before each case: "new", "old".
    const Case cases[] = {
        {"an unknown text goes first", "mine", {"mine", "new", "old"}},
        {"a known text moves first", "old", {"old", "new"}},
        {"an empty text changes nothing", "", {"new", "old"}},
        {"spaces are a text", "  ", {"  ", "new", "old"}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Config().FixedStrings = Array({"new", "old"});
        UseChar item = VariableItem();
        item.Fixed = true;
        item.FixedString = t.fixedText;
        CombinationDialog dialog(&item, Frame(), words3to12);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());

        EXPECT_EQ(FixedHistory(), Texts(t.history));
        EXPECT_EQ(testsupport::Strings(c.fixedCombo->GetStrings()), Texts(t.history));
        EXPECT_EQ(c.fixedCombo->GetValue(), t.fixedText);
    }
}

TEST_F(CombinationDialogTest, TheLengthRangeIsTheDictionarysOrWithoutWordsTheItemsOwn) {
    struct Case {
        const char* name;
        bool withWords;
        int itemMin, itemMax;
        int low, high;           // the range of both spin controls
        int minValue, maxValue;  // their values
    };
    const Case cases[] = {
        {"inside the dictionary's lengths", true, 5, 8, 3, 12, 5, 8},
        {"the dictionary's lengths bound the values", true, 1, 20, 3, 12, 3, 12},
        {"no words: the item's own range", false, 4, 9, 4, 9, 4, 9},
        {"no words, one length", false, 7, 7, 7, 7, 7, 7},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        UseChar item = VariableItem();
        item.Dictionary = true;
        item.DictionaryMin = t.itemMin;
        item.DictionaryMax = t.itemMax;
        CombinationDialog dialog(&item, Frame(), t.withWords ? words3to12 : emptyDictionary);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());
        for (wxSpinCtrl* spin : {c.minSpin, c.maxSpin}) {
            EXPECT_EQ(spin->GetMin(), t.low);
            EXPECT_EQ(spin->GetMax(), t.high);
        }
        EXPECT_EQ(c.minSpin->GetValue(), t.minValue);
        EXPECT_EQ(c.maxSpin->GetValue(), t.maxValue);
    }
}

TEST_F(CombinationDialogTest, TheWordCountAppearsWhenShownAndFollowsEveryKeystroke) {
    struct Case {
        const char* decimalPoint;
        const char* words4to12;  // also 6 to 12
        const char* words3to12;
    };
    for (const Case& t : {Case{".", "1,236", "1,238"}, Case{",", "1 236", "1 238"}}) {
        SCOPED_TRACE(t.decimalPoint);
        FixedLocaleFacts::Use("English", t.decimalPoint);
        UseChar item = VariableItem();
        item.Dictionary = true;
        item.DictionaryMin = 6;
        item.DictionaryMax = 12;
        Dialog dialog(&item, Frame(), words3to12);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());
        EXPECT_EQ(c.wordCount->GetLabel(), "") << "nothing is counted before the dialog shows";

        ShowOnScreen(&dialog);
        EXPECT_EQ(c.wordCount->GetLabel().utf8_string(), WordCountText(t.words4to12));

        // "1" reaches below the shortest words, "12" leaves only the longest word.
        std::vector<std::string> shown;
        auto record = [&] { shown.push_back(c.wordCount->GetLabel().utf8_string()); };
        TypeInto(&dialog, c.minSpin, "12", record);
        EXPECT_EQ(shown,
                  (std::vector<std::string>{WordCountText(t.words3to12), WordCountText("1")}));

        // The larger end may come first.
        shown.clear();
        TypeInto(&dialog, c.maxSpin, "4", record);
        EXPECT_EQ(shown, (std::vector<std::string>{WordCountText(t.words4to12)}));

        // Lengths without words count nothing; the arrows change the value as well.
        c.minSpin->SetValue(4);
        wxSpinEvent changed(wxEVT_SPINCTRL, c.minSpin->GetId());
        changed.SetEventObject(c.minSpin);
        changed.SetPosition(4);
        c.minSpin->HandleWindowEvent(changed);
        EXPECT_EQ(c.wordCount->GetLabel().utf8_string(), WordCountText("0"));
    }
}

TEST_F(CombinationDialogTest, WithoutWordsTheCountIsZero) {
    UseChar item = VariableItem();
    item.Dictionary = true;
    Dialog dialog(&item, Frame(), emptyDictionary);
    Controls c(&dialog);
    ASSERT_TRUE(c.Complete());
    ShowOnScreen(&dialog);
    EXPECT_EQ(c.wordCount->GetLabel().utf8_string(), WordCountText("0"));
}

TEST_F(CombinationDialogTest, OkReportsTheFirstFaultAndFocusesTheControlToCorrect) {
    struct Case {
        const char* name;
        bool withWords;
        std::function<void(Controls&, wxWindow*)> edit;
        wxString message;
        std::function<wxWindow*(Controls&)> focus;
    };
    auto none = [](Controls& c, wxWindow*) {
        Click(c.upper, false);
        Click(c.lower, false);
        Click(c.digit, false);
        Click(c.symbol, false);
    };
    const Case cases[] = {
        {"no kind, symbol text usable", true, none, "Use character is not specified",
         [](Controls& c) { return c.upper; }},
        {"no kind and no usable symbol text", true,
         [&](Controls& c, wxWindow* d) {
             none(c, d);
             c.symbolCombo->SetValue("\t");
         },
         "Use character is not specified", [](Controls& c) { return c.upper; }},
        {"symbol text of nothing printable", true,
         [](Controls& c, wxWindow*) {
             Click(c.symbol, true);
             c.symbolCombo->SetValue(L"\t\u00e4");
         },
         "The symbol string is not input", [](Controls& c) { return c.symbolCombo; }},
        {"fixed text empty", true,
         [](Controls& c, wxWindow*) {
             Select(c.fixed);
             c.fixedCombo->SetValue("");
         },
         "The fixed string is not input", [](Controls& c) { return c.fixedCombo; }},
        {"no dictionary words", false,
         [](Controls& c, wxWindow*) {
             Select(c.dictionary);
             PutText(c.minSpin, "150");
         },
         "The dictionary cannot be used", [](Controls& c) { return c.dictionary; }},
        {"shortest length typed too large", true,
         [](Controls& c, wxWindow*) {
             Select(c.dictionary);
             PutText(c.minSpin, "150");
         },
         "Please specify the length of the dictionary word between from 3 to 12",
         [](Controls& c) { return c.minSpin; }},
        {"longest length typed too small", true,
         [](Controls& c, wxWindow*) {
             Select(c.dictionary);
             PutText(c.maxSpin, "2");
         },
         "Please specify the length of the dictionary word between from 3 to 12",
         [](Controls& c) { return c.maxSpin; }},
        {"longest length erased", true,
         [](Controls& c, wxWindow*) {
             Select(c.dictionary);
             PutText(c.maxSpin, "");
         },
         "Please specify the length of the dictionary word between from 3 to 12",
         [](Controls& c) { return c.maxSpin; }},
        {"no words of those lengths", true,
         [](Controls& c, wxWindow* d) {
             Select(c.dictionary);
             TypeInto(d, c.minSpin, "5");
             TypeInto(d, c.maxSpin, "4");
         },
         "There are no number of words which can be used", [](Controls& c) { return c.minSpin; }},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Config().SymbolStrings = Array({"()"});
        UseChar item = VariableItem();
        item.Symbol = true;
        const UseChar before = item;
        Dialog dialog(&item, Frame(), t.withWords ? words3to12 : emptyDictionary);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());
        ShowOnScreen(&dialog);
        t.edit(c, &dialog);
        c.cancel->SetFocus();
        wxYield();

        wxString message;
        wxWindow* parent = nullptr;
        wxTEST_DIALOG(Press(c.ok),
                      wxExpectModal<orlMessageCommonDialog>([&](orlMessageCommonDialog* box) {
                          message = MessageOf(box);
                          parent = box->GetParent();
                          return wxID_OK;
                      }));
        wxYield();

        EXPECT_EQ(message, t.message);
        EXPECT_EQ(parent, &dialog);
        EXPECT_FALSE(dialog.Ended()) << "the dialog stays open";
        EXPECT_TRUE(Focused(&dialog, t.focus(c))) << "focus on " << FocusName(&dialog);
        EXPECT_EQ(Fields(item), Fields(before));
        EXPECT_EQ(SymbolHistory(), Texts({"()"}));
    }
}

TEST_F(CombinationDialogTest, OkTakesEveryFieldAndRecordsBothTexts) {
    struct Case {
        const char* name;
        std::function<void(Controls&, wxWindow*)> edit;
        std::function<void(UseChar&)> expect;  // changes to the item as opened
        std::vector<wxString> symbols;         // the symbol history afterwards
        std::vector<wxString> fixed;           // the fixed history afterwards
    };
    // Before each case: symbol history "()", "<>"; fixed history "new", "old"; the item as
    // VariableItem() gives it.
    const Case cases[] = {
        {"random characters",
         [](Controls& c, wxWindow*) {
             c.slider->SetValue(15);
             Click(c.upper, false);
             Click(c.lower, true);
             Click(c.symbol, true);
             Click(c.useAll, true);
             c.symbolCombo->SetValue("<><>");
         },
         [](UseChar& u) {
             u.Length = 15;
             u.AlphabetUpper = false;
             u.AlphabetLower = true;
             u.Symbol = true;
             u.UseAllKind = true;
             u.SymbolString = "<>";
         },
         {"<>", "()"},
         {"pass", "new", "old"}},
        {"fixed text of spaces, kept as typed",
         [](Controls& c, wxWindow*) {
             Select(c.fixed);
             c.fixedCombo->SetValue("   ");
         },
         [](UseChar& u) {
             u.Fixed = true;
             u.FixedString = "   ";
         },
         {"#$", "()", "<>"},
         {"   ", "pass", "new", "old"}},
        {"dictionary word, lengths put in order",
         [](Controls& c, wxWindow* d) {
             Select(c.dictionary);
             TypeInto(d, c.minSpin, "9");
             TypeInto(d, c.maxSpin, "6");
         },
         [](UseChar& u) {
             u.Dictionary = true;
             u.DictionaryMin = 6;
             u.DictionaryMax = 9;
         },
         {"#$", "()", "<>"},
         {"pass", "new", "old"}},
        {"erased texts: the symbol string is kept, the fixed text is emptied",
         [](Controls& c, wxWindow*) {
             c.symbolCombo->SetValue("");
             c.fixedCombo->SetValue("");
         },
         [](UseChar& u) { u.FixedString = ""; },
         {"()", "<>"},
         {"pass", "new", "old"}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Config().SymbolStrings = Array({"()", "<>"});
        Config().FixedStrings = Array({"new", "old"});
        UseChar item = VariableItem();
        UseChar expected = item;
        t.expect(expected);
        Dialog dialog(&item, Frame(), words3to12);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());
        ShowOnScreen(&dialog);
        t.edit(c, &dialog);

        Press(c.ok);
        EXPECT_TRUE(dialog.Ended());
        EXPECT_EQ(dialog.EndedWith(), wxID_OK);
        EXPECT_EQ(Fields(item), Fields(expected));
        EXPECT_EQ(SymbolHistory(), Texts(t.symbols));
        EXPECT_EQ(FixedHistory(), Texts(t.fixed));
    }
}

TEST_F(CombinationDialogTest, TheFixedHistoryKeepsTheTenNewestTexts) {
    std::vector<wxString> ten;
    for (int i = 10; i >= 1; --i) {
        ten.push_back(wxString::Format("text %d", i));
    }
    struct Case {
        const char* name;
        wxString typed;
        std::vector<wxString> history;
    };
    std::vector<wxString> pushed = ten;
    pushed.insert(pushed.begin(), "eleventh");
    pushed.pop_back();
    std::vector<wxString> moved = ten;
    moved.erase(moved.begin() + 6);  // "text 4"
    moved.insert(moved.begin(), "text 4");
    const Case cases[] = {
        {"an eleventh text pushes the oldest out", "eleventh", pushed},
        {"a known text moves to the front", "text 4", moved},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Config().FixedStrings = Array(ten);
        UseChar item = VariableItem();
        item.FixedString = "";
        Dialog dialog(&item, Frame(), words3to12);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());
        EXPECT_EQ(c.fixedCombo->GetCount(), 10u);
        Select(c.fixed);
        c.fixedCombo->SetValue(t.typed);

        Press(c.ok);
        EXPECT_EQ(dialog.EndedWith(), wxID_OK);
        EXPECT_EQ(FixedHistory(), Texts(t.history));
    }
}

TEST_F(CombinationDialogTest, CancelAndTheCloseBoxLeaveTheItemAndTheSymbolHistory) {
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        Config().SymbolStrings = Array({"()"});
        Config().FixedStrings = Array({"old"});
        UseChar item = VariableItem();
        const UseChar before = item;
        Dialog dialog(&item, Frame(), words3to12);
        Controls c(&dialog);
        ASSERT_TRUE(c.Complete());
        ShowOnScreen(&dialog);

        c.slider->SetValue(3);
        for (wxCheckBox* check : c.checks) {
            Click(check, !check->GetValue());
        }
        c.symbolCombo->SetValue("[]");
        c.fixedCombo->SetValue("other");
        Select(c.dictionary);
        TypeInto(&dialog, c.minSpin, "3");
        TypeInto(&dialog, c.maxSpin, "3");

        if (closeBox) {
            dialog.Close();
        } else {
            Press(c.cancel);
        }
        EXPECT_EQ(dialog.EndedWith(), wxID_CANCEL);
        EXPECT_EQ(Fields(item), Fields(before));
        EXPECT_EQ(SymbolHistory(), Texts({"()"}));
        EXPECT_EQ(FixedHistory(), Texts({"pass", "old"})) << "recorded when the dialog opened";
    }
}

TEST_F(CombinationDialogTest, ShowModalHandsTheItemToWhoeverAnswers) {
    UseChar item = VariableItem();
    CombinationDialog dialog(&item, Frame(), words3to12);
    int result = wxID_NONE;
    wxTEST_DIALOG(
        result = dialog.ShowModal(), wxExpectModal<CombinationDialog>([](CombinationDialog* shown) {
            Controls c(shown);
            Select(c.fixed);
            c.fixedCombo->SetValue("typed");
            return shown->Validate() && shown->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
        }));
    EXPECT_EQ(result, wxID_OK);
    EXPECT_TRUE(item.Fixed);
    EXPECT_EQ(item.FixedString, "typed");
}

TEST_F(CombinationDialogTest, RemembersItsPlaceAndWidthButKeepsItsHeight) {
    FixedDisplays::Use(OneDisplay());
    Frame()->SetSize(100, 80, 640, 480);
    ShowFrame();
    UseChar item = VariableItem();
    wxSize laidOut;
    {
        CombinationDialog dialog(&item, Frame(), words3to12);
        laidOut = dialog.GetSize();
        EXPECT_EQ(dialog.GetMinSize(), laidOut);
        EXPECT_EQ(orlTopLevelWindowBase::GetWindowInfoCount(), 0u) << "building records nothing";
        ShowOnScreen(&dialog);

        dialog.SetSize(laidOut.x + 120, laidOut.y + 80);
        wxYield();
        EXPECT_EQ(dialog.GetSize(), wxSize(laidOut.x + 120, laidOut.y)) << "wider, not taller";
        dialog.SetSize(laidOut.x - 40, laidOut.y - 30);
        wxYield();
        EXPECT_EQ(dialog.GetSize(), laidOut) << "neither narrower nor shorter";
        dialog.SetSize(laidOut.x + 60, laidOut.y);
        dialog.Move(Frame()->GetPosition() + wxPoint(40, 70));
        wxYield();
    }
    ASSERT_EQ(orlTopLevelWindowBase::GetWindowInfoCount(), 1u);
    const orlWindowInfo record = orlTopLevelWindowBase::GetWindowInfo(0);
    EXPECT_EQ(record.Keyword, "Use Character");
    EXPECT_EQ(record.PosMargin, wxPoint(40, 70));
    EXPECT_EQ(record.Size, wxSize(laidOut.x + 60, laidOut.y));

    CombinationDialog reopened(&item, Frame(), words3to12);
    EXPECT_EQ(reopened.GetPosition(), Frame()->GetPosition() + wxPoint(40, 70));
    EXPECT_EQ(reopened.GetSize(), wxSize(laidOut.x + 60, laidOut.y));
}

TEST_F(CombinationDialogTest, AStoredTallerSizeGivesOnlyItsWidth) {
    FixedDisplays::Use(OneDisplay());
    UseChar item = VariableItem();
    wxSize laidOut;
    {
        CombinationDialog dialog(&item, Frame(), words3to12);
        laidOut = dialog.GetSize();
    }
    orlWindowInfo info("Use Character");
    info.PosMargin = wxPoint(10, 20);
    info.Size = wxSize(laidOut.x + 50, laidOut.y + 200);
    orlTopLevelWindowBase::AppendWindowInfo(info);

    CombinationDialog dialog(&item, Frame(), words3to12);
    EXPECT_EQ(dialog.GetSize(), wxSize(laidOut.x + 50, laidOut.y));
}

}  // namespace
