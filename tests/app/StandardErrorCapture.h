// The file that holds everything the test binary has written on its standard error.
#pragma once

#include <string>

const std::string& CapturedStandardErrorPath();
