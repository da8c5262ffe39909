// Counts the toolkit's log messages while it is active. The program runs with logging off,
// and a message would show up in a box: code under test must stay quiet.
#pragma once

#include <wx/log.h>

class CountingLog : public wxLog {
  public:
    CountingLog() { m_previous = wxLog::SetActiveTarget(this); }
    ~CountingLog() override { wxLog::SetActiveTarget(m_previous); }
    int Count() const { return m_count; }

  protected:
    void DoLogRecord(wxLogLevel, const wxString&, const wxLogRecordInfo&) override { ++m_count; }

  private:
    wxLog* m_previous = nullptr;
    int m_count = 0;
};
