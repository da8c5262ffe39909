#include <gtest/gtest.h>

#include <climits>
#include <cwctype>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/Dictionary.h"
#include "engine/OneWordDictionaryTest.h"
#include "engine/PasswordGenerator.h"
#include "support/FixedIdentity.h"
#include "support/TempDirectory.h"

namespace {

struct Case {
    std::wstring text;
    int level;
    int code;
};

std::string Shown(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\u{" + std::to_string(static_cast<unsigned>(c)) + "}";
        }
    }
    return out;
}

std::wstring Repeat(const std::wstring& piece, std::size_t times) {
    std::wstring out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

// A dictionary of one six-letter word and no identity at all, unless a test sets one.
class SimplePasswordTest : public OneWordDictionaryTest {
  protected:
    // Checks each case for its code and for the verdict that goes with it.
    void ExpectCodes(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            SCOPED_TRACE("\"" + Shown(c.text) + "\" at level " + std::to_string(c.level));
            int code = 99;
            const bool simple = generator.IsSimplePassword(wxString(c.text), &code, c.level);
            EXPECT_EQ(code, c.code);
            EXPECT_EQ(simple, c.code < 0);
        }
    }
};

TEST_F(SimplePasswordTest, JudgesLengthAfterRemovingWhiteSpace) {
    ExpectCodes({
        {L"", 1, PasswordGenerator::kTooShort},
        {L"12", 1, PasswordGenerator::kOffTheSubject},
        {L"   ab", 1, PasswordGenerator::kTooShort},
        {L"\t\n\v\f\r ab", 2, PasswordGenerator::kTooShort},
        {L"a b\tc", 1, PasswordGenerator::kSequential},  // "abc" once the white space is gone
        {L"k7#", 2, PasswordGenerator::kPassed},
    });
}

TEST_F(SimplePasswordTest, FindsSequentialRuns) {
    ExpectCodes({
        {L"123", 1, PasswordGenerator::kSequential},
        {L"135", 1, PasswordGenerator::kSequential},  // step 2
        {L"134", 1, PasswordGenerator::kPassed},
        {L"ZYX", 1, PasswordGenerator::kSequential},      // small letters, going down
        {L"7890123", 1, PasswordGenerator::kSequential},  // up across 9 to 0
        {L"wxyzab", 1, PasswordGenerator::kSequential},   // up across z to a
        {L"yza", 1, PasswordGenerator::kSequential},
        {L"zab", 1, PasswordGenerator::kPassed},       // a first step never wraps, either way
        {L"aaa", 1, PasswordGenerator::kSequential},   // step 0, before the repetition test
        {L"1098", 1, PasswordGenerator::kSequential},  // on the reverse 8, 9, 0, 1
        {L"kq12345m", 1, PasswordGenerator::kSequential},
        {L"kq1234mx", 1, PasswordGenerator::kPassed},      // four is not enough among eight
        {L"kq10987m", 1, PasswordGenerator::kSequential},  // the reverse runs up 7, 8, 9, 0, 1
        // Going down, a run ends where the codes wrap: 3, 2, 1, 0 and then 9 is only four,
        // and the reverse 9, 0, 1, 2, 3 cannot start with the wrap.
        {L"kq32109m", 1, PasswordGenerator::kPassed},
        // Going down to a and on to z: found only on the reverse, where it runs up.
        {L"dcbazy", 1, PasswordGenerator::kSequential},
    });
}

TEST_F(SimplePasswordTest, FindsOneCharacterUsedTooOften) {
    ExpectCodes({
        {L"xyzyy", 1, PasswordGenerator::kRepeated},  // three y in five
        {L"a1a", 1, PasswordGenerator::kRepeated},
        {L"x1k9x", 1, PasswordGenerator::kPassed},    // two of five is not more than half
        {L"bcdcd", 1, PasswordGenerator::kRepeated},  // on c, d, c without both ends
    });
}

