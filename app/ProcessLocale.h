// The locale the process runs in, settled before any library looks at it.
#pragma once

// When the environment names a locale this machine does not have (LANG set to a locale that
// was never generated, as in many containers and remote sessions, or to something that is no
// locale at all), every library of the program would fall back in its own way and some would
// complain on standard error. The process then takes the C locale outright, in its UTF-8 form
// where the machine has one: its decimal point, its grouping and English. A usable locale is
// left as it is. Returns true when the fallback was taken.
bool UseTheCLocaleWhenTheUsersIsUnusable();
