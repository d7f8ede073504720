#pragma once

// Writes large JPEG files for tests and benchmarks row by row, so that no
// picture of that size is ever held in memory.
#include <QFile>
#include <QString>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

// The colour of (x, y) in the written gradient: red grows to the right,
// green downwards, blue stays 128.
inline void GradientPixel(int x, int y, int width, int height, unsigned char *rgb)
{
    rgb[0] = (unsigned char)(width > 1 ? (long long)x * 255 / (width - 1) : 0);
    rgb[1] = (unsigned char)(height > 1 ? (long long)y * 255 / (height - 1) : 0);
    rgb[2] = 128;
}

// A baseline (or progressive) JPEG of the gradient, with random grain of up
// to ±`grain` levels (which makes the file as large as a photo's); false
// when the file cannot be written.
inline bool WriteGradientJpeg(const QString &path, int width, int height, bool progressive = false,
                              int grain = 0)
{
    std::FILE *out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 80, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    unsigned random = 12345;
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            unsigned char *pixel = &row[size_t(x) * 3];
            GradientPixel(x, y, width, height, pixel);
            for (int c = 0; grain > 0 && c < 3; ++c) {
                random = random * 1103515245u + 12345u;
                const int value = pixel[c] + int((random >> 16) % unsigned(2 * grain + 1)) - grain;
                pixel[c] = (unsigned char)(value < 0 ? 0 : value > 255 ? 255 : value);
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}
