#pragma once
// The bitmaps of the window's buttons and its icon, drawn for the viewer with magenta as
// the transparent colour.

#include <QIcon>
#include <QPixmap>

namespace vessant::help {

// Resource numbers of the images.
enum HelpImage : int {
    kImageIcon = 128,
    kImageBack = 132,
    kImageForward = 133,
    kImageClose = 134,
    kImageAbout = 135,
    kImagePrint = 136,
    kImageContents = 137,
};

// The image with its magenta pixels made transparent; a null pixmap for an unknown number.
QPixmap HelpImagePixmap(int image);

// The window's icon (image 128) at 16 and 32 pixels.
QIcon HelpIcon();

} // namespace vessant::help
