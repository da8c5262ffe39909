#include "framework/orlLoadBitmap.h"
