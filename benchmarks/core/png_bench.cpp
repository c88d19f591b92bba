// LoadPngFile (decode, transformations and composition onto a bitmap)
// against a bare libpng decode of the same 1000 x 1000 RGBA file.
#include "picture_fixtures.h"
#include "pictures.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

const std::string& sampleFile() {
    static const std::string path = [] {
        const int side = 1000;
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(side) * side * 4);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<std::uint8_t>((i * 7 + i / 4000) & 0xFF);
        const std::string p =
            (std::filesystem::temp_directory_path() / "vorn-bench-rgba.png").string();
        vorn::test::writePng(p, {side, side, PNG_COLOR_TYPE_RGB_ALPHA, 8, pixels});
        return p;
    }();
    return path;
}

void BM_LoadPngFile(benchmark::State& state) {
    const std::string& path = sampleFile();
    for (auto _ : state) {
        QImage bitmap;
        vorn::LoadPngFile(path, bitmap);
        benchmark::DoNotOptimize(bitmap.constBits());
    }
}
BENCHMARK(BM_LoadPngFile)->Unit(benchmark::kMillisecond);

void BM_BareLibPngDecode(benchmark::State& state) {
    const std::string& path = sampleFile();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_init_io(png, f);
        png_read_info(png, info);
        const auto h = png_get_image_height(png, info);
        const auto rowBytes = png_get_rowbytes(png, info);
        std::vector<png_byte> pixels(rowBytes * h);
        std::vector<png_bytep> rows(h);
        for (png_uint_32 y = 0; y < h; ++y)
            rows[y] = pixels.data() + y * rowBytes;
        png_read_image(png, rows.data());
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(f);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_BareLibPngDecode)->Unit(benchmark::kMillisecond);

} // namespace
