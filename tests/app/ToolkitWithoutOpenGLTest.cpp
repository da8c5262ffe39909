// The variable that keeps GTK away from OpenGL while it starts: set only when the user has not
// set it, and gone again afterwards, so that the programs started later see the user's
// environment.
#include "app/ToolkitWithoutOpenGL.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::optional<std::string> Variable() {
    const char* value = std::getenv("GDK_GL");
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

class ToolkitWithoutOpenGLTest : public testing::Test {
  protected:
    void SetUp() override { saved = Variable(); }
    void TearDown() override {
        if (saved) {
            setenv("GDK_GL", saved->c_str(), 1);
        } else {
            unsetenv("GDK_GL");
        }
    }

    std::optional<std::string> saved;
};

TEST_F(ToolkitWithoutOpenGLTest, TheUsersOwnValueIsKeptAndNoValueIsLeftBehind) {
    struct Case {
        std::optional<std::string> users;  // the user's value, if any
        std::string whileStarting;
    };
    const Case cases[] = {
        {std::nullopt, "disable"},
        {"always", "always"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.users.value_or("(none)"));
        if (c.users) {
            setenv("GDK_GL", c.users->c_str(), 1);
        } else {
            unsetenv("GDK_GL");
        }
        {
            const ToolkitWithoutOpenGL withoutOpenGL;
            EXPECT_EQ(Variable(), c.whileStarting);
        }
        EXPECT_EQ(Variable(), c.users) << "afterwards the environment is the user's";
    }
}

}  // namespace