TEST_F(SimplePasswordTest, FindsKeyboardRunsAndTrimsOnlyLongEnoughTexts) {
    ExpectCodes({
        {L"qwerty", 1, PasswordGenerator::kKeyboardRun},
        {L"ytrewq", 1, PasswordGenerator::kKeyboardRun},
        {L"asdf", 1, PasswordGenerator::kKeyboardRun},
        {L"mqw", 1, PasswordGenerator::kKeyboardRun},     // across the end of the letter rows
        {L"./\\12", 1, PasswordGenerator::kKeyboardRun},  // across the end of the key rows
        {L"@[as", 1, PasswordGenerator::kKeyboardRun},
        {L"qwas", 1, PasswordGenerator::kPassed},
        // "qw" would be a run, but three characters are not trimmed, and four are trimmed by
        // one character only; five lose both ends.
        {L"xqw", 1, PasswordGenerator::kPassed},
        {L"xqwz", 1, PasswordGenerator::kPassed},
        {L"xqwez", 1, PasswordGenerator::kKeyboardRun},
    });
}

TEST_F(SimplePasswordTest, FindsDictionaryWordsInEveryForm) {
    ExpectCodes({
        {L"sunset", 1, PasswordGenerator::kDictionaryWord},
        {L"SUN SET", 1, PasswordGenerator::kDictionaryWord},
        {L"tesnus", 1, PasswordGenerator::kDictionaryWord},  // backwards
        {L"sunset7", 1, PasswordGenerator::kDictionaryWord},
        {L"#sunset", 1, PasswordGenerator::kDictionaryWord},
        {L"7sunset8", 1, PasswordGenerator::kDictionaryWord},
        {L"absunset12", 2, PasswordGenerator::kPassed},  // a candidate is the whole word
        {L"sun-set", 1, PasswordGenerator::kPassed},
        {L"sun-set", 2, PasswordGenerator::kDictionaryWord},  // letters and digits only
        {L"sun\u20acset", 2, PasswordGenerator::kDictionaryWord},
        {L"$un$et", 1, PasswordGenerator::kPassed},
        {L"$un$et", 2, PasswordGenerator::kDictionaryWord},  // substitutions undone
        {L"5un5et", 2, PasswordGenerator::kPassed},
        {L"s\u00fcnset", 2, PasswordGenerator::kPassed},
    });
}

TEST_F(SimplePasswordTest, ChecksTheOtherFormsOnlyAtTheHighLevel) {
    settings.StrengthCheckLevel = 1;
    EXPECT_FALSE(generator.IsSimplePassword("mn'opq"));
    EXPECT_TRUE(generator.IsSimplePassword("mn'opq", nullptr, 2));
    settings.StrengthCheckLevel = 2;
    int code = 0;
    EXPECT_TRUE(generator.IsSimplePassword("mn'opq", &code));
    EXPECT_EQ(code, PasswordGenerator::kSequential);
    EXPECT_FALSE(generator.IsSimplePassword("mn'opq", &code, 1));
    EXPECT_EQ(code, PasswordGenerator::kPassed);
    EXPECT_FALSE(generator.IsSimplePassword("mn'opq", nullptr, -3));
}

// Texts no program should see still get a verdict, quickly: control characters, characters
// beyond ASCII and beyond the Basic Multilingual Plane, and lines of 100,000 characters.
TEST_F(SimplePasswordTest, GivesEveryTextAVerdict) {
    ExpectCodes({
        {L"\x01\x02\x03", 1, PasswordGenerator::kSequential},
        {std::wstring(L"a\0\x1bk\x7f", 5), 2, PasswordGenerator::kPassed},
        {L"\U0001F600\U0001F601\U0001F602", 2, PasswordGenerator::kSequential},
        {L"\U0001D49Cx\U0001D49C", 2, PasswordGenerator::kRepeated},
        {L"\u0430\u0431\u0432", 2, PasswordGenerator::kSequential},
        {L"\U0001F600x\u00e9", 2, PasswordGenerator::kPassed},
        {std::wstring(100000, L'a'), 2, PasswordGenerator::kSequential},
        {std::wstring(100000, L' ') + L"ab", 2, PasswordGenerator::kTooShort},
        // 50,000 a and 50,000 b: not more than half, until the first a is trimmed.
        {Repeat(L"ab", 50000), 1, PasswordGenerator::kRepeated},
        {Repeat(L"q7#\u0416\U0001F600", 20000), 1, PasswordGenerator::kPassed},
        // Its letters and digits, q7 q7 ..., without the first q.
        {Repeat(L"q7#\u0416\U0001F600", 20000), 2, PasswordGenerator::kRepeated},
        {Repeat(L"sunset", 20000), 2, PasswordGenerator::kPassed},
    });
}

