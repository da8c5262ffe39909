#include "framework/orlFileName.h"
