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
        m_logs = std::make_unique<TempDirectory>();
        ASSERT_TRUE(m_display.Start(m_logs->At("server.log").utf8_string()))
            << "cannot start a virtual X server (Xvfb)";
        setenv("DISPLAY", m_display.Name().c_str(), 1);
        ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "cannot open " << m_display.Name();
    }

    void TearDown() override { m_display.Stop(); }

  private:
    std::unique_ptr<TempDirectory> m_logs;
    testsupport::PrivateDisplay m_display;
};

const testing::Environment* const kDisplay =
    testing::AddGlobalTestEnvironment(new DisplayEnvironment);

}  // namespace