TEST_F(SimplePasswordTest, FindsTheNamesOfTheUserAndTheHost) {
    orlSetIdentity(
        std::make_unique<FixedIdentity>("jdoe", "John Doe", "workstation", "ws.example.org"));
    ExpectCodes({
        {L"jdoe1234x", 1, PasswordGenerator::kUserName},
        {L"abjdoe", 1, PasswordGenerator::kUserName},
        {L"jdo", 1, PasswordGenerator::kUserName},  // contained in the login name
        {L"JDOE!", 1, PasswordGenerator::kUserName},
        {L"xJohnDoe", 1, PasswordGenerator::kUserName},  // the full name, normalised
        {L"jd0e", 1, PasswordGenerator::kPassed},
        {L"jd0e", 2, PasswordGenerator::kUserName},
        {L"workstation7", 1, PasswordGenerator::kHostName},
        {L"station", 1, PasswordGenerator::kHostName},
        {L"Example", 1, PasswordGenerator::kHostName},  // in the fully qualified name
        {Repeat(L"k7#", 40000) + L"jdoe", 1, PasswordGenerator::kUserName},
    });

    FixedIdentity::Use("jd", "", "ws");  // names of two characters never match
    ExpectCodes({
        {L"jdqk7", 1, PasswordGenerator::kPassed},
        {L"jdw", 1, PasswordGenerator::kPassed},
        {L"ws9", 1, PasswordGenerator::kPassed},
    });

    FixedIdentity::Use("alpha", "", "alpha");  // the user's names come first
    ExpectCodes({{L"alpha1", 1, PasswordGenerator::kUserName}});

    // The run down d, c, b, a, z, y does not go on across the wrap, so the login name is
    // found on the text itself before the run is found on its reverse.
    FixedIdentity::Use("dcbazy", "", "");
    ExpectCodes({{L"dcbazy", 1, PasswordGenerator::kUserName}});
}

TEST_F(SimplePasswordTest, FollowsAReplacedIdentity) {
    FixedIdentity::Use("jdoe", "", "");
    ExpectCodes({{L"jdoe99", 1, PasswordGenerator::kUserName}});
    FixedIdentity::Use("mary", "", "castle");
    ExpectCodes({
        {L"jdoe99", 1, PasswordGenerator::kPassed},
        {L"mary99", 1, PasswordGenerator::kUserName},
        {L"castle2", 1, PasswordGenerator::kHostName},
    });
    FixedIdentity::Use("", "", "");
    ExpectCodes({{L"mary99", 1, PasswordGenerator::kPassed}});
}

TEST(SimplePasswordResultText, NamesEveryCode) {
    const std::vector<std::pair<int, const char*>> texts = {
        {1, "OK (Off the subject)"},
        {0, "OK"},
        {-1, "Too short"},
        {-2, "There is a sequential number"},
        {-3, "The same character is repeatedly used"},
        {-4, "The user name is used"},
        {-5, "The host name is used"},
        {-6, "QWERTY array is used"},
        {-7, "The dictionary word is used"},
        {-8, "?????"},
        {2, "?????"},
        {INT_MIN, "?????"},
        {INT_MAX, "?????"},
    };
    for (const auto& [code, text] : texts) {
        EXPECT_EQ(PasswordGenerator::GetResultText(code), text) << code;
    }
}

// The same verdicts as the rules read plainly, one candidate and one check after the other
// (the repetition counted position by position, both passes of the run search), on texts
// made of few characters so that runs, wraps, repetitions, keyboard runs, names and words
// all come up often; some texts are long enough for the checks that index a text by bits to
// take their other way.
class PlainRules {
  public:
    PlainRules(std::set<std::wstring> dictionaryWords, std::vector<std::wstring> identityNames)
        : words(std::move(dictionaryWords)), names(std::move(identityNames)) {
        for (const wchar_t* base :
             {L"1234567890-^\\qwertyuiop@[asdfghjkl;:]zxcvbnm,./\\", L"qwertyuiopasdfghjklzxcvbnm",
              L"\\/.,mnbvcxz]:;lkjhgfdsa[@poiuytrewq\\^-0987654321",
              L"mnbvcxzlkjhgfdsapoiuytrewq"}) {
            keyboards.push_back(std::wstring(base) + base + base);
        }
    }

