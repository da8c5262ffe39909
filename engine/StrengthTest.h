// The strength test: candidate passwords, one per line, each judged by the simple-password
// check, with a report of the verdicts and a summary. The preferences' test and the command
// line's check both run it.
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

class PasswordGenerator;

// The lines of a test text worth testing: the text is cut at every line break (CR LF, LF or
// CR alone), each piece trimmed of white space at both ends, and empty pieces dropped.
wxArrayString ReadTestLines(const wxString& text);

// Judges candidates one at a time and keeps only the counts, so that a long list can be
// reported line by line as it is read.
class StrengthTester {
  public:
    // At the level (1 standard, 2 high level).
    StrengthTester(const PasswordGenerator& givenGenerator, int givenLevel);

    // The report's line for the text: the text, "\t : ", the verdict, "\n".
    wxString Judge(const wxString& text);

    int GetWeak() const { return weak; }
    int GetTotal() const { return total; }
    // "All OK.", or "A weak password was found. ( weak / total )".
    wxString GetSummary() const;

  private:
    const PasswordGenerator& generator;
    int level;
    wxString separator;
    wxString unknown;
    int weak = 0;
    int total = 0;
};

struct StrengthReport {
    wxString report;  // one line per tested text: the text, "\t : ", the verdict, "\n"
    int weak = 0;     // how many lines were judged simple
    int total = 0;    // how many lines were tested
    // "All OK.", or "A weak password was found. ( weak / total )".
    wxString GetSummary() const;
};

// Judges every line at the level (1 standard, 2 high level).
StrengthReport RunStrengthTest(const PasswordGenerator& generator, const wxArrayString& lines,
                               int level);
