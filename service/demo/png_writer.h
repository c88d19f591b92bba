#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pequenia::demo {

// A picture in memory, three bytes (red, green, blue) per pixel.
class Canvas {
public:
    Canvas(int width, int height, std::uint32_t rgb);

    int width() const { return m_width; }
    int height() const { return m_height; }

    void fillRect(int x, int y, int w, int h, std::uint32_t rgb);
    void fillEllipse(int cx, int cy, int rx, int ry, std::uint32_t rgb);
    // A vertical blend from top colour to bottom colour over the rectangle.
    void gradient(int x, int y, int w, int h, std::uint32_t top, std::uint32_t bottom);

    // The PNG file's bytes.
    std::string encodePng() const;

private:
    void put(int x, int y, std::uint32_t rgb);

    int m_width;
    int m_height;
    std::vector<unsigned char> m_pixels;
};

} // namespace pequenia::demo
