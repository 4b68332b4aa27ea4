// What the tests do with files on every platform: whole files in and out,
// text with the platform's line ends or in UTF-16, and temporary
// directories.
#include "RunProcess.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

std::string ReadFile(const std::string& path, bool* found)
{
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  if (found)
    *found = static_cast<bool>(file);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool WriteFile(const std::string& path, const std::string& text)
{
  std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  return static_cast<bool>(file);
}

std::string WithPlatformLineEnds(const std::string& text)
{
#ifdef _WIN32
  std::string lines;
  for (char c : text)
  {
    if (c == '\n')
      lines += '\r';
    lines += c;
  }
  return lines;
#else
  return text;
#endif
}

std::string AsUtf16(const std::string& ascii, bool bigEndian)
{
  std::string text = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii)
  {
    text += bigEndian ? '\0' : c;
    text += bigEndian ? c : '\0';
  }
  return text;
}

namespace
{
std::vector<std::string> temporaryDirectories;

void RemoveTemporaryDirectories()
{
  std::error_code ignored;
  for (const std::string& directory : temporaryDirectories)
    std::filesystem::remove_all(std::filesystem::u8path(directory), ignored);
}
}

std::string MakeTempDirectory()
{
  std::error_code error;
  std::filesystem::path base = std::filesystem::temp_directory_path(error);
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100 && !error; ++attempt)
  {
    std::filesystem::path path = base / ("zebtest-" + std::to_string(random() % 1000000000));
    if (std::filesystem::create_directory(path, error))
    {
      if (temporaryDirectories.empty())
        atexit(RemoveTemporaryDirectories);
      temporaryDirectories.push_back(path.u8string());
      return path.u8string();
    }
  }
  return std::string();
}
