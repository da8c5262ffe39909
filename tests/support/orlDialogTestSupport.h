// Shared by the message and report dialog tests: a bell that counts, expectations for the
// system's own modal dialogs, a stand-in for the modal loop, key presses and a made-up
// message catalog.
#pragma once

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "framework/dialogs/orlLogDialog.h"
#include "framework/dialogs/orlMessageCommonDialog.h"
#include "support/CountingBell.h"
#include "support/DialogExpectation.h"
#include "support/FocusChecks.h"
#include "support/GdkKeys.h"
#include "support/LogDialogExpectation.h"
#include "support/MessageBoxExpectation.h"
#include "support/WaitForEvents.h"
#include "support/WxTesting.h"

// Shows the window (not modally) and lets the toolkit map and lay it out.
inline void ShowOnScreen(wxWindow* window) {
    window->Show();
    testsupport::WaitUntil([&] { return window->IsShownOnScreen(); });
    wxYield();
}

// A dialog whose modal loop is stood in for: it counts as modal until it is ended, and
// remembers the identifier it was ended with. Its buttons, keys and close box all run as
// they would in the real loop.
template <class Dialog>
class EndingDialog : public Dialog {
  public:
    using Dialog::Dialog;

    bool IsModal() const override { return !ended; }
    void EndModal(int returnCode) override {
        if (!ended) {
            ended = true;
            code = returnCode;
            this->Hide();
        }
    }

    bool Ended() const { return ended; }
    int EndedWith() const { return code; }

  private:
    bool ended = false;
    int code = wxID_NONE;
};

// Presses and releases the key in the dialog as the keyboard would, through the toolkit's own
// key handling, and waits until the dialog has ended (or a while has passed). The key goes to
// the dialog whichever window of the display has the input focus.
template <class Dialog>
void PressKey(EndingDialog<Dialog>& dialog, guint keyval) {
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(dialog.GetHandle()));
    ASSERT_NE(window, nullptr) << "the dialog is not shown";
    testsupport::SendKey(window, keyval, 0, gtk_main_do_event);
    testsupport::WaitUntil([&] { return dialog.Ended(); });
}

// While it lives, a message catalog is in force that translates each given text.
class MadeUpTranslations {
  public:
    explicit MadeUpTranslations(std::map<std::string, std::string> texts) {
        EXPECT_EQ(wxTranslations::Get(), nullptr) << "another catalog is already in force";
        texts[""] = "Content-Type: text/plain; charset=UTF-8\n";
        auto* translations = new wxTranslations;
        translations->SetLoader(new Loader(MakeCatalogFile(texts)));
        translations->SetLanguage("xx");
        wxTranslations::Set(translations);
        EXPECT_TRUE(translations->AddCatalog("test", wxLANGUAGE_ENGLISH_US));
    }
    ~MadeUpTranslations() { wxTranslations::Set(nullptr); }
    MadeUpTranslations(const MadeUpTranslations&) = delete;
    MadeUpTranslations& operator=(const MadeUpTranslations&) = delete;

  private:
    class Loader : public wxTranslationsLoader {
      public:
        explicit Loader(std::string catalog) : file(std::move(catalog)) {}
        wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString&) override {
            return wxMsgCatalog::CreateFromData(
                wxScopedCharBuffer::CreateNonOwned(file.data(), file.size()), domain);
        }
        wxArrayString GetAvailableTranslations(const wxString&) const override {
            return wxArrayString(1, "xx");
        }

      private:
        std::string file;
    };

    // A compiled message catalog (the ".mo" layout) holding the texts, in key order.
    static std::string MakeCatalogFile(const std::map<std::string, std::string>& texts) {
        const auto count = static_cast<std::uint32_t>(texts.size());
        std::string file;
        auto put = [&file](std::uint32_t value) {
            file.append(reinterpret_cast<const char*>(&value), sizeof value);
        };
        const std::uint32_t keysAt = 28, valuesAt = keysAt + 8 * count;
        std::uint32_t stringsAt = valuesAt + 8 * count;
        put(0x950412de);  // magic, in this machine's byte order
        put(0);           // revision
        put(count);
        put(keysAt);
        put(valuesAt);
        put(0);  // no hash table
        put(stringsAt);
        std::string strings;
        auto table = [&](bool keys) {
            for (const auto& [key, value] : texts) {
                const std::string& text = keys ? key : value;
                put(static_cast<std::uint32_t>(text.size()));
                put(stringsAt + static_cast<std::uint32_t>(strings.size()));
                strings += text;
                strings += '\0';
            }
        };
        table(true);
        table(false);
        return file + strings;
    }
};
