#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>

#include "TestGuards.h"

namespace testsupport {
namespace {

// Registered first, so every hook of wxTEST_DIALOG is asked before it: it only sees the
// dialogs that no test expected.
class UnexpectedDialogHook : public wxModalDialogHook {
  protected:
    int Enter(wxDialog* dialog) override {
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_string() << "\" ("
                      << dialog->GetClassInfo()->GetClassName() << ")";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

}  // namespace

void InstallGuiGuards() {
    InstallBaseGuards();
    static UnexpectedDialogHook hook;
    hook.Register();
}

}  // namespace testsupport
