// One way to write the sources of the pictures built into the program.
#include "picture_source.h"

#include <QMetaEnum>

namespace tessmar {

namespace {

// The bytes of one row's pixels, without padding.
int row_bytes(const QImage& picture) { return picture.width() * picture.depth() / 8; }

// One byte more for the literal's closing zero, rounded up to four: QImage reads rows from four-byte boundaries.
int row_stride(const QImage& picture) { return (row_bytes(picture) + 1 + 3) / 4 * 4; }

}  // namespace

std::FILE* open_picture_source(const char* path, const char* tool, const char* about, const char* includes)
{
    std::FILE* out = std::fopen(path, "w");
    if (out == nullptr) {
        std::perror(path);
        return nullptr;
    }
    std::fprintf(out, "// Made by %s when the program was built.\n// %s\n%s\nnamespace tessmar {\n\nnamespace {\n",
                 tool, about, includes);
    return out;
}

void write_pixel_rows(std::FILE* out, const std::string& name, const QImage& picture)
{
    std::fprintf(out, "\nalignas(4) const unsigned char %s[%d][%d] = {\n", name.c_str(), picture.height(),
                 row_stride(picture));
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* line = picture.constScanLine(y);
        std::fputs("    \"", out);
        for (int x = 0; x < row_bytes(picture); ++x) std::fprintf(out, "\\x%02x", line[x]);
        std::fputs("\",\n", out);
    }
    std::fputs("};\n", out);
}

std::string image_arguments(const std::string& name, const QImage& picture)
{
    return name + "[0], " + std::to_string(picture.width()) + ", " + std::to_string(picture.height()) +
           ", " + std::to_string(row_stride(picture)) + ", QImage::" +
           QMetaEnum::fromType<QImage::Format>().valueToKey(picture.format());
}

bool close_picture_source(std::FILE* out, const char* path, const std::string& reader)
{
    std::fprintf(out, "\n}  // namespace\n\n%s\n}  // namespace tessmar\n", reader.c_str());
    // A write that failed on the way (a full disk) may leave nothing for the close to fail on.
    const bool written = std::ferror(out) == 0;
    if (std::fclose(out) == 0 && written) return true;
    std::perror(path);
    return false;
}

}  // namespace tessmar
