// Measures a screenshot of the interactor's window for the interaction tests:
//   screen_image_measure <shot.xwd> [<reference.png|.xwd> [<shot.png>]]
// prints "size <width> <height>", "scene <n>" (the pixels that differ from
// the top left one, which shows the background), "box <left> <top> <right>
// <bottom>" (the smallest rectangle holding them) and, given a reference of
// the same size, "error <e>": the image error of the regression check
// (zebImageDifference) between the shot and the reference. The shot is
// written as a PNG when a third path is given. Exit status 0, or 2 with a
// message when an image cannot be read or written.
#include <zebImageDifference.h>
#include <zebPNGImage.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace
{
uint32_t BigEndian32(const std::string& bytes, size_t offset)
{
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
  {
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  }
  return value;
}

// The 8-bit value of the channel that mask selects in pixel.
unsigned char Channel(uint32_t pixel, uint32_t mask)
{
  if (!mask)
  {
    return 0;
  }
  int shift = 0;
  while (!((mask >> shift) & 1))
  {
    ++shift;
  }
  const uint32_t maximum = mask >> shift;
  return static_cast<unsigned char>(((pixel & mask) >> shift) * 255 / maximum);
}

// Reads the ZPixmap true-colour dumps of 24 and 32 bits per pixel that xwd
// writes of a window: a header of big-endian 32-bit fields, the window's
// name, the colour map, then the rows in the header's byte order.
bool ReadXwd(const std::string& path, zebRGBImage& image, std::string& error)
{
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.size() < 100 || BigEndian32(bytes, 4) != 7 || BigEndian32(bytes, 8) != 2)
  {
    error = path + " is not an xwd dump of a ZPixmap";
    return false;
  }
  const uint32_t headerSize = BigEndian32(bytes, 0);
  const uint32_t width = BigEndian32(bytes, 16);
  const uint32_t height = BigEndian32(bytes, 20);
  const bool mostSignificantFirst = BigEndian32(bytes, 28) == 1;
  const uint32_t bitsPerPixel = BigEndian32(bytes, 44);
  const uint32_t bytesPerLine = BigEndian32(bytes, 48);
  const uint32_t masks[3] = { BigEndian32(bytes, 56),
                              BigEndian32(bytes, 60),
                              BigEndian32(bytes, 64) };
  const uint32_t colours = BigEndian32(bytes, 76);
  const size_t start = static_cast<size_t>(headerSize) + static_cast<size_t>(colours) * 12;
  const size_t pixelBytes = bitsPerPixel / 8;
  if ((bitsPerPixel != 24 && bitsPerPixel != 32) || width == 0 || width > 4096 || height > 4096 ||
      bytesPerLine < width * pixelBytes ||
      start + static_cast<size_t>(bytesPerLine) * height > bytes.size())
  {
    error = path + ": an xwd layout this tool does not read";
    return false;
  }
  image.Width = static_cast<int>(width);
  image.Height = static_cast<int>(height);
  image.Pixels.clear();
  for (uint32_t y = 0; y < height; ++y)
  {
    for (uint32_t x = 0; x < width; ++x)
    {
      const size_t at = start + static_cast<size_t>(y) * bytesPerLine + x * pixelBytes;
      uint32_t pixel = 0;
      for (size_t i = 0; i < pixelBytes; ++i)
      {
        const uint32_t byte = static_cast<unsigned char>(bytes[at + i]);
        pixel |= mostSignificantFirst ? byte << (8 * (pixelBytes - 1 - i)) : byte << (8 * i);
      }
      for (uint32_t mask : masks)
      {
        image.Pixels.push_back(Channel(pixel, mask));
      }
    }
  }
  return true;
}

bool ReadImage(const std::string& path, zebRGBImage& image, std::string& error)
{
  const bool png = path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
  return png ? zebPNGImage::Read(path, image, error) : ReadXwd(path, image, error);
}

// Prints the count and the bounding box of the pixels unlike the top left one.
void PrintScene(const zebRGBImage& image)
{
  long count = 0;
  int box[4] = { image.Width, image.Height, -1, -1 };
  for (int y = 0; y < image.Height; ++y)
  {
    for (int x = 0; x < image.Width; ++x)
    {
      const unsigned char* pixel = &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
      if (pixel[0] != image.Pixels[0] || pixel[1] != image.Pixels[1] || pixel[2] != image.Pixels[2])
      {
        ++count;
        box[0] = std::min(box[0], x);
        box[1] = std::min(box[1], y);
        box[2] = std::max(box[2], x);
        box[3] = std::max(box[3], y);
      }
    }
  }
  printf("scene %ld\nbox %d %d %d %d\n", count, box[0], box[1], box[2], box[3]);
}
}

int main(int argc, char* argv[])
{
  if (argc < 2 || argc > 4)
  {
    fprintf(stderr, "usage: screen_image_measure <shot.xwd> [<reference> [<shot.png>]]\n");
    return 2;
  }
  zebRGBImage shot;
  zebRGBImage reference;
  std::string error;
  if (!ReadImage(argv[1], shot, error) || (argc > 2 && !ReadImage(argv[2], reference, error)) ||
      (argc > 3 && !zebPNGImage::Write(argv[3], shot, error)))
  {
    fprintf(stderr, "screen_image_measure: %s\n", error.c_str());
    return 2;
  }
  printf("size %d %d\n", shot.Width, shot.Height);
  PrintScene(shot);
  if (argc > 2 && reference.Width == shot.Width && reference.Height == shot.Height)
  {
    printf("error %.4f\n", zebImageDifference::Compare(shot, reference).Error);
  }
  return 0;
}
