// Reading and writing 8-bit RGB images as PNG files with libpng.
#ifndef ZEB_PNG_IMAGE_H
#define ZEB_PNG_IMAGE_H

#include <string>
#include <vector>

struct zebRGBImage
{
  int Width = 0;
  int Height = 0;
  std::vector<unsigned char> Pixels;  // Width*Height*3 bytes, top row first
  long TranslucentPixels = 0;         // pixels whose alpha in the file was below 255
};

namespace zebPNGImage
{
// Reads any PNG as the picture it holds, in 8-bit sRGB: 1 to 16 bits per
// channel, grey, palette or colour, with or without alpha, interlaced or
// not. A file that says nothing of its colour space is taken as sRGB, as
// image viewers do; one whose gamma says otherwise is converted. The alpha
// is dropped and the pixels it made translucent are counted. False with
// the reason in error when the file cannot be read as a PNG or is larger
// than 4096 by 4096 pixels.
bool Read(const std::string& path, zebRGBImage& image, std::string& error);

// Writes an opaque 8-bit RGB PNG. False with the reason in error when the
// file cannot be written.
bool Write(const std::string& path, const zebRGBImage& image, std::string& error);
}

#endif
