#include "ui/main/PasswordText.h"
