#include "framework/orlFonts.h"
