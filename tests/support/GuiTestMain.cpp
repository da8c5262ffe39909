// Entry point of the windowed test binaries.
#include "GuiTestMain.h"

int main(int argc, char** argv) {
    return testsupport::RunGuiTests(argc, argv);
}
