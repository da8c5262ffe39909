#include "ui/main/MainFrame.h"
