// The dialogs GTK runs itself: the file and font choosers behind the toolkit's file and font
// dialogs, and the questions those choosers ask (whether to replace an existing file). The
// window library does not list them among its top-level windows.
#pragma once

// The number of such dialogs shown modally now; each runs a main loop of its own.
int orlCountNativeModalDialogs();

// Ends the innermost of them (the one no other of them was shown from) as its Cancel button
// would. False when none is shown.
bool orlCancelInnermostNativeDialog();
