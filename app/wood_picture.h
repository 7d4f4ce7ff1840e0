// The window's background picture: a dark brown wood-grain texture, made by
// code so that the program carries no picture file.
#pragma once

#include <QImage>

namespace tessmar {

// A 24-bit picture of the given size; the same every time.
QImage make_wood_picture(int width, int height);

}  // namespace tessmar
