// planner-icon-tool SVG OUTPUT: run when the program is built; draws the
// planner's icon from its SVG file at the sizes a window manager shows and
// writes them as C++ source, so that start-up reads no SVG and needs no SVG
// plugin. Pixels are stored as R, G, B, A bytes (premultiplied), one string
// literal per row, each row padded to a multiple of four bytes.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int sizes[] = {16, 24, 32, 48, 64, 128};

// One byte more than a row for the literal's closing zero, rounded up to four
// bytes, since QImage reads rows that start on four-byte boundaries.
int row_bytes(int size) { return (size * 4 + 1 + 3) / 4 * 4; }

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: planner-icon-tool SVG OUTPUT\n");
        return 2;
    }
    QSvgRenderer svg{QString::fromLocal8Bit(argv[1])};
    if (!svg.isValid()) {
        std::fprintf(stderr, "planner-icon-tool: %s is not a picture it can draw\n", argv[1]);
        return 1;
    }
    std::FILE* out = std::fopen(argv[2], "w");
    if (out == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    std::fputs("// Made by planner-icon-tool when the program was built: the planner's icon,\n"
               "// drawn from its SVG file at each size, R G B A bytes (premultiplied) a pixel.\n"
               "#include <QImage>\n"
               "#include <QPixmap>\n\n"
               "#include \"planner_icon.h\"\n\n"
               "namespace tessmar {\n\n"
               "namespace {\n",
               out);
    for (const int size : sizes) {
        QImage image(size, size, QImage::Format_RGBA8888_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        std::fprintf(out, "\nalignas(4) const unsigned char pixels_%d[%d][%d] = {\n", size, size, row_bytes(size));
        for (int y = 0; y < size; ++y) {
            const uchar* line = image.constScanLine(y);
            std::fputs("    \"", out);
            for (int x = 0; x < size * 4; ++x) std::fprintf(out, "\\x%02x", line[x]);
            std::fputs("\",\n", out);
        }
        std::fputs("};\n", out);
    }
    std::fputs("\n}  // namespace\n\nQIcon built_planner_icon()\n{\n    QIcon icon;\n", out);
    for (const int size : sizes)
        std::fprintf(out,
                     "    icon.addPixmap(QPixmap::fromImage(QImage(pixels_%d[0], %d, %d, %d, "
                     "QImage::Format_RGBA8888_Premultiplied)));\n",
                     size, size, size, row_bytes(size));
    std::fputs("    return icon;\n}\n\n}  // namespace tessmar\n", out);
    return std::fclose(out) == 0 ? 0 : 1;
}
