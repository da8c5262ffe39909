#include "TestGuards.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/log.h>

namespace testsupport {
namespace {

void RecordAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "toolkit assertion in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

}  // namespace

void InstallBaseGuards() {
    wxSetAssertHandler(RecordAssert);
    delete wxLog::SetActiveTarget(new wxLogStderr);
}

bool ListingTestsOnly() {
    return GTEST_FLAG_GET(list_tests);
}

}  // namespace testsupport
