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
};

namespace zebPNGImage
{
// Reads any PNG (palette, grey, with or without alpha; alpha is dropped).
// False with the reason in error when the file cannot be read as a PNG or
// is larger than 4096 by 4096 pixels.
bool Read(const std::string& path, zebRGBImage& image, std::string& error);

// False with the reason in error when the file cannot be written.
bool Write(const std::string& path, const zebRGBImage& image, std::string& error);
}

#endif
