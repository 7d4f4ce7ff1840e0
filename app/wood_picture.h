// The window's background picture: a dark brown wood-grain texture, made by
// code so that the program carries no picture file.
#pragma once

#include <QImage>

namespace tessmar {

// A 24-bit picture of the given size; the same every time.
QImage make_wood_picture(int width, int height);

// The window's picture as make_wood_picture made it when the program was
// built, at the size of the window description (written by wood-picture-tool):
// the same colours, held as indexes into its table of colours. The image reads
// the pixels where the program holds them: nothing is made or copied at start-up.
QImage built_wood_picture();

}  // namespace tessmar
