// Standard input, output and error that the caller closed stay closed to the program, but
// their numbers are taken: otherwise the next file the program opens (the settings, a saved
// batch) would get one of them, and what goes to the terminal would go into that file. A
// closed standard input is held by a descriptor that cannot be read, a closed output or error
// by one that cannot be written, so reads and writes fail as they would on a closed one.
#pragma once

void HoldClosedStandardStreams();
