#include "ui/main/ModePictures.h"

// Placeholder until the pictures are drawn.
wxBitmap CreateModePicture(bool plural) {
    return wxBitmap(40, plural ? 482 : 325);
}
wxBitmap CreateApplicationIcon(int size) {
    return wxBitmap(size, size);
}
wxIconBundle CreateApplicationIcons() {
    return wxIconBundle();
}
