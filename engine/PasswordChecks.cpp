#include "engine/PasswordGenerator.h"
