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

StrengthTester::StrengthTester(const PasswordGenerator& generator, int level)
    : m_generator(generator), m_level(level), m_separator(_("\t : ")), m_unknown(_("?????")) {}

wxString StrengthTester::Judge(const wxString& text) {
    int code = PasswordGenerator::kPassed;
    if (m_generator.IsSimplePassword(text, &code, m_level)) {
        ++m_weak;
    }
    ++m_total;
    wxString verdict = PasswordGenerator::GetResultText(code);
    if (verdict.empty()) {
        verdict = m_unknown;
    }
    return text + m_separator + verdict + '\n';
}

wxString StrengthTester::GetSummary() const {
    return Summary(m_weak, m_total);
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