    int Code(const std::wstring& password, int level) const {
        if (password.empty()) {
            return -1;
        }
        if (password.size() < 3) {
            return 1;
        }
        std::wstring t;
        for (const wchar_t c : password) {
            if (!std::iswspace(static_cast<std::wint_t>(c))) {
                t += static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
            }
        }
        if (t.size() < 3) {
            return -1;
        }
        if (const int code = Variants(t); code != 0 || level <= 1) {
            return code;
        }
        std::wstring a;
        std::wstring s;
        for (const wchar_t c : t) {
            if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
                a += c;
            }
            s += c == L'@' ? L'a' : c == L'0' ? L'o' : c == L'$' ? L's' : c;
        }
        if (a.size() > 2 && a != t) {
            if (const int code = Variants(a); code != 0) {
                return code;
            }
        }
        return s != t ? Variants(s) : 0;
    }

  private:
    int Variants(const std::wstring& t) const {
        const std::wstring r(t.rbegin(), t.rend());
        const std::size_t n = t.size();
        std::vector<std::wstring> candidates = {t, r};
        if (n >= 4) {
            candidates.insert(candidates.end(),
                              {t.substr(1), t.substr(0, n - 1), r.substr(1), r.substr(0, n - 1)});
        }
        if (n >= 5) {
            candidates.insert(candidates.end(), {t.substr(1, n - 2), r.substr(1, n - 2)});
        }
        for (const std::wstring& c : candidates) {
            if (Sequential(c)) {
                return -2;
            }
            if (Repeated(c)) {
                return -3;
            }
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (names[i].size() > 2 && EitherWay(names[i], c)) {
                    return i < 2 ? -4 : -5;
                }
            }
            for (const std::wstring& keyboard : keyboards) {
                if (keyboard.find(c) != std::wstring::npos) {
                    return -6;
                }
            }
            if (words.count(c) != 0) {
                return -7;
            }
        }
        return 0;
    }

    static bool Sequential(const std::wstring& c) {
        const std::size_t n = c.size();
        if (n < 3) {
            return false;
        }
        const std::size_t need = n <= 4 ? n : n == 5 ? 4 : 5;
        for (const bool up : {true, false}) {
            for (std::size_t j = 0; j < n; ++j) {
                std::size_t length = 1;
                long step = 0;
                for (std::size_t k = j + 1; k < n; ++k) {
                    long d = long(c[k]) - long(c[k - 1]);
                    if (length == 1) {
                        if (d < -2 || d > 2) {
                            break;
                        }
                        step = d;
                    } else {
                        const auto in = [&](wchar_t lo, wchar_t hi) {
                            return c[k] >= lo && c[k] <= hi && c[k - 1] >= lo && c[k - 1] <= hi;
                        };
                        const long wrap = in('0', '9') ? 10 : in('a', 'z') || in('A', 'Z') ? 26 : 0;
                        if (up && c[k] < c[k - 1]) {
                            d += wrap;
                        }
                        if (d != step) {
                            break;
                        }
                    }
                    ++length;
                }
                if (length >= need) {
                    return true;
                }
            }
        }
        return false;
    }

    static bool Repeated(const std::wstring& c) {
        for (std::size_t i = 0; i < c.size(); ++i) {
            std::size_t count = 0;
            for (std::size_t k = i; k < c.size(); ++k) {
                count += c[k] == c[i];
            }
            if (count > c.size() / 2) {
                return true;
            }
        }
        return false;
    }

    static bool EitherWay(const std::wstring& a, const std::wstring& b) {
        if (a.empty() || b.empty()) {
            return false;
        }
        return a.size() > b.size() ? a.find(b) != std::wstring::npos
                                   : b.find(a) != std::wstring::npos;
    }

    std::set<std::wstring> words;
    std::vector<std::wstring> names;  // login, user name, host, full host
    std::vector<std::wstring> keyboards;
};

