// LookUpSetting and ComposeDataFilePath (with the toolkit's default root or a
// module's) over a table of command lines and environments: which -D wins,
// when the variable or the fallback decide, and that roots are joined without
// any normalisation.
#include "TestDataFile.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const char* const Unset = nullptr;

struct PathCase
{
  const char* what;
  std::vector<std::string> args;
  const char* variable;  // ZEB_DATA_ROOT, or Unset
  const char* expected;
  const char* defaultRoot = nullptr;  // a module's own default root, or the toolkit's
};

void SetVariable(const char* value)
{
  if (value)
  {
    SetTestVariable("ZEB_DATA_ROOT", value);
  }
  else
  {
    UnsetTestVariable("ZEB_DATA_ROOT");
  }
}

// A writable argument vector ending in a null element, as main gets it.
struct ArgumentVector
{
  explicit ArgumentVector(const std::vector<std::string>& args)
    : Strings(args)
  {
    for (std::string& s : this->Strings)
    {
      this->Pointers.push_back(&s[0]);
    }
    this->Pointers.push_back(nullptr);
  }
  int Count() const
  {
    return static_cast<int>(this->Strings.size());
  }
  char** Vector()
  {
    return this->Pointers.data();
  }
  std::vector<std::string> Strings;
  std::vector<char*> Pointers;
};
}

TEST(DataFile, ComposeDataFilePathTable)
{
  const PathCase cases[] = {
    { "nothing set", { "TestVRMLNormals" }, Unset, "../../../../ZEBData/Data/WineGlass.wrl" },
    { "variable set", { "TestVRMLNormals" }, "/data", "/data/Data/WineGlass.wrl" },
#ifndef _WIN32
    // Windows has no empty environment variable: setting one removes it.
    { "variable empty", { "TestVRMLNormals" }, "", "/Data/WineGlass.wrl" },
#endif
    { "option beats variable", { "T", "-D", "/x" }, "/data", "/x/Data/WineGlass.wrl" },
    { "option first", { "-D", "/first", "T", "-V", "b.png" }, Unset, "/first/Data/WineGlass.wrl" },
    { "option last", { "T", "-V", "b.png", "-D", "/last" }, Unset, "/last/Data/WineGlass.wrl" },
    { "later option wins", { "T", "-D", "/a", "-D", "/b" }, Unset, "/b/Data/WineGlass.wrl" },
    { "bare -D at the end keeps earlier",
      { "T", "-D", "/a", "x", "-D" },
      Unset,
      "/a/Data/WineGlass.wrl" },
    { "bare -D only", { "-D" }, Unset, "../../../../ZEBData/Data/WineGlass.wrl" },
    { "bare -D last, variable set", { "T", "-D" }, "/env", "/env/Data/WineGlass.wrl" },
    { "lower-case -d", { "T", "-d", "/x" }, Unset, "../../../../ZEBData/Data/WineGlass.wrl" },
    { "-D=/x is one argument", { "T", "-D=/x" }, "/env", "/env/Data/WineGlass.wrl" },
    { "longer option", { "T", "-DD", "/x" }, Unset, "../../../../ZEBData/Data/WineGlass.wrl" },
    { "value that looks like an option", { "T", "-D", "-V" }, Unset, "-V/Data/WineGlass.wrl" },
    { "empty value", { "T", "-D", "" }, "/env", "/Data/WineGlass.wrl" },
    { "argument 0 takes part", { "-D", "/zero" }, Unset, "/zero/Data/WineGlass.wrl" },
    { "root ending in a backslash",
      { "T", "-D", "C:\\data\\" },
      Unset,
      "C:\\data\\/Data/WineGlass.wrl" },
    { "root ending in a slash", { "T" }, "/data/", "/data//Data/WineGlass.wrl" },
    { "argument count 0, variable", {}, "/env", "/env/Data/WineGlass.wrl" },
    { "argument count 0, fallback", {}, Unset, "../../../../ZEBData/Data/WineGlass.wrl" },
    { "module root", { "T" }, Unset, "/module/Data/WineGlass.wrl", "/module" },
    { "variable beats module root", { "T" }, "/env", "/env/Data/WineGlass.wrl", "/module" },
    { "option beats module root", { "T", "-D", "/x" }, "/env", "/x/Data/WineGlass.wrl", "/module" },
    { "bare -D, module root", { "T", "-D" }, Unset, "/module/Data/WineGlass.wrl", "/module" },
    { "empty module root", {}, Unset, "/Data/WineGlass.wrl", "" },
  };
  for (const PathCase& c : cases)
  {
    SCOPED_TRACE(c.what);
    SetVariable(c.variable);
    ArgumentVector args(c.args);
    std::vector<std::string> before = args.Strings;
    char* path = c.defaultRoot
                   ? ComposeDataFilePathWithRoot(
                       args.Count(), args.Vector(), "Data/WineGlass.wrl", c.defaultRoot)
                   : ComposeDataFilePath(args.Count(), args.Vector(), "Data/WineGlass.wrl");
    ASSERT_NE(path, nullptr);
    EXPECT_STREQ(path, c.expected);
    EXPECT_EQ(args.Strings, before);
    delete[] path;
  }
  UnsetTestVariable("ZEB_DATA_ROOT");
}

TEST(DataFile, LookUpSettingCopiesAndNullFallback)
{
  UnsetTestVariable("ZEB_LOOK_UP_TEST");
  ArgumentVector none({ "T", "-X" });
  EXPECT_EQ(LookUpSetting("-X", none.Count(), none.Vector(), "ZEB_LOOK_UP_TEST", nullptr), nullptr);

  // Neither the argument, the environment nor the fallback is handed out.
  ArgumentVector given({ "T", "-X", "value" });
  char* fromArgument = LookUpSetting("-X", given.Count(), given.Vector(), "ZEB_LOOK_UP_TEST", "f");
  EXPECT_STREQ(fromArgument, "value");
  EXPECT_NE(fromArgument, given.Pointers[2]);
  delete[] fromArgument;

  SetTestVariable("ZEB_LOOK_UP_TEST", "from environment");
  char* fromVariable = LookUpSetting("-X", none.Count(), none.Vector(), "ZEB_LOOK_UP_TEST", "f");
  EXPECT_STREQ(fromVariable, "from environment");
  EXPECT_NE(fromVariable, getenv("ZEB_LOOK_UP_TEST"));
  delete[] fromVariable;
  UnsetTestVariable("ZEB_LOOK_UP_TEST");

  const char* fallback = "fallback";
  char* fromFallback = LookUpSetting("-X", 0, nullptr, "ZEB_LOOK_UP_TEST", fallback);
  EXPECT_STREQ(fromFallback, "fallback");
  EXPECT_NE(fromFallback, fallback);
  delete[] fromFallback;
}
