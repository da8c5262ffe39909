#include "app/ToolkitWithoutOpenGL.h"

#include <cstdlib>

namespace {

// GDK reads it once, as it starts.
constexpr const char* kVariable = "GDK_GL";

}  // namespace

ToolkitWithoutOpenGL::ToolkitWithoutOpenGL() {
    setHere = std::getenv(kVariable) == nullptr && setenv(kVariable, "disable", 0) == 0;
}

ToolkitWithoutOpenGL::~ToolkitWithoutOpenGL() {
    if (setHere) {
        unsetenv(kVariable);
    }
}
