// Counts the toolkit's log messages while it is active. The program runs with logging off,
// and a message would show up in a box: code under test must stay quiet.
#pragma once

#include <wx/log.h>

class CountingLog : public wxLog {
  public:
    CountingLog() { previous = wxLog::SetActiveTarget(this); }
    ~CountingLog() override { wxLog::SetActiveTarget(previous); }
    int Count() const { return count; }

  protected:
    void DoLogRecord(wxLogLevel, const wxString&, const wxLogRecordInfo&) override { ++count; }

  private:
    wxLog* previous = nullptr;
    int count = 0;
};
