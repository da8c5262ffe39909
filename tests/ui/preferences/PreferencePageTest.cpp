#include "ui/preferences/PreferencePage.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/checkbox.h>
#include <wx/fontdlg.h>
#include <wx/hyperlink.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/Dictionary.h"
#include "framework/orlProductInfo.h"
#include "support/DialogExpectation.h"
#include "support/FocusChecks.h"
#include "support/Strings.h"
#include "support/TempDirectory.h"
#include "ui/dictionary/WordCountDialog.h"
#include "ui/preferences/PageTestSupport.h"

template <>
class wxExpectModal<wxFontDialog> : public ExpectDialog<wxFontDialog> {
  public:
    using ExpectDialog<wxFontDialog>::ExpectDialog;
};

template <>
class wxExpectModal<WordCountDialog> : public ExpectDialog<WordCountDialog> {
  public:
    using ExpectDialog<WordCountDialog>::ExpectDialog;
};

namespace {

using testsupport::Texts;

template <class T>
std::vector<std::string> LabelsOf(const std::vector<T*>& windows) {
    std::vector<std::string> labels;
    for (T* window : windows) {
        labels.push_back(window->GetLabel().utf8_string());
    }
    return labels;
}

class PreferencePageTest : public PreferencePageFixture {};

TEST_F(PreferencePageTest, EachKindHasItsNameGroupsLabelsAndButtons) {
    struct Button {
        const char* label;
        const char* tooltip;
    };
    struct Case {
        int kind;
        const char* name;
        bool canReset;
        std::vector<wxString> groups;
        std::vector<wxString> labels;
        std::vector<wxString> checks;
        std::vector<wxString> radios;
        std::vector<Button> buttons;
    };
    const Case cases[] = {
        {PreferencePage::PAGE_PASSWORD,
         "Password",
         true,
         {"Use Character", "Plural Creation", "Beep Sound", "Clipboard"},
         {"Capital Letter:", "(A-Z)", "Small Letter:", "(a-z)", "Numeric:", "(0-9)",
          "Dupulication:", "Create Count:", "(1-1000)", "seconds (5-300)"},
         {"Permit dupulication", "Ring the bell when create the password",
          "Ring the bell when copy the password", "Clear the clipboard after"},
         {},
         {}},
        {PreferencePage::PAGE_STRENGTH_CHECK,
         "Strength Check",
         true,
         {"Password Strength Check Level", "Test"},
         {"Check Level:"},
         {},
         {"Standard", "High level"},
         {{"Test", "Test strength of the input password"}}},
        {PreferencePage::PAGE_FONT,
         "Font",
         true,
         {"Font"},
         {},
         {},
         {},
         {{"One Password Text...", "Choose the font of the one password text"},
          {"Plural Password Text...", "Choose the font of the plural password text"},
          {"Combination List...", "Choose the font of the combination list"}}},
        {PreferencePage::PAGE_DICTIONARY,
         "Dictionary",
         false,
         {"Dictionary"},
         {"Directory:", "File Name:", "Word:"},
         {},
         {},
         {{"Show...", "Show the dictionary words"}}},
        {PreferencePage::PAGE_VERSION,
         "Version",
         false,
         {"Version"},
         {"tessarin  Version 0.9.3", orlGetProductRightsNotice()},
         {},
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PreferencePage* page = MakePage(c.kind);
        EXPECT_EQ(page->kind, c.kind);
        EXPECT_EQ(page->name, c.name);
        EXPECT_EQ(page->canReset, c.canReset);
        EXPECT_TRUE(page->HasFlag(wxTAB_TRAVERSAL));

        EXPECT_EQ(LabelsOf(Find<wxStaticBox>(page, "groupBox")), Texts(c.groups));
        EXPECT_EQ(LabelsOf(Find<wxStaticText>(page, "staticText")), Texts(c.labels));
        EXPECT_EQ(LabelsOf(Find<wxCheckBox>(page, "check")), Texts(c.checks));
        EXPECT_EQ(LabelsOf(Find<wxRadioButton>(page, "radioButton")), Texts(c.radios));

        const auto buttons = Find<wxButton>(page, "button");
        ASSERT_EQ(buttons.size(), c.buttons.size());
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i]->GetLabel(), c.buttons[i].label);
            EXPECT_EQ(buttons[i]->GetToolTipText(), c.buttons[i].tooltip);
        }
        delete page;
    }
}

