// Given to the framework by the layers' own test: the framework may not use the engine.
#include "engine/Dictionary.h"
