// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the bitmaps Qt's Fusion style draws its group boxes with, and puts them where Fusion
// looks for them first (the pixmap cache). Fusion would read them itself through an image reader
// that asks every image plug-in of the system whether it knows the format, which loads the SVG,
// JPEG, GIF and icon libraries into a program that shows none of those. Harmless under any other
// style: nothing asks for the cached images then.
void PreloadStyleImages();
