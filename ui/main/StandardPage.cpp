#include "ui/main/StandardPage.h"
