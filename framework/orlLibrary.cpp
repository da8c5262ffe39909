#include "framework/orlLibrary.h"

wxString orlLibraryName() {
    return "liborl";
}

wxString orlLibraryVersion() {
    return "0.7.1";
}
