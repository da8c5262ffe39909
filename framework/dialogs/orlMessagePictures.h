// The two 40 x 40 pictures of the message dialogs, drawn by the library itself: a red disc with
// a white cross for errors and a blue disc with a white question mark for questions.
#pragma once

#include <wx/bitmap.h>

wxBitmap orlGetErrorBitmap();
wxBitmap orlGetQuestionBitmap();
