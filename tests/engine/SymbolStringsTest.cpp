#include <gtest/gtest.h>

#include "engine/SymbolStrings.h"

namespace {

wxArrayString History(std::initializer_list<const char*> entries) {
    wxArrayString h;
    for (const char* e : entries) {
        h.Add(e);
    }
    return h;
}

std::string Joined(const wxArrayString& h) {
    std::string s;
    for (const wxString& e : h) {
        s += "[" + e.utf8_string() + "]";
    }
    return s;
}

}  // namespace

TEST(FilterCharacters, KeepsPrintableAsciiOnceInOrder) {
    struct Case {
        const wchar_t* in;
        const wchar_t* out;
    };
    const Case cases[] = {
        {L"aAb a\tZ ~", L"aAb Z~"},       // tab dropped, second a and second space dropped
        {L"", L""},                       // nothing in, nothing out
        {L"\t\r\n", L""},                 // only control characters
        {L"\x1f \x7e\x7f", L" ~"},        // 31 and 127 lie outside, 32 and 126 inside
        {L"\u00e9\uff03#\u3042#", L"#"},  // accented, full-width and Japanese characters go
        {L"zzzz", L"z"},
        {L"Aa", L"Aa"},  // case matters
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilterCharacters(c.in), wxString(c.out)) << wxString(c.in).utf8_string();
    }
}

TEST(DefaultSymbolString, IsThePrintableAsciiOtherThanLettersDigitsAndSpace) {
    EXPECT_EQ(GetDefaultSymbolString(), "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
    EXPECT_EQ(GetDefaultSymbolString().length(), 32u);
    EXPECT_TRUE(IsDefaultSymbolString(GetDefaultSymbolString()));
    EXPECT_FALSE(IsDefaultSymbolString(GetDefaultSymbolString() + " "));
    EXPECT_FALSE(IsDefaultSymbolString("!#"));
    EXPECT_EQ(FilterCharacters(GetDefaultSymbolString()), GetDefaultSymbolString());
}

TEST(AddSymbolHistory, IgnoresTheDefaultStringAndTextsThatFilterToNothing) {
    const wxArrayString before = History({"#$", "%&"});
    for (const wxString& text : {GetDefaultSymbolString(), wxString("\t\t"), wxString()}) {
        for (bool atFront : {true, false}) {
            wxArrayString h = before;
            AddSymbolHistory(h, text, atFront);
            EXPECT_EQ(Joined(h), Joined(before)) << text.utf8_string() << " " << atFront;
        }
    }
}

TEST(AddSymbolHistory, AtTheFrontMovesAKnownStringFirstAndKeepsTheOthersInOrder) {
    wxArrayString h = History({"a1", "a2", "a3", "a4", "#$", "a6", "a7", "a8", "a9"});
    AddSymbolHistory(h, "#$", true);
    EXPECT_EQ(Joined(h), "[#$][a1][a2][a3][a4][a6][a7][a8][a9]");
}

TEST(AddSymbolHistory, AtTheFrontKeepsNineEntriesDroppingTheOldest) {
    wxArrayString h = History({"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9"});
    AddSymbolHistory(h, "new\t", true);
    EXPECT_EQ(Joined(h), "[new][a1][a2][a3][a4][a5][a6][a7][a8]");
}

TEST(AddSymbolHistory, AtTheEndKeepsStoredOrderAndAtMostEightOlderEntries) {
    wxArrayString h;
    for (const char* stored : {"s1", "s2", "s1", "s3"}) {
        AddSymbolHistory(h, stored, false);
    }
    EXPECT_EQ(Joined(h), "[s2][s1][s3]");

    h = History({"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9"});
    AddSymbolHistory(h, "z", false);
    EXPECT_EQ(Joined(h), "[a1][a2][a3][a4][a5][a6][a7][a8][z]");
}

TEST(AddSymbolHistory, FiltersOldEntriesAndDropsThoseLeftEmpty) {
    wxArrayString h = History({"##ab", "\t", "ab#"});
    AddSymbolHistory(h, "xy", true);
    // "##ab" filters to "#ab"; the tab-only entry is gone; "ab#" stays.
    EXPECT_EQ(Joined(h), "[xy][#ab][ab#]");

    h = History({"x\ty"});
    AddSymbolHistory(h, "xy", true);  // the old entry filters to the new one: held once
    EXPECT_EQ(Joined(h), "[xy]");
}
