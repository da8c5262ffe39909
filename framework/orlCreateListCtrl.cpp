#include "framework/orlCreateListCtrl.h"
