// PNG file input and output through libpng's simplified interface.
#include "zebPNGImage.h"

#include <png.h>

namespace
{
const png_uint_32 LargestSide = 4096;
}

bool zebPNGImage::Read(const std::string& path, zebRGBImage& image, std::string& error)
{
  png_image png = {};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str()))
  {
    error = png.message;
    return false;
  }
  if (png.width == 0 || png.height == 0 || png.width > LargestSide || png.height > LargestSide)
  {
    png_image_free(&png);
    error = "image size out of range";
    return false;
  }
  png.format = PNG_FORMAT_RGBA;
  std::vector<unsigned char> rgba;
  try
  {
    rgba.resize(PNG_IMAGE_SIZE(png));
  }
  catch (...)
  {
    // libpng's reading state is freed on every way out, this one included.
    png_image_free(&png);
    throw;
  }
  if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr))
  {
    error = png.message;
    png_image_free(&png);
    return false;
  }
  image.Width = static_cast<int>(png.width);
  image.Height = static_cast<int>(png.height);
  image.Pixels.resize(static_cast<size_t>(image.Width) * image.Height * 3);
  for (size_t pixel = 0; pixel < image.Pixels.size() / 3; ++pixel)
  {
    for (size_t channel = 0; channel < 3; ++channel)
    {
      image.Pixels[pixel * 3 + channel] = rgba[pixel * 4 + channel];
    }
  }
  return true;
}

bool zebPNGImage::Write(const std::string& path, const zebRGBImage& image, std::string& error)
{
  png_image png = {};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width);
  png.height = static_cast<png_uint_32>(image.Height);
  png.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&png, path.c_str(), 0, image.Pixels.data(), 0, nullptr))
  {
    error = png.message;
    return false;
  }
  return true;
}
