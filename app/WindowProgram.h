// The window is a program of its own, "tessarin-window" beside this one, so that the terminal
// modes never load the windowed toolkit and its libraries. The command keeps its process: the
// window program replaces it with the same words and environment.
#pragma once

#include <cstdio>

// Runs the window program beside the running one; returns only when that fails, with a line
// on `err` and status 1.
int StartWindowProgram(char** argv, std::FILE* err);
