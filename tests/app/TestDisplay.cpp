// The display of the clipboard test binary: an X server of its own, and GTK on it in the test
// process, for all of the binary's tests.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <stdlib.h>

#include <memory>

#include "support/PrivateDisplay.h"
#include "support/TempDirectory.h"

namespace {

class DisplayEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        logs = std::make_unique<TempDirectory>();
        ASSERT_TRUE(display.Start(logs->At("server.log").utf8_string()))
            << "cannot start a virtual X server (Xvfb)";
        setenv("DISPLAY", display.Name().c_str(), 1);
        ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "cannot open " << display.Name();
    }

    void TearDown() override { display.Stop(); }

  private:
    std::unique_ptr<TempDirectory> logs;
    testsupport::PrivateDisplay display;
};

const testing::Environment* const kDisplay =
    testing::AddGlobalTestEnvironment(new DisplayEnvironment);

}  // namespace
