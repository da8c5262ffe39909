// The window program draws everything with the processor and never asks for OpenGL, yet GTK
// opens the display's OpenGL driver as it starts, to choose the visuals it might draw with: on
// a machine without a graphics driver that is the software renderer and its compiler, and it
// took half of the window's start-up. While the toolkit starts, the environment tells GTK to
// leave OpenGL alone, unless the user has set that variable, which is then left as it is.
// Afterwards the variable is taken back, so that the programs started from the window (the
// help's browser) see the environment the user gave.
#pragma once

class ToolkitWithoutOpenGL {
  public:
    // Made before the toolkit starts, ended once it has started.
    ToolkitWithoutOpenGL();
    ~ToolkitWithoutOpenGL();
    ToolkitWithoutOpenGL(const ToolkitWithoutOpenGL&) = delete;
    ToolkitWithoutOpenGL& operator=(const ToolkitWithoutOpenGL&) = delete;

  private:
    bool setHere = false;
};
