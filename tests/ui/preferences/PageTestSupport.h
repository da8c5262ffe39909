// What the tests of the preference pages share: a page of one kind in the test frame on live
// settings that start from their defaults, and ways to find its controls and press its
// buttons as a user would.
#pragma once

#include <gtest/gtest.h>
#include <wx/button.h>

#include <vector>

#include "engine/Dictionary.h"
#include "support/ControlEvents.h"
#include "support/LiveSettingsFixture.h"
#include "ui/preferences/PreferencePage.h"

class PreferencePageFixture : public LiveSettingsFixture {
  protected:
    void TearDown() override {
        Dictionary::Get().Clear();
        LiveSettingsFixture::TearDown();
    }

    // A page of the kind filling the test frame, which is made large enough for it (with room
    // to spare: before it is shown the frame can only guess the size of its decorations).
    PreferencePage* MakePage(int kind) {
        PreferencePage* page = PreferencePage::Create(Frame(), kind);
        Frame()->SetClientSize(page->GetBestSize() + wxSize(100, 100));
        page->SetSize(Frame()->GetClientSize());
        return page;
    }

    // The window and all windows below it of the type and window name, in creation order.
    template <class T>
    static std::vector<T*> Find(wxWindow* root, const wxString& name) {
        return testsupport::Descendants<T>(root, name);
    }

    template <class T>
    static T* FindById(wxWindow* root, wxWindowID id) {
        return testsupport::Find<T>(root, id);
    }

    // Clicks the button with the identifier as the toolkit would; the handler runs at once.
    static void Press(wxWindow* page, wxWindowID id) { testsupport::Press(page, id); }
};
