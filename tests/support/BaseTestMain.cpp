// Entry point of the test binaries that need no windows: the toolkit's base library only.
#include <gtest/gtest.h>
#include <wx/init.h>

#include "TestGuards.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxInitializer toolkit;
    if (!toolkit.IsOk()) {
        fprintf(stderr, "the toolkit could not be initialised\n");
        return 1;
    }
    testsupport::InstallBaseGuards();
    return RUN_ALL_TESTS();
}
