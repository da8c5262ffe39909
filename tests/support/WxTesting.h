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
    GTestModalHook(const char* file, int line, const char* func)
        : wxTestingModalHook(file, line, func), m_file(file), m_line(line) {}

  protected:
    void ReportFailure(const wxString& msg) override {
        ADD_FAILURE_AT(m_file, m_line) << msg.utf8_string();
    }

  private:
    const char* m_file;
    int m_line;
};
