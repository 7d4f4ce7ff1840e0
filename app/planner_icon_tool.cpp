// planner-icon-tool SVG OUTPUT: run when the program is built; draws the
// planner's icon from its SVG file at the sizes a window manager shows and
// writes them as C++ source, so that start-up reads no SVG and needs no SVG
// plugin. Pixels are stored as R, G, B, A bytes (premultiplied).
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <string>

#include "picture_source.h"

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
    std::FILE* out = tessmar::open_picture_source(
        argv[2], "planner-icon-tool", "The planner's icon at each size, R G B A bytes (premultiplied) a pixel.",
        "#include <QImage>\n#include <QPixmap>\n\n#include \"planner_icon.h\"\n");
    if (out == nullptr) return 1;
    std::string reader = "QIcon built_planner_icon()\n{\n    QIcon icon;\n";
    for (const int size : sizes) {
        QImage image(size, size, QImage::Format_RGBA8888_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const std::string name = "pixels_" + std::to_string(size);
        tessmar::write_pixel_rows(out, name, image);
        reader += "    icon.addPixmap(QPixmap::fromImage(QImage(" + tessmar::image_arguments(name, image) + ")));\n";
    }
    reader += "    return icon;\n}\n";
    return tessmar::close_picture_source(out, argv[2], reader) ? 0 : 1;
}
