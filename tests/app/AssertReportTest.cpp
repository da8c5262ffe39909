// A failed check of the toolkit or the program, in the program as the user runs it: one line
// on standard error for each place, however often it fails there, and the program goes on.
#include "app/AssertReport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/TextFiles.h"

namespace {

std::string ReadBack(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    char buffer[512];
    while (const size_t got = std::fread(buffer, 1, sizeof buffer, file)) {
        text.append(buffer, got);
    }
    return text;
}

TEST(AssertReportTest, EachFailedCheckIsOneLineOnceAndTheProgramGoesOn) {
    std::FILE* err = std::tmpfile();
    ASSERT_NE(err, nullptr);
    const wxAssertHandler_t previous = ReportAssertionsOn(err);
    int wentOn = 0;
    for (int i = 0; i < 3; ++i) {
        wxFAIL_MSG("a check that fails in a loop");
        ++wentOn;
    }
    wxFAIL_MSG("another check");
    ++wentOn;
    wxSetAssertHandler(previous);

    EXPECT_EQ(wentOn, 4);
    const std::vector<std::string> lines = testsupport::LinesOf(ReadBack(err));
    std::fclose(err);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("tessarin: internal check failed at ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("AssertReportTest.cpp"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("a check that fails in a loop"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("another check"), std::string::npos) << lines[1];
}

}  // namespace