TEST_F(PreferencePageTest, VersionPageShowsTheBoldTitleAndTheWebPage) {
    PreferencePage* page = MakePage(PreferencePage::PAGE_VERSION);
    const auto labels = Find<wxStaticText>(page, "staticText");
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0]->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_NE(labels[1]->GetFont().GetWeight(), wxFONTWEIGHT_BOLD);

    const auto links = Find<wxHyperlinkCtrl>(page, "hyperlink");
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0]->GetLabel(), orlGetProductWebAddress());
    EXPECT_EQ(links[0]->GetURL(), orlGetProductWebAddress());
}

// The Password page with its controls in creation order.
class PasswordPageTest : public PreferencePageFixture {
  protected:
    void SetUp() override {
        PreferencePageFixture::SetUp();
        page = MakePage(PreferencePage::PAGE_PASSWORD);
        const auto texts = Find<wxTextCtrl>(page, "text");
        const auto checks = Find<wxCheckBox>(page, "check");
        const auto spins = Find<wxSpinCtrl>(page, "wxSpinCtrl");
        ASSERT_EQ(texts.size(), 3u);
        ASSERT_EQ(checks.size(), 4u);
        ASSERT_EQ(spins.size(), 2u);
        capital = texts[0];
        small = texts[1];
        numeric = texts[2];
        duplication = checks[0];
        createBell = checks[1];
        copyBell = checks[2];
        clearClipboard = checks[3];
        count = spins[0];
        clearSeconds = spins[1];
    }

    // The pools typed as given, the rest of the page from the defaults.
    void Type(const wxString& capitalText, const wxString& smallText, const wxString& numericText,
              const wxString& countText) {
        page->LoadValues(Config());
        capital->ChangeValue(capitalText);
        small->ChangeValue(smallText);
        numeric->ChangeValue(numericText);
        // As typed: the text stands until the spin control takes it over.
        gtk_entry_set_text(GTK_ENTRY(count->GetHandle()), countText.utf8_str());
    }

    PreferencePage* page = nullptr;
    wxTextCtrl* capital = nullptr;
    wxTextCtrl* small = nullptr;
    wxTextCtrl* numeric = nullptr;
    wxCheckBox* duplication = nullptr;
    wxCheckBox* createBell = nullptr;
    wxCheckBox* copyBell = nullptr;
    wxCheckBox* clearClipboard = nullptr;
    wxSpinCtrl* count = nullptr;
    wxSpinCtrl* clearSeconds = nullptr;
};

TEST_F(PasswordPageTest, FirstColumnsOfBothGroupsLineUp) {
    ShowFrame();
    page->SetSize(Frame()->GetClientSize());
    page->Layout();
    const auto labels = Find<wxStaticText>(page, "staticText");
    ASSERT_EQ(labels.size(), 10u);
    // Capital, small, numeric, duplication and count labels; not the hints.
    const std::vector<wxStaticText*> heads = {labels[0], labels[2], labels[4], labels[6],
                                              labels[7]};
    int widest = 0;
    for (wxStaticText* head : heads) {
        widest = std::max(widest, head->GetBestSize().x);
    }
    for (wxStaticText* head : heads) {
        SCOPED_TRACE(head->GetLabel().utf8_string());
        EXPECT_EQ(head->GetSize().x, widest);
    }
    EXPECT_LT(labels[1]->GetSize().x, widest) << "the hints keep their own width";
    const int column = capital->GetScreenPosition().x;
    EXPECT_EQ(small->GetScreenPosition().x, column);
    EXPECT_EQ(duplication->GetScreenPosition().x, column);
    EXPECT_EQ(count->GetScreenPosition().x, column);

    EXPECT_EQ(count->GetMin(), 1);
    EXPECT_EQ(count->GetMax(), 1000);
    EXPECT_GE(count->GetSize().x, 80);
    EXPECT_GE(capital->GetSize().x, 150);
}

