// One routine for the pixel rows of every picture built into the program.
#include "pixel_rows.h"

namespace tessmar {

namespace {

// The bytes of one row's pixels, without padding.
int row_bytes(const QImage& picture) { return picture.width() * picture.depth() / 8; }

}  // namespace

// One byte more than the row for the literal's closing zero, rounded up to four
// bytes, since QImage reads rows that start on four-byte boundaries.
int pixel_row_stride(const QImage& picture) { return (row_bytes(picture) + 1 + 3) / 4 * 4; }

void write_pixel_rows(std::FILE* out, const std::string& name, const QImage& picture)
{
    std::fprintf(out, "\nalignas(4) const unsigned char %s[%d][%d] = {\n", name.c_str(), picture.height(),
                 pixel_row_stride(picture));
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* line = picture.constScanLine(y);
        std::fputs("    \"", out);
        for (int x = 0; x < row_bytes(picture); ++x) std::fprintf(out, "\\x%02x", line[x]);
        std::fputs("\",\n", out);
    }
    std::fputs("};\n", out);
}

}  // namespace tessmar
