// The text on the display's clipboard, read and written through the toolkit as another program
// would see it. Tests that use it run one at a time (the clipboard belongs to the display).
#pragma once

#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

namespace testsupport {

inline void SetClipboardText(const wxString& text) {
    wxClipboardLocker lock;
    ASSERT_FALSE(!lock);
    ASSERT_TRUE(wxTheClipboard->SetData(new wxTextDataObject(text)));
}

// The text, or a description in angle brackets when there is none.
inline wxString ClipboardText() {
    wxClipboardLocker lock;
    if (!lock) {
        return "<clipboard not open>";
    }
    if (!wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) {
        return "<no text>";
    }
    wxTextDataObject data;
    wxTheClipboard->GetData(data);
    return data.GetText();
}

}  // namespace testsupport
