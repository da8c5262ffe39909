// Modal-dialog expectations (wxTEST_DIALOG) that report unmet or unexpected dialogs as
// GoogleTest failures. Include this instead of <wx/testing.h>.
#pragma once

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <string>

#include <wx/testing.h>

class GTestModalHook;
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook

// The hook wxTEST_DIALOG installs for one statement; failures go to GoogleTest.
class GTestModalHook : public wxTestingModalHook {
  public:
    GTestModalHook(const char* sourceFile, int sourceLine, const char* func)
        : wxTestingModalHook(sourceFile, sourceLine, func), file(sourceFile), line(sourceLine) {}

  protected:
    void ReportFailure(const wxString& msg) override {
        ADD_FAILURE_AT(file, line) << msg.utf8_string();
    }

  private:
    const char* file;
    int line;
};
