// The pixels of a picture written as C++ source, for the tools that build the
// window's pictures into the program.
#pragma once

#include <QImage>

#include <cstdio>
#include <string>

namespace tessmar {

// The bytes from one row of the written array to the next, for a picture of
// whole bytes a pixel.
int pixel_row_stride(const QImage& picture);

// Writes the picture's bytes as `alignas(4) const unsigned char NAME[HEIGHT][STRIDE]`,
// one string literal a row, each far below the length every compiler must accept.
void write_pixel_rows(std::FILE* out, const std::string& name, const QImage& picture);

}  // namespace tessmar
