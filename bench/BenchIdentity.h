// The user and the computer the benchmarks run as, the same on every machine, so that the
// simple-password check looks for the same names wherever the figures are measured.
#pragma once

#include "framework/orlIdentity.h"

class BenchIdentity : public orlIdentity {
  public:
    wxString GetLoginName() const override { return "jdoe"; }
    wxString GetUserName() const override { return "jdoe"; }
    wxString GetHostName() const override { return "workstation"; }
    wxString GetFullHostName() const override { return "workstation"; }
};
