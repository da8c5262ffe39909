// A password lives in the program's memory while it is shown, on the clipboard or in a batch,
// so the process leaves no core file behind when it crashes or is killed with a core-dumping
// signal: its core size limit is zero and it is marked as not dumpable, which also keeps other
// processes of the user from reading its memory through the debugger interface.
#pragma once

// Returns false when the system refused either step (the other is still taken).
bool KeepSecretsOutOfCoreDumps();
