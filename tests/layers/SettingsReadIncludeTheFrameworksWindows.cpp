// Given to the settings the terminal modes read by the layers' own test: they may not use the
// framework's windows.
#include "framework/window/orlDisplayFit.h"
