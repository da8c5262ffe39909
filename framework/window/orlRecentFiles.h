// GTK keeps one list of recently used files for the whole desktop (recently-used.xbel in the
// user's data directory), and its file chooser adds to it every file chosen in it.
#pragma once

// From now on GTK's list of recent files in this program lives in memory only, empty: it is
// neither read from nor written to the disk, and nothing is recorded in it. No file chosen in
// the program's file dialogs reaches the desktop's list, and the other programs' entries stay
// as they are. (Merely told not to keep the list, GTK would empty it on the disk the next time
// its file chooser added a file.) Needs the windowed toolkit, before any file dialog is made;
// may be called again.
void orlLeaveRecentFilesAlone();
