#pragma once

class TPngImage;

// Replaces the image by a bilinear resampling of it to width × height, 8 bits
// per sample, keeping RGBA as RGBA and making anything else RGB. Only RGB and
// RGBA images are accepted; others throw AppError "Only COLOR_RGBALPHA and
// COLOR_RGB formats are supported".
//
// The arithmetic is single precision throughout: scale factors
// sx = width / (sw - 1), sy = height / (sh - 1); a destination pixel (x, y)
// reads the four source pixels around (x / sx, y / sy) with the weights of
// the fractional parts, each channel (alpha alike, colours not weighted by
// alpha) accumulated as float and rounded half to even. A source one pixel
// wide (or high) has nothing to interpolate across: its single column (row)
// is repeated along that axis.
void ResamplePng(TPngImage &image, int width, int height);