TEST_F(PasswordPageTest, PoolsAreStoredFiltered) {
    struct Case {
        const char* name;
        wxString capital, small, numeric;
        wxString storedCapital, storedSmall, storedNumeric;
    };
    const Case cases[] = {
        {"repeats dropped, space kept once", "AAB B", "abc", "012", "AB ", "abc", "012"},
        {"tabs and non-ASCII dropped", L"X\tY\u00c4Z", "q\tr", L"7\u00b2", "XYZ", "qr", "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Type(c.capital, c.small, c.numeric, "100");
        wxString message;
        ASSERT_TRUE(page->CheckValues(message)) << message;
        MainConfig saved = Config();
        EXPECT_TRUE(page->SaveValues(saved));
        EXPECT_EQ(saved.CapitalLetter, c.storedCapital);
        EXPECT_EQ(saved.SmallLetter, c.storedSmall);
        EXPECT_EQ(saved.Numeric, c.storedNumeric);
    }
}

TEST_F(PasswordPageTest, PoolWithNothingUsableIsRefusedWithTheFocusOnIt) {
    struct Case {
        const char* name;
        wxString capital, small, numeric;
        const char* message;
        int field;  // 0 capital, 1 small, 2 numeric
    };
    const Case cases[] = {
        {"capital of tabs and non-ASCII only", L"\t\u00c4\u00d6", "abc", "012",
         "The capital letter is not input", 0},
        {"empty capital", "", "abc", "012", "The capital letter is not input", 0},
        {"small and numeric both empty", "ABC", "", "", "The small letter is not input", 1},
        {"numeric of a tab only", "ABC", "abc", "\t", "The numeric is not input", 2},
    };
    ShowFrame();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Type(c.capital, c.small, c.numeric, "100");
        wxString message;
        EXPECT_FALSE(page->CheckValues(message));
        EXPECT_EQ(message, c.message);
        wxTextCtrl* refused = std::vector<wxTextCtrl*>{capital, small, numeric}[c.field];
        EXPECT_TRUE(testsupport::WaitUntil([&] { return HasWindowFocus(refused); }));
        long from = -1, to = -1;
        refused->GetSelection(&from, &to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, refused->GetLastPosition());
    }
}

TEST_F(PasswordPageTest, CountOutsideItsRangeIsRefusedWithTheRangeInTheMessage) {
    struct Case {
        const char* typed;
        int stored;  // 0: refused
    };
    const Case cases[] = {
        {"0", 0}, {"1001", 0}, {"99999", 0}, {"", 0}, {"1", 1}, {"1000", 1000}, {"250", 250},
    };
    ShowFrame();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        Type("ABC", "abc", "012", c.typed);
        ASSERT_EQ(count->GetTextValue(), c.typed);
        // Something else has the focus before the check.
        capital->SetFocus();
        wxString message;
        if (c.stored != 0) {
            ASSERT_TRUE(page->CheckValues(message)) << message;
            MainConfig saved = Config();
            page->SaveValues(saved);
            EXPECT_EQ(saved.PluralCreateCount, c.stored);
            continue;
        }
        EXPECT_FALSE(page->CheckValues(message));
        EXPECT_EQ(message, "Specify the create count between from 1 to 1000");
        EXPECT_TRUE(testsupport::WaitUntil([&] { return HasWindowFocus(count); }));
        gint start = -1, end = -1;
        gtk_editable_get_selection_bounds(GTK_EDITABLE(count->GetHandle()), &start, &end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, static_cast<gint>(count->GetTextValue().length()));
    }
}

