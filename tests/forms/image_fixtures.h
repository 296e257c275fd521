// Small pictures made in memory for the image tests: a PNG through libpng's writer and
// an animated GIF through giflib's encoder.
#pragma once

#include <cstdint>
#include <vector>

namespace kova::testing {

// A width x height PNG of the given RGBA pixels, row by row.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgba);
// An opaque PNG of one colour.
std::vector<uint8_t> MakeSolidPng(int width, int height, uint8_t r, uint8_t g, uint8_t b);
// A width x height PNG with alpha: left half opaque red, right half fully transparent.
std::vector<uint8_t> MakeHalfTransparentPng(int width, int height);
// A GIF of `frames` frames of size x size; frame n is filled with palette colour n
// (0 red, 1 green, 2 blue...), each shown for delay_cs hundredths of a second.
std::vector<uint8_t> MakeAnimatedGif(int size, int frames, int delay_cs);

}  // namespace kova::testing
