// planner-icon-tool SVG OUTPUT: run when the program is built; draws the
// planner's icon from its SVG file at the sizes a window manager shows and
// writes them as C++ source, so that start-up reads no SVG and needs no SVG
// plugin. Pixels are stored as R, G, B, A bytes (premultiplied).
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <string>
#include <vector>

#include "pixel_rows.h"

namespace {

constexpr int sizes[] = {16, 24, 32, 48, 64, 128};

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
    std::vector<QImage> images;
    for (const int size : sizes) {
        QImage image(size, size, QImage::Format_RGBA8888_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        tessmar::write_pixel_rows(out, "pixels_" + std::to_string(size), image);
        images.push_back(image);
    }
    std::fputs("\n}  // namespace\n\nQIcon built_planner_icon()\n{\n    QIcon icon;\n", out);
    for (const QImage& image : images)
        std::fprintf(out,
                     "    icon.addPixmap(QPixmap::fromImage(QImage(pixels_%d[0], %d, %d, %d, "
                     "QImage::Format_RGBA8888_Premultiplied)));\n",
                     image.width(), image.width(), image.height(), tessmar::pixel_row_stride(image));
    std::fputs("    return icon;\n}\n\n}  // namespace tessmar\n", out);
    return std::fclose(out) == 0 ? 0 : 1;
}
