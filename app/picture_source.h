// The C++ source of pictures built into the program, as the build-time picture
// tools write it: the pictures' bytes, private to the file, then what reads them.
#pragma once

#include <QImage>

#include <cstdio>
#include <string>

namespace tessmar {

// Opens path and begins the source that tool writes; nullptr, with why on stderr, when it cannot.
std::FILE* open_picture_source(const char* path, const char* tool, const char* about, const char* includes);

// One string literal a row, each far below the length every compiler must accept.
void write_pixel_rows(std::FILE* out, const std::string& name, const QImage& picture);

// The arguments of a QImage over the rows written as name, which it then reads where they are.
std::string image_arguments(const std::string& name, const QImage& picture);

// Ends the source with reader; false, with why on stderr, when it could not be written.
bool close_picture_source(std::FILE* out, const char* path, const std::string& reader);

}  // namespace tessmar
