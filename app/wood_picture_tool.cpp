// wood-picture-tool OUTPUT: run when the program is built; writes the C++
// source of the window's wood picture as make_wood_picture makes it at the size
// of the window description, so that start-up need not make it. The picture
// has few colours (shades between two browns), so it is stored exactly as one
// byte per pixel, an index into its table of colours: one string literal per
// row, each far below the length every compiler must accept (the whole picture
// in one literal is not), in rows padded to a multiple of four bytes.
#include <QImage>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <string>

#include "window/window_description.h"
#include "wood_picture.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wood-picture-tool OUTPUT\n");
        return 2;
    }
    const tessmar::WindowDescription& window = tessmar::form1_window();
    const QImage picture = tessmar::make_wood_picture(window.picture_width, window.picture_height);

    QList<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) colours.append(picture.pixel(x, y));
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    if (colours.size() > 256) {
        std::fprintf(stderr, "wood-picture-tool: %s colours do not fit one byte a pixel\n",
                     std::to_string(colours.size()).c_str());
        return 1;
    }
    // Every colour is in the table, so each pixel maps to its own colour exactly.
    const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither);

    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fputs("// Made by wood-picture-tool when the program was built: the window's wood\n"
               "// picture, one byte a pixel, one padded row a line, indexing its table of colours.\n"
               "#include <QList>\n\n"
               "#include <iterator>\n\n"
               "#include \"wood_picture.h\"\n\n"
               "namespace tessmar {\n\n"
               "namespace {\n\n"
               "const QRgb colours[] = {",
               out);
    for (qsizetype i = 0; i < colours.size(); ++i)
        std::fprintf(out, "%s0x%08x,", i % 8 == 0 ? "\n    " : " ", colours[i]);
    // One byte more than the row for the literal's closing zero, rounded up to
    // four bytes, since QImage reads rows that start on four-byte boundaries.
    const int stride = (indexed.width() + 1 + 3) / 4 * 4;
    std::fprintf(out, "\n};\n\nalignas(4) const unsigned char pixels[%d][%d] = {\n", indexed.height(), stride);
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        std::fputs("    \"", out);
        for (int x = 0; x < indexed.width(); ++x) std::fprintf(out, "\\x%02x", line[x]);
        std::fputs("\",\n", out);
    }
    std::fprintf(out,
                 "};\n\n}  // namespace\n\n"
                 "QImage built_wood_picture()\n{\n"
                 "    QImage picture(pixels[0], %d, %d, %d, QImage::Format_Indexed8);\n"
                 "    picture.setColorTable(QList<QRgb>(std::begin(colours), std::end(colours)));\n"
                 "    return picture;\n}\n\n"
                 "}  // namespace tessmar\n",
                 indexed.width(), indexed.height(), stride);
    return std::fclose(out) == 0 ? 0 : 1;
}
