// The wood-grain background: growth rings bent by smooth noise, long streaks
// along the grain and fine pores, shaded between two dark browns.
#include "wood_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tessmar {

namespace {

// A repeatable pseudo-random value in [0, 1) for a lattice point.
double lattice(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^ static_cast<std::uint32_t>(y) * 0xD8163841u ^
                      seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return (h & 0xFFFFFFu) / double(0x1000000);
}

// Smoothly interpolated lattice noise in [0, 1).
double noise(double x, double y, std::uint32_t seed)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double top = lattice(x0, y0, seed) + (lattice(x0 + 1, y0, seed) - lattice(x0, y0, seed)) * fx;
    const double bottom = lattice(x0, y0 + 1, seed) + (lattice(x0 + 1, y0 + 1, seed) - lattice(x0, y0 + 1, seed)) * fx;
    return top + (bottom - top) * fy;
}

// Three octaves of noise, in [0, 1).
double layered_noise(double x, double y, std::uint32_t seed)
{
    return (noise(x, y, seed) * 4 + noise(x * 2, y * 2, seed + 1) * 2 + noise(x * 4, y * 4, seed + 2)) / 7;
}

}  // namespace

QImage make_wood_picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    const double dark[3] = {34, 18, 8};
    const double light[3] = {112, 66, 32};
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const double streaks = layered_noise(x / 190.0, y / 14.0, 11);
            const double pores = noise(x / 2.0, y / 30.0, 23);
            // Rings around a centre far off to the left, stretched along the grain.
            const double dx = (x + 700) * 0.16;
            const double dy = y - 330.0;
            const double ring = 0.5 + 0.5 * std::sin((std::hypot(dx, dy) + 30 * streaks) * 0.55);
            const double shade = std::clamp(0.18 + 0.42 * ring * ring + 0.35 * streaks + 0.12 * pores, 0.0, 1.0);
            for (int c = 0; c < 3; ++c)
                line[3 * x + c] = static_cast<uchar>(std::lround(dark[c] + (light[c] - dark[c]) * shade));
        }
    }
    return image;
}

}  // namespace tessmar
