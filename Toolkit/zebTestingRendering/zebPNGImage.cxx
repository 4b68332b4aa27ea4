// PNG file input through libpng's reading transforms, output through its
// simplified interface.
#include "zebPNGImage.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

namespace
{
const png_uint_32 LargestSide = 4096;

// What libpng reports is kept here; its errors end in a jump back to the
// reading code, which must therefore hold nothing that needs destroying.
struct ReadState
{
  char Message[256];
};

void StoreError(png_structp png, png_const_charp message)
{
  ReadState* state = static_cast<ReadState*>(png_get_error_ptr(png));
  snprintf(state->Message, sizeof(state->Message), "%s", message);
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Decodes the whole file into rows of 8-bit RGB or RGBA pixels, which png
// keeps. False with the reason in state's message.
bool DecodeRows(FILE* file, png_structp png, png_infop info, ReadState& state)
{
  if (setjmp(png_jmpbuf(png)))
  {
    return false;
  }
  png_init_io(png, file);
  png_set_user_limits(png, LargestSide, LargestSide);
  // The screen is sRGB, and so is a file that does not say.
  png_set_gamma(png, PNG_DEFAULT_sRGB, PNG_DEFAULT_sRGB);
  png_read_png(
    png, info, PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_SCALE_16 | PNG_TRANSFORM_GRAY_TO_RGB, nullptr);
  const int channels = png_get_channels(png, info);
  if (png_get_bit_depth(png, info) != 8 || (channels != 3 && channels != 4))
  {
    snprintf(state.Message, sizeof(state.Message), "unexpected pixel layout after decoding");
    return false;
  }
  return true;
}

void CopyPixels(png_structp png, png_infop info, zebRGBImage& image)
{
  const png_bytepp rows = png_get_rows(png, info);
  const int channels = png_get_channels(png, info);
  image.Width = static_cast<int>(png_get_image_width(png, info));
  image.Height = static_cast<int>(png_get_image_height(png, info));
  image.Pixels.resize(static_cast<size_t>(image.Width) * image.Height * 3);
  image.TranslucentPixels = 0;
  unsigned char* to = image.Pixels.data();
  for (int y = 0; y < image.Height; ++y)
  {
    const unsigned char* from = rows[y];
    for (int x = 0; x < image.Width; ++x, from += channels, to += 3)
    {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
      image.TranslucentPixels += channels == 4 && from[3] < 255;
    }
  }
}
}

bool zebPNGImage::Read(const std::string& path, zebRGBImage& image, std::string& error)
{
  FILE* file = fopen(path.c_str(), "rb");
  if (!file)
  {
    error = strerror(errno);
    return false;
  }
  ReadState state = {};
  png_structp png =
    png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, StoreError, IgnoreWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool decoded = false;
  unsigned char signature[8] = {};
  if (!info)
  {
    snprintf(state.Message, sizeof(state.Message), "out of memory");
  }
  else if (fread(signature, 1, 8, file) != 8 || png_sig_cmp(signature, 0, 8) != 0)
  {
    snprintf(state.Message, sizeof(state.Message), "not a PNG file");
  }
  else
  {
    png_set_sig_bytes(png, 8);
    decoded = DecodeRows(file, png, info, state);
  }
  if (!decoded)
  {
    error = state.Message;
  }
  else
  {
    try
    {
      CopyPixels(png, info, image);
    }
    catch (const std::bad_alloc&)
    {
      error = "not enough memory for the image";
      decoded = false;
    }
  }
  png_destroy_read_struct(&png, &info, nullptr);
  fclose(file);
  return decoded;
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
