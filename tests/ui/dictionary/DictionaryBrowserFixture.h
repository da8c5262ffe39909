// Shared by the dictionary browser tests: a dictionary made of the words a test names, in a
// word file of a temporary directory; the main settings, the window geometry records and the
// number format put back after each test; and a way to answer the word list and see what it
// showed.
#pragma once

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/filefn.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "engine/Dictionary.h"
#include "framework/orlLocaleFacts.h"
#include "support/ControlEvents.h"
#include "support/FixedLocaleFacts.h"
#include "support/LiveSettingsFixture.h"
#include "support/TempDirectory.h"
#include "support/orlDialogTestSupport.h"
#include "support/orlWindowTestSupport.h"
#include "ui/dictionary/WordDialog.h"

template <>
class wxExpectModal<WordDialog> : public ExpectDialog<WordDialog> {
  public:
    using ExpectDialog<WordDialog>::ExpectDialog;
};

// What a word list showed when it was answered.
struct ShownWordList {
    int count = 0;
    wxWindow* parent = nullptr;
    std::string title;
    std::string label;
    std::string text;
    long insertionPoint = -1;
};

// The text of the word list's only label.
inline std::string WordListLabel(WordDialog* words) {
    for (wxWindow* child : words->GetChildren()) {
        if (auto* label = dynamic_cast<wxStaticText*>(child)) {
            return label->GetLabel().utf8_string();
        }
    }
    return "(no label)";
}

inline wxTextCtrl* WordListText(WordDialog* words) {
    return dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("text", words));
}

// Answers the word list as the user would who looked at it and closed it: fills it as showing
// it would (the hook answers before that) and notes what it showed.
inline ExpectDialog<WordDialog> RecordWordList(ShownWordList& shown) {
    return ExpectDialog<WordDialog>([&shown](WordDialog* words) {
        ++shown.count;
        shown.parent = words->GetParent();
        shown.title = words->GetTitle().utf8_string();
        EXPECT_TRUE(words->TransferDataToWindow());
        shown.label = WordListLabel(words);
        wxTextCtrl* text = WordListText(words);
        EXPECT_NE(text, nullptr);
        if (text != nullptr) {
            shown.text = text->GetValue().utf8_string();
            shown.insertionPoint = text->GetInsertionPoint();
        }
        return wxID_CANCEL;
    });
}

// `count` different words of the length, in ascending order from "aa...a".
inline std::vector<std::string> ManyWords(int count, int length) {
    std::vector<std::string> words;
    for (int n = 0; n < count; ++n) {
        std::string word(static_cast<std::size_t>(length), 'a');
        for (int i = length - 1, rest = n; i >= 0 && rest > 0; --i, rest /= 26) {
            word[static_cast<std::size_t>(i)] = static_cast<char>('a' + rest % 26);
        }
        words.push_back(word);
    }
    return words;
}

class DictionaryBrowserFixture : public LiveSettingsFixture {
  protected:
    void SetUp() override {
        LiveSettingsFixture::SetUp();
        ResetWindowGeometry();
        FixedLocaleFacts::Use("english", ".");
    }

    void TearDown() override {
        orlSetLocaleFacts(nullptr);
        ResetWindowGeometry();
        LiveSettingsFixture::TearDown();
    }

    // Writes the words, one a line, into a word file of the "dict" directory.
    void WriteWords(const wxString& file, const std::vector<std::string>& words) {
        if (!wxDirExists(temp.At("dict"))) {
            temp.MakeDir("dict");
        }
        std::string bytes;
        for (const std::string& word : words) {
            bytes += word + "\n";
        }
        temp.WriteFile("dict/" + file, bytes);
    }

    // Makes the test's dictionary hold exactly the words.
    void UseWords(const std::vector<std::string>& words) {
        WriteWords("words.dic", words);
        dictionary.Load(temp.At("dict"));
    }

    static wxButton* Button(wxWindow* dialog, wxWindowID id) {
        return dynamic_cast<wxButton*>(dialog->FindWindow(id));
    }

    static void Press(wxWindow* dialog, wxWindowID id) { testsupport::Press(dialog, id); }

    TempDirectory temp;
    Dictionary dictionary;
};