TEST_F(PasswordPageTest, TheClearingTimeCountsOnlyWhileTheClipboardIsToBeCleared) {
    ShowFrame();
    page->LoadValues(Config());
    EXPECT_FALSE(clearClipboard->GetValue()) << "off by default";
    EXPECT_FALSE(clearSeconds->IsEnabled());
    EXPECT_EQ(clearSeconds->GetValue(), 30);
    EXPECT_EQ(clearSeconds->GetMin(), 5);
    EXPECT_EQ(clearSeconds->GetMax(), 300);

    testsupport::Tick(clearClipboard, true);
    EXPECT_TRUE(clearSeconds->IsEnabled()) << "ticking the box offers the time";

    struct Case {
        const char* typed;
        bool on;
        bool accepted;
        int stored;
    };
    const Case cases[] = {
        {"4", true, false, 0},  {"301", true, false, 0}, {"", true, false, 0},
        {"x", true, false, 0},  {"5", true, true, 5},    {"300", true, true, 300},
        {"4", false, true, 30},  // off: the time typed is not judged, and not stored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + (c.on ? "\", on" : "\", off"));
        page->LoadValues(Config());
        testsupport::Tick(clearClipboard, c.on);
        gtk_entry_set_text(GTK_ENTRY(clearSeconds->GetHandle()), c.typed);
        capital->SetFocus();
        wxString message;
        if (!c.accepted) {
            EXPECT_FALSE(page->CheckValues(message));
            EXPECT_EQ(message, "Specify the seconds between from 5 to 300");
            EXPECT_TRUE(testsupport::WaitUntil([&] { return HasWindowFocus(clearSeconds); }));
            continue;
        }
        ASSERT_TRUE(page->CheckValues(message)) << message;
        MainConfig saved = Config();
        page->SaveValues(saved);
        EXPECT_EQ(saved.ClearClipboard, c.on);
        EXPECT_EQ(saved.ClearClipboardSeconds, c.stored);
    }
}

