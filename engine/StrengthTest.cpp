#include "engine/StrengthTest.h"

#include <wx/intl.h>

#include "engine/PasswordGenerator.h"

wxArrayString ReadTestLines(const wxString& text) {
    wxString unified = text;
    unified.Replace("\r\n", "\n");
    unified.Replace("\r", "\n");

    wxArrayString lines;
    size_t start = 0;
    while (start <= unified.length()) {
        size_t end = unified.find('\n', start);
        if (end == wxString::npos) {
            end = unified.length();
        }
        wxString piece = unified.substr(start, end - start);
        piece.Trim(true).Trim(false);
        if (!piece.empty()) {
            lines.Add(piece);
        }
        start = end + 1;
    }
    return lines;
}

namespace {

wxString Summary(int weak, int total) {
    if (weak > 0) {
        return wxString::Format(_("A weak password was found. ( %d / %d )"), weak, total);
    }
    return _("All OK.");
}

}  // namespace

StrengthTester::StrengthTester(const PasswordGenerator& givenGenerator, int givenLevel)
    : generator(givenGenerator), level(givenLevel), separator(_("\t : ")), unknown(_("?????")) {}

wxString StrengthTester::Judge(const wxString& text) {
    int code = PasswordGenerator::kPassed;
    if (generator.IsSimplePassword(text, &code, level)) {
        ++weak;
    }
    ++total;
    wxString verdict = PasswordGenerator::GetResultText(code);
    if (verdict.empty()) {
        verdict = unknown;
    }
    return text + separator + verdict + '\n';
}

wxString StrengthTester::GetSummary() const {
    return Summary(weak, total);
}

wxString StrengthReport::GetSummary() const {
    return Summary(weak, total);
}

StrengthReport RunStrengthTest(const PasswordGenerator& generator, const wxArrayString& lines,
                               int level) {
    StrengthTester tester(generator, level);
    StrengthReport result;
    for (const wxString& line : lines) {
        result.report << tester.Judge(line);
    }
    result.weak = tester.GetWeak();
    result.total = tester.GetTotal();
    return result;
}
