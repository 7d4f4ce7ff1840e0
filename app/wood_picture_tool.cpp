// wood-picture-tool OUTPUT: run when the program is built; writes the C++
// source of the window's wood picture as make_wood_picture makes it at the size
// of the window description, so that start-up need not make it. The picture
// has few colours (shades between two browns), so it is stored exactly as one
// byte per pixel, an index into its table of colours.
#include <QImage>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <string>

#include "picture_source.h"
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

    std::FILE* out = tessmar::open_picture_source(
        argv[1], "wood-picture-tool", "The window's wood picture, one byte a pixel indexing its table of colours.",
        "#include <QList>\n\n#include <iterator>\n\n#include \"wood_picture.h\"\n");
    if (out == nullptr) return 1;
    std::fputs("\nconst QRgb colours[] = {", out);
    for (qsizetype i = 0; i < colours.size(); ++i)
        std::fprintf(out, "%s0x%08x,", i % 8 == 0 ? "\n    " : " ", colours[i]);
    std::fputs("\n};\n", out);
    tessmar::write_pixel_rows(out, "pixels", indexed);
    const std::string reader = "QImage built_wood_picture()\n{\n"
                               "    QImage picture(" + tessmar::image_arguments("pixels", indexed) + ");\n"
                               "    picture.setColorTable(QList<QRgb>(std::begin(colours), std::end(colours)));\n"
                               "    return picture;\n}\n";
    return tessmar::close_picture_source(out, argv[1], reader) ? 0 : 1;
}
