// Given to the engine by the layers' own test: the engine may not use a window.
#include "ui/main/MainFrame.h"
