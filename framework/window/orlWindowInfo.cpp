#include "framework/window/orlWindowInfo.h"

const wxPoint orlWindowInfo::DefaultPosMargin(30, 60);