TEST_F(SimplePasswordTest, AgreesWithThePlainRules) {
    dir.WriteFile("more.dic", "zoo\nab18\nnet\nbus\n");
    ASSERT_TRUE(dictionary.Load(dir.Root()));
    orlSetIdentity(std::make_unique<FixedIdentity>("Bob", "b a", "zy9", "xq.lan"));
    const PlainRules rules({L"sunset", L"zoo", L"ab18", L"net", L"bus"},
                           {L"bob", L"ba", L"zy9", L"xq.lan"});

    // Random characters, often around a piece that some check is after.
    const std::wstring alphabet = L"0189abyzBZ@$-./\\ qwesxnotu\U0001F600";
    const std::vector<std::wstring> pieces = {
        L"sunset", L"$un$et", L"z00", L"ab-18", L"bus", L"BOB",  L"zy9", L"q.la", L"qwe",
        L"./\\1",  L"ytr",    L"789", L"zab",   L"yza", L"1098", L"bbb", L"b b",  L"  "};
    std::mt19937 random(7);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    std::map<int, int> codes;
    for (int i = 0; i < 30000; ++i) {
        const std::size_t length = i % 20 == 0 ? 60 + below(10) : below(9);
        std::wstring text;
        for (std::size_t k = 0; k < length; ++k) {
            text += alphabet[below(alphabet.size())];
        }
        if (below(2) == 0) {
            text.insert(below(text.size() + 1), pieces[below(pieces.size())]);
        }
        for (const int level : {1, 2}) {
            int code = 99;
            generator.IsSimplePassword(wxString(text), &code, level);
            ASSERT_EQ(code, rules.Code(text, level)) << "\"" << Shown(text) << "\" at " << level;
            ++codes[code];
        }
    }
    for (int code = 1; code >= -7; --code) {
        EXPECT_GT(codes[code], 20) << "the texts seldom reach code " << code;
    }
}

// --- The check of the settings -------------------------------------------------------------

class RecordingReporter : public GenerationReporter {
  public:
    void ShowError(const wxString& message) override { messages.push_back(message.utf8_string()); }
    std::vector<std::string> messages;
};

UseChar WordRecord() {
    UseChar record;
    record.Dictionary = true;
    return record;
}

UseChar FixedRecord() {
    UseChar record;
    record.Fixed = true;
    record.FixedString = "x";
    return record;
}

const char* const kNoDictionary = "The dictionary cannot be used.\nPlease reconsider the setting";
const char* const kOnlyWords =
    "A simple password only of the dictionary word is generated.\nPlease reconsider the setting";

class CheckSettingTest : public testing::Test {
  protected:
    void LoadWords() {
        dir.WriteFile("words.dic", "sunset\n");
        ASSERT_TRUE(dictionary.Load(dir.Root()));
    }

    // The result and the messages shown on the way.
    std::pair<bool, std::vector<std::string>> Check() {
        RecordingReporter reporter;
        const bool result = generator.CheckSetting(reporter);
        return {result, reporter.messages};
    }

    using Messages = std::vector<std::string>;

    TempDirectory dir;
    Dictionary dictionary;
    GenerationSettings settings;
    PasswordGenerator generator{settings, dictionary};
};

TEST_F(CheckSettingTest, AcceptsTheStandardSpecificationWhateverTheList) {
    settings.Standard = true;
    settings.CombinationUseChar.Add(WordRecord());
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));  // no words at all
    LoadWords();
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));  // one bare word
}

TEST_F(CheckSettingTest, RefusesDictionaryElementsWithoutWords) {
    settings.Standard = false;
    settings.DeterSimplePassword = false;
    settings.CombinationUseChar.Add(FixedRecord());
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));

    UseChar fixedWord = WordRecord();
    fixedWord.Fixed = true;  // a fixed text wins over the dictionary
    settings.CombinationUseChar.Add(fixedWord);
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));

    settings.CombinationUseChar.Add(WordRecord());
    EXPECT_EQ(Check(), std::make_pair(false, Messages{kNoDictionary}));

    LoadWords();
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));
}

TEST_F(CheckSettingTest, RefusesABareWordWhenSimplePasswordsAreToBeAvoided) {
    settings.Standard = false;
    settings.DeterSimplePassword = true;
    settings.CombinationUseChar.Add(WordRecord());
    // Without words the missing dictionary is the first complaint, and the only one.
    EXPECT_EQ(Check(), std::make_pair(false, Messages{kNoDictionary}));

    LoadWords();
    EXPECT_EQ(Check(), std::make_pair(false, Messages{kOnlyWords}));

    settings.DeterSimplePassword = false;
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));

    settings.DeterSimplePassword = true;
    settings.CombinationUseChar.Add(FixedRecord());
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));  // two elements

    settings.CombinationUseChar.Clear();
    settings.CombinationUseChar.Add(FixedRecord());
    EXPECT_EQ(Check(), std::make_pair(true, Messages{}));  // one element, not a word
}

}  // namespace
