#include "framework/orlFormatNumber.h"
