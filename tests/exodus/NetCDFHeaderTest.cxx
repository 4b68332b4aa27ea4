// The netCDF header check that the Exodus II reader makes before the netCDF
// library sees a file: written files pass, headers whose counts or lengths
// need more than the file holds do not, and the reader refuses those at once.
#include "ExodusMeshes.h"
#include "RunProcess.h"

#include <zebExodusIIReader.h>
#include <zebMultiBlockDataSet.h>
#include <zebNetCDFHeader.h>
#include <zebSmartPointerBase.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
std::string WrittenFile(ExodusFileFormat format)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/mesh.exo";
  WriteMesh(path, HandCheckedMesh(), format);
  std::string bytes = ReadFile(path);
  std::filesystem::remove_all(directory);
  return bytes;
}

bool Fits(const std::string& bytes)
{
  return zebNetCDFHeaderFits(bytes, bytes.size());
}

// The file with the 4-byte big-endian word at offset replaced.
std::string WithWord(std::string bytes, size_t offset, unsigned int value)
{
  for (int i = 0; i < 4; ++i)
  {
    bytes[offset + static_cast<size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
  }
  return bytes;
}
}

TEST(NetCDFHeader, WrittenFilesAndOtherFormatsPass)
{
  for (ExodusFileFormat format : { ExodusFileFormat::NetCDFClassic,
                                   ExodusFileFormat::NetCDF64BitOffset,
                                   ExodusFileFormat::NetCDF4 })
  {
    EXPECT_TRUE(Fits(WrittenFile(format)));
  }
  EXPECT_TRUE(Fits(ReadFile(ZEB_DISK_OUT_REF)));
  EXPECT_TRUE(Fits(""));
  EXPECT_TRUE(Fits("CDF"));
  EXPECT_TRUE(Fits("CDF\x03 not a version of the classic family"));
  EXPECT_TRUE(Fits("This is a text file.\n"));
}

TEST(NetCDFHeader, CountsAndLengthsBeyondTheFileFail)
{
  std::string file = WrittenFile(ExodusFileFormat::NetCDFClassic);
  // "CDF\1", the record count, the dimension tag and count at offset 8, the
  // first dimension's name length at offset 12.
  ASSERT_EQ(file.substr(0, 4), std::string("CDF\x01", 4));
  EXPECT_FALSE(Fits(WithWord(file, 12, 0x7ffffff0)));
  EXPECT_FALSE(Fits(WithWord(file, 8, 0x40000000)));
  EXPECT_FALSE(Fits(WithWord(file, 4 + 4, 0x20000000)));
  // A header cut anywhere inside its first dimension.
  for (size_t cut = 4; cut < 32; ++cut)
  {
    EXPECT_FALSE(Fits(file.substr(0, cut))) << cut;
  }
  // Bytes at hand that end inside a header the file is long enough for.
  EXPECT_TRUE(zebNetCDFHeaderFits(file.substr(0, 40), file.size()));
}

// Without the check the netCDF library first took gigabytes for this name.
TEST(NetCDFHeader, ReaderRefusesAHugeNameLength)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/huge-name.exo";
  WriteMesh(path, HandCheckedMesh());
  ASSERT_TRUE(WriteFile(path, WithWord(ReadFile(path), 12, 0x7ffffff0)));

  zebSmartPointer<zebExodusIIReader> reader = zebSmartPointer<zebExodusIIReader>::New();
  reader->SetFileName(path.c_str());
  testing::internal::CaptureStderr();
  reader->Update();
  std::string err = testing::internal::GetCapturedStderr();

  EXPECT_EQ(err,
            "zebExodusIIReader: cannot read \"" + path +
              "\": not an Exodus II file: its netCDF header needs more than the file holds\n");
  EXPECT_EQ(reader->GetOutput()->GetNumberOfBlocks(), 0u);
  std::filesystem::remove_all(directory);
}