// Each kind, loaded from one settings object and saved into another, moves exactly its own
// keys; the others keep the values of the object saved into.
TEST_F(PreferencePageTest, EachKindMovesExactlyItsOwnSettings) {
    const wxFont one(wxFontInfo(17).FaceName("Serif"));
    const wxFont plural(wxFontInfo(9).FaceName("Monospace").Bold());
    const wxFont list(wxFontInfo(11).FaceName("Sans").Italic());
    struct Case {
        int kind;
        std::function<void(MainConfig&)> change;                           // away from the defaults
        std::function<void(const MainConfig& from, MainConfig& to)> copy;  // the kind's keys
    };
    const Case cases[] = {
        {PreferencePage::PAGE_PASSWORD,
         [](MainConfig& s) {
             s.CapitalLetter = "QWE";
             s.SmallLetter = "zx";
             s.Numeric = "13579";
             s.PluralCreateCount = 737;
             s.PermitDuplication = true;
             s.BeepOnCreate = false;
             s.BeepOnCopy = false;
             s.ClearClipboard = true;
             s.ClearClipboardSeconds = 45;
         },
         [](const MainConfig& from, MainConfig& to) {
             to.CapitalLetter = from.CapitalLetter;
             to.SmallLetter = from.SmallLetter;
             to.Numeric = from.Numeric;
             to.PluralCreateCount = from.PluralCreateCount;
             to.PermitDuplication = from.PermitDuplication;
             to.BeepOnCreate = from.BeepOnCreate;
             to.BeepOnCopy = from.BeepOnCopy;
             to.ClearClipboard = from.ClearClipboard;
             to.ClearClipboardSeconds = from.ClearClipboardSeconds;
         }},
        {PreferencePage::PAGE_STRENGTH_CHECK,
         [](MainConfig& s) {
             s.StrengthCheckLevel = 1;
             s.StrengthCheckTestValue = "  first line \n\nsecond\tline\n";
         },
         [](const MainConfig& from, MainConfig& to) {
             to.StrengthCheckLevel = from.StrengthCheckLevel;
             to.StrengthCheckTestValue = from.StrengthCheckTestValue;
         }},
        {PreferencePage::PAGE_FONT,
         [&](MainConfig& s) {
             s.OnePasswordFont = one;
             s.PluralPasswordFont = plural;
             s.CombinationListFont = list;
         },
         [](const MainConfig& from, MainConfig& to) {
             to.OnePasswordFont = from.OnePasswordFont;
             to.PluralPasswordFont = from.PluralPasswordFont;
             to.CombinationListFont = from.CombinationListFont;
         }},
        {PreferencePage::PAGE_DICTIONARY, [](MainConfig& s) { s.DictionaryDirectoryName = "/x"; },
         [](const MainConfig&, MainConfig&) {}},
        {PreferencePage::PAGE_VERSION, [](MainConfig& s) { s.Numeric = "9"; },
         [](const MainConfig&, MainConfig&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        PreferencePage* page = MakePage(c.kind);
        MainConfig from;
        from.SetDefaults();
        c.change(from);
        // Every other key differs too, so that a stray write shows.
        MainConfig to;
        to.SetDefaults();
        to.Standard = false;
        to.PluralCreate = true;
        to.DeterSimplePassword = false;
        to.PreferencePage = 3;
        to.SaveFileName = "/tmp/out.txt";
        MainConfig expected = to;
        c.copy(from, expected);

        EXPECT_TRUE(page->LoadValues(from));
        wxString message;
        EXPECT_TRUE(page->CheckValues(message)) << message;
        EXPECT_TRUE(page->SaveValues(to));
        EXPECT_TRUE(to == expected);
        delete page;
    }
}

TEST_F(PreferencePageTest, PasswordPageShowsTheStoredValues) {
    PreferencePage* page = MakePage(PreferencePage::PAGE_PASSWORD);
    for (bool flag : {true, false}) {
        SCOPED_TRACE(flag);
        MainConfig settings;
        settings.SetDefaults();
        settings.CapitalLetter = flag ? "AB" : "XYZ";
        settings.SmallLetter = flag ? "c" : "de";
        settings.Numeric = flag ? "1" : "23";
        settings.PluralCreateCount = flag ? 1 : 1000;
        settings.PermitDuplication = flag;
        settings.BeepOnCreate = !flag;
        settings.BeepOnCopy = flag;
        page->LoadValues(settings);
        const auto texts = Find<wxTextCtrl>(page, "text");
        const auto checks = Find<wxCheckBox>(page, "check");
        EXPECT_EQ(texts[0]->GetValue(), settings.CapitalLetter);
        EXPECT_EQ(texts[1]->GetValue(), settings.SmallLetter);
        EXPECT_EQ(texts[2]->GetValue(), settings.Numeric);
        EXPECT_EQ(Find<wxSpinCtrl>(page, "wxSpinCtrl")[0]->GetValue(), settings.PluralCreateCount);
        EXPECT_EQ(checks[0]->GetValue(), flag);
        EXPECT_EQ(checks[1]->GetValue(), !flag);
        EXPECT_EQ(checks[2]->GetValue(), flag);
    }
}

// The Font page with its fields in row order.
class FontPageTest : public PreferencePageFixture {
  protected:
    void SetUp() override {
        PreferencePageFixture::SetUp();
        page = MakePage(PreferencePage::PAGE_FONT);
        fields = Find<wxTextCtrl>(page, "text");
        ASSERT_EQ(fields.size(), 3u);
        for (wxTextCtrl* field : fields) {
            EXPECT_FALSE(field->IsEditable());
        }
    }

    std::vector<std::string> Descriptions() const {
        std::vector<std::string> shown;
        for (wxTextCtrl* field : fields) {
            shown.push_back(field->GetValue().utf8_string());
        }
        return shown;
    }

    static MainConfig Defaults() {
        MainConfig defaults;
        defaults.SetDefaults();
        return defaults;
    }

    PreferencePage* page = nullptr;
    std::vector<wxTextCtrl*> fields;
};

TEST_F(FontPageTest, FieldsDescribeTheFontsAndResetFromDefaultsRestoresThem) {
    Config().OnePasswordFont = wxFont(wxFontInfo(17).FaceName("Serif"));
    Config().PluralPasswordFont = wxFont(wxFontInfo(9).FaceName("Monospace"));
    Config().CombinationListFont = wxFont(wxFontInfo(11).FaceName("Sans"));
    const MainConfig live = Config();
    page->LoadValues(Config());
    EXPECT_EQ(Descriptions(), Texts({"Serif  17", "Monospace  9", "Sans  11"}));

    // Reset: the page is loaded from a fresh object with the defaults.
    const MainConfig defaults = Defaults();
    page->LoadValues(defaults);
    std::vector<std::string> expected;
    for (const wxFont* font :
         {&defaults.OnePasswordFont, &defaults.PluralPasswordFont, &defaults.CombinationListFont}) {
        expected.push_back(
            (font->GetFaceName() + "  " + wxString::Format("%d", font->GetPointSize()))
                .utf8_string());
    }
    EXPECT_EQ(Descriptions(), expected);
    EXPECT_TRUE(Config() == live) << "the live settings change only when the dialog is accepted";

    MainConfig saved = live;
    page->SaveValues(saved);
    EXPECT_EQ(saved.OnePasswordFont, defaults.OnePasswordFont);
    EXPECT_EQ(saved.PluralPasswordFont, defaults.PluralPasswordFont);
    EXPECT_EQ(saved.CombinationListFont, defaults.CombinationListFont);
}

TEST_F(FontPageTest, EachButtonChoosesItsOwnFontAndCancelChangesNothing) {
    const MainConfig defaults = Defaults();
    const wxFont chosen(wxFontInfo(21).FaceName("Serif").Bold());
    struct Case {
        wxWindowID button;
        const wxFont& initial;
        std::size_t field;
    };
    const Case cases[] = {
        {2201, defaults.OnePasswordFont, 0},
        {2202, defaults.PluralPasswordFont, 1},
        {2203, defaults.CombinationListFont, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        page->LoadValues(defaults);
        const auto before = Descriptions();
        const MainConfig live = Config();

        wxTEST_DIALOG(Press(page, c.button), wxExpectModal<wxFontDialog>([&](wxFontDialog* d) {
                          EXPECT_EQ(d->GetFontData().GetInitialFont(), c.initial);
                          d->GetFontData().SetChosenFont(chosen);
                          return wxID_CANCEL;
                      }));
        EXPECT_EQ(Descriptions(), before);

        wxTEST_DIALOG(Press(page, c.button), wxExpectModal<wxFontDialog>([&](wxFontDialog* d) {
                          d->GetFontData().SetChosenFont(chosen);
                          return wxID_OK;
                      }));
        auto expected = before;
        expected[c.field] = "Serif  21";
        EXPECT_EQ(Descriptions(), expected);
        EXPECT_TRUE(Config() == live);

        MainConfig saved = defaults;
        page->SaveValues(saved);
        const wxFont* savedFonts[] = {&saved.OnePasswordFont, &saved.PluralPasswordFont,
                                      &saved.CombinationListFont};
        const wxFont* defaultFonts[] = {&defaults.OnePasswordFont, &defaults.PluralPasswordFont,
                                        &defaults.CombinationListFont};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(*savedFonts[i], i == c.field ? chosen : *defaultFonts[i]) << i;
        }
    }
}

TEST_F(FontPageTest, UnusableFontsAreRefusedInRowOrderWithTheFocusOnTheirButton) {
    ShowFrame();
    MainConfig settings = Defaults();
    settings.OnePasswordFont = wxNullFont;
    settings.PluralPasswordFont = wxNullFont;
    settings.CombinationListFont = wxNullFont;
    page->LoadValues(settings);
    EXPECT_EQ(Descriptions(), Texts({"", "", ""}));

    struct Step {
        wxWindowID refusedButton;
        const char* message;
    };
    const Step steps[] = {
        {2201, "The font of the one password text is wrong"},
        {2202, "The font of the plural password text is wrong"},
        {2203, "The font of the combination list is wrong"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.message);
        wxString message;
        EXPECT_FALSE(page->CheckValues(message));
        EXPECT_EQ(message, step.message);
        auto* button = FindById<wxButton>(page, step.refusedButton);
        EXPECT_TRUE(testsupport::WaitUntil([&] { return HasWindowFocus(button); }));
        // Choosing a font for that row lets the check go on to the next.
        wxTEST_DIALOG(Press(page, step.refusedButton),
                      wxExpectModal<wxFontDialog>([](wxFontDialog* d) {
                          d->GetFontData().SetChosenFont(wxFont(wxFontInfo(10).FaceName("Sans")));
                          return wxID_OK;
                      }));
    }
    wxString message;
    EXPECT_TRUE(page->CheckValues(message)) << message;
}

// The Dictionary page over a dictionary directory made for the test.
class DictionaryPageTest : public PreferencePageFixture {
  protected:
    void SetUp() override {
        PreferencePageFixture::SetUp();
        page = MakePage(PreferencePage::PAGE_DICTIONARY);
        list = FindById<wxListCtrl>(page, 2205);
        ASSERT_NE(list, nullptr);
        const auto fields = Find<wxTextCtrl>(page, "text");
        ASSERT_EQ(fields.size(), 1u);
        directory = fields[0];
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (long i = 0; i < list->GetItemCount(); ++i) {
            rows.push_back(list->GetItemText(i).utf8_string());
        }
        return rows;
    }

    PreferencePage* page = nullptr;
    wxListCtrl* list = nullptr;
    wxTextCtrl* directory = nullptr;
};

TEST_F(DictionaryPageTest, FilesShowRelativeToTheDirectoryAndOthersInFull) {
    TempDirectory dir;
    dir.MakeDir("dict");
    dir.MakeDir("dict/sub");
    dir.MakeDir("dict2");
    dir.WriteFile("dict/sub/nested.dic", "word\n");
    dir.WriteFile("dict2/beside.dic", "other\n");
    dir.WriteFile("dict/top.dic", "top\n");
    Dictionary& dictionary = Dictionary::Get();
    ASSERT_TRUE(dictionary.Load(dir.At("dict")));
    // A file of a directory whose name merely begins with the dictionary directory's name.
    dictionary.LoadFile(dir.At("dict2/beside.dic"));

    MainConfig settings = Config();
    settings.DictionaryDirectoryName = dir.At("dict");
    page->LoadValues(settings);

    EXPECT_EQ(directory->GetValue(), dir.At("dict"));
    EXPECT_FALSE(directory->IsEditable());
    std::vector<wxString> expected;
    for (const wxString& path : dictionary.GetFiles()) {
        if (path == dir.At("dict/top.dic")) {
            expected.push_back("top.dic");
        } else if (path == dir.At("dict/sub/nested.dic")) {
            expected.push_back("sub/nested.dic");
        } else {
            expected.push_back(path);
        }
    }
    ASSERT_EQ(expected.size(), 3u);
    EXPECT_EQ(Rows(), Texts(expected));
    EXPECT_EQ(list->GetColumnCount(), 1);
    EXPECT_GE(list->GetColumnWidth(0), page->GetTextExtent(dir.At("dict2/beside.dic")).x + 20)
        << "the column fits its widest row with room to spare";

    // Loading again replaces the rows; without files there is one placeholder row.
    dictionary.Clear();
    page->LoadValues(settings);
    EXPECT_EQ(Rows(), Texts({"(No file)"}));
    page->LoadValues(settings);
    EXPECT_EQ(Rows(), Texts({"(No file)"}));
}

TEST_F(DictionaryPageTest, ShowOpensTheWordCountsOverThePreferencesWindow) {
    page->LoadValues(Config());
    wxTEST_DIALOG(Press(page, 2206), wxExpectModal<WordCountDialog>([&](WordCountDialog* d) {
                      EXPECT_EQ(d->GetParent(), Frame());
                      return wxID_CANCEL;
                  }));
}

}  // namespace
