// zebWrapTclInit run as a program: the generated source, byte for byte, for
// the list-file shapes a build meets, and for lists far beyond fixed sizes.
#include "RunProcess.h"
#include "WrapTclInitTestSupport.h"

#include <gtest/gtest.h>

namespace
{
// What the generated source must be, put together from its pieces; each
// case writes its init prefixes out by hand.
struct Expectation
{
  std::string libName;
  std::string prefix;
  std::vector<std::string> creators;
  std::vector<std::string> commandPrefixes;
  std::string version;
  bool core = false;
};

std::string Expected(const Expectation& e)
{
  std::string s = "#include \"zebTclUtil.h\"\n"
                  "#include \"zebVersion.h\"\n"
                  "#define ZEB_TCL_TO_STRING(x) ZEB_TCL_TO_STRING0(x)\n"
                  "#define ZEB_TCL_TO_STRING0(x) #x\n"
                  "extern \"C\"\n{\n#if (TCL_MAJOR_VERSION == 8) && (TCL_MINOR_VERSION >= 4)\n"
                  "  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, CONST84 char "
                  "*[]);\n#else\n  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, "
                  "char *[]);\n#endif\n}\n\n";
  for (const std::string& c : e.creators)
    s += "int " + c + "_TclCreate(Tcl_Interp *interp);\n";
  if (e.core)
    s += "int zebCreateCommand(ClientData cd, Tcl_Interp *interp,\n"
         "               int argc, char *argv[]);\n"
         "\nTcl_HashTable zebInstanceLookup;\nTcl_HashTable zebPointerLookup;\n"
         "Tcl_HashTable zebCommandLookup;\n";
  else
    s += "\nextern Tcl_HashTable zebInstanceLookup;\nextern Tcl_HashTable zebPointerLookup;\n"
         "extern Tcl_HashTable zebCommandLookup;\n";
  s += "extern void zebTclDeleteObjectFromHash(void *);\n"
       "extern void zebTclListInstances(Tcl_Interp *interp, ClientData arg);\n";
  for (const std::string& p : e.commandPrefixes)
    s += "\nextern \"C\" {int ZEB_EXPORT " + p + "_Init(Tcl_Interp *interp);}\n";
  s += "\n\nextern \"C\" {int ZEB_EXPORT " + e.prefix + "_SafeInit(Tcl_Interp *interp);}\n";
  s += "\nextern \"C\" {int ZEB_EXPORT " + e.prefix + "_Init(Tcl_Interp *interp);}\n";
  s += "\nextern void zebTclGenericDeleteObject(ClientData cd);\n";
  if (e.core)
    s += "extern \"C\"\n{\nvoid zebCommonDeleteAssocData(ClientData cd)\n  {\n"
         "  zebTclInterpStruct *tis = static_cast<zebTclInterpStruct*>(cd);\n"
         "  delete tis;\n  }\n}\n";
  s += "\n\nint ZEB_EXPORT " + e.prefix + "_SafeInit(Tcl_Interp *interp)\n{\n";
  s += "  return " + e.prefix + "_Init(interp);\n}\n";
  s += "\n\nint ZEB_EXPORT " + e.prefix + "_Init(Tcl_Interp *interp)\n{\n";
  if (e.core)
    s += "  zebTclInterpStruct *info = new zebTclInterpStruct;\n"
         "  info->Number = 0; info->InDelete = 0; info->DebugOn = 0; "
         "info->DeleteExistingObjectOnNew = 0;\n\n\n"
         "  Tcl_InitHashTable(&info->InstanceLookup, TCL_STRING_KEYS);\n"
         "  Tcl_InitHashTable(&info->PointerLookup, TCL_STRING_KEYS);\n"
         "  Tcl_InitHashTable(&info->CommandLookup, TCL_STRING_KEYS);\n"
         "  Tcl_SetAssocData(interp,(char *)(\"zeb\"),NULL,reinterpret_cast<ClientData "
         "*>(info));\n"
         "  Tcl_CreateExitHandler(zebCommonDeleteAssocData,reinterpret_cast<ClientData "
         "*>(info));\n"
         "  Tcl_CreateCommand(interp,(char *)(\"zebCommand\"),\n"
         "                    reinterpret_cast<zebTclCommandType>(zebCreateCommand),\n"
         "                    static_cast<ClientData *>(NULL), NULL);\n\n";
  for (const std::string& p : e.commandPrefixes)
    s += "  if (" + p + "_Init(interp) != TCL_OK) return TCL_ERROR;\n";
  s += "\n";
  for (const std::string& c : e.creators)
    s += "  if (" + c + "_TclCreate(interp) != TCL_OK) return TCL_ERROR;\n";
  s += "  char pkgName[]=\"" + e.libName + "\";\n";
  if (e.version.empty())
    s += "  char pkgVers[]=ZEB_TCL_TO_STRING(ZEB_MAJOR_VERSION) \".\" "
         "ZEB_TCL_TO_STRING(ZEB_MINOR_VERSION);\n";
  else
    s += "  char pkgVers[]=ZEB_TCL_TO_STRING(" + e.version + ");\n";
  s += "  Tcl_PkgProvide(interp, pkgName, pkgVers);\n  return TCL_OK;\n}\n";
  return s;
}

void ExpectSource(const std::string& list, const Expectation& e)
{
  GeneratorRun run = RunGenerator(list);
  EXPECT_EQ(run.result.exitStatus, 0) << list;
  EXPECT_EQ(run.result.err, "") << list;
  EXPECT_EQ(run.result.out, "") << list;
  EXPECT_EQ(run.output, WithPlatformLineEnds(Expected(e))) << list;
}
}

TEST(WrapTclInitOutput, LibraryNameOnlyMatchesHandWrittenFile)
{
  GeneratorRun run = RunGenerator("zebFiltersSources\n");
  EXPECT_EQ(run.result.exitStatus, 0);
  EXPECT_EQ(run.result.err, "");
  EXPECT_EQ(run.output, WithPlatformLineEnds(ReadFile(EXPECTED_DIR "/LibraryOnly.cxx")));
}

TEST(WrapTclInitOutput, CoreWithCreatorsCommandsAndVersionMatchesHandWrittenFile)
{
  GeneratorRun run = RunGenerator("ZEBcommonCORETCL\nzebObject COMMAND zebSystemInfoTcl\n"
                                  "VERSION 4.3.2\nCOMMAND ZEBIOLegacyTCL zebStringArray\n");
  EXPECT_EQ(run.result.exitStatus, 0);
  EXPECT_EQ(run.result.err, "");
  EXPECT_EQ(run.output, WithPlatformLineEnds(ReadFile(EXPECTED_DIR "/CoreWithEverything.cxx")));
}

TEST(WrapTclInitOutput, CoreOnlyForTheWholeNameInAnyLetterCase)
{
  for (const char* name : { "zebCommonCoreTcl", "ZEBCOMMONCORETCL", "zebcommoncoretcl" })
    ExpectSource(name, { name, "Zebcommoncoretcl", {}, {}, "", true });
  for (const char* name : { "zebCommonCoreTclX", "zebCommonCoreTc", "xzebCommonCoreTcl" })
  {
    GeneratorRun run = RunGenerator(name);
    EXPECT_EQ(run.output.find("zebCommonDeleteAssocData"), std::string::npos) << name;
    EXPECT_EQ(run.output.find("zebTclInterpStruct"), std::string::npos) << name;
  }
  ExpectSource("zebCommonCoreTcl_",
               { "zebCommonCoreTcl_", "Zebcommoncoretcl_", {}, {}, "", false });
  // A byte-order mark is no part of the name.
  ExpectSource("\xEF\xBB\xBFzebCommonCoreTcl",
               { "zebCommonCoreTcl", "Zebcommoncoretcl", {}, {}, "", true });
  ExpectSource(AsUtf16("ZEBCOMMONCORETCL\r\n"),
               { "ZEBCOMMONCORETCL", "Zebcommoncoretcl", {}, {}, "", true });
}

TEST(WrapTclInitOutput, CommandsGoThroughTheirInitPrefixCreatorsStayAsRead)
{
  ExpectSource(
    "zebIOXML COMMAND zebIOXMLParser zebXMLReader COMMAND cOmMoNtCL",
    { "zebIOXML", "Zebioxml", { "zebXMLReader" }, { "Zebioxmlparser", "Commontcl" }, "", false });
}

TEST(WrapTclInitOutput, ShortAndUnderscoreLibraryNames)
{
  ExpectSource("a", { "a", "A", {}, {}, "", false });
  ExpectSource("Q", { "Q", "Q", {}, {}, "", false });
  ExpectSource("7", { "7", "7", {}, {}, "", false });
  ExpectSource("_zebPrivate X", { "_zebPrivate", "?zebprivate", { "X" }, {}, "", false });
  ExpectSource("{Lib}", { "{Lib}", "[lib}", {}, {}, "", false });
}

TEST(WrapTclInitOutput, KeywordsOnlyWhenExactAndNotFirst)
{
  ExpectSource("COMMAND", { "COMMAND", "Command", {}, {}, "", false });
  ExpectSource("VERSION VERSION 2.0", { "VERSION", "Version", {}, {}, "2.0", false });
  ExpectSource("lib COMMAND VERSION", { "lib", "Lib", {}, { "Version" }, "", false });
  ExpectSource("lib VERSION COMMAND", { "lib", "Lib", {}, {}, "COMMAND", false });
  ExpectSource("lib VERSION 1.0 a VERSION 2.5", { "lib", "Lib", { "a" }, {}, "2.5", false });
  ExpectSource(
    "lib command Version COMMANDS VERSION1 xCOMMAND",
    { "lib", "Lib", { "command", "Version", "COMMANDS", "VERSION1", "xCOMMAND" }, {}, "", false });
}

TEST(WrapTclInitOutput, RepeatedNamesAreEmittedEachTime)
{
  ExpectSource("lib a b a COMMAND c COMMAND c",
               { "lib", "Lib", { "a", "b", "a" }, { "C", "C" }, "", false });
}

TEST(WrapTclInitOutput, LinesCarryNoMeaning)
{
  Expectation e{ "zebLib", "Zeblib", { "a", "b" }, { "Other" }, "3.1", false };
  ExpectSource("zebLib a b COMMAND other VERSION 3.1", e);
  ExpectSource("zebLib\na\nb\nCOMMAND\nother\nVERSION\n3.1\n", e);
  ExpectSource("  \t\r\n zebLib\ta\r\nb \v\fCOMMAND\n\n other VERSION\t3.1", e);
  // As editors on Windows save it: UTF-8 with a byte-order mark, and UTF-16
  // ("Unicode") in either byte order.
  ExpectSource("\xEF\xBB\xBFzebLib a b\r\nCOMMAND other VERSION 3.1\r\n", e);
  ExpectSource(AsUtf16("zebLib a b\r\nCOMMAND other VERSION 3.1\r\n"), e);
  ExpectSource(AsUtf16("zebLib a b\r\nCOMMAND other VERSION 3.1\r\n", true), e);
  // A Ctrl-Z ends the list on Windows, as the C runtime's text mode ends a
  // file there; elsewhere it is a byte like any other.
#ifdef _WIN32
  ExpectSource("zebLib a b COMMAND other VERSION 3.1\r\n\x1A junk COMMAND", e);
  ExpectSource(AsUtf16("zebLib a b COMMAND other VERSION 3.1\x1A junk"), e);
#else
  ExpectSource("zebLib a\x1A b", { "zebLib", "Zeblib", { "a\x1A", "b" }, {}, "", false });
#endif
  // Names outside ASCII in UTF-16 become UTF-8: "zö ö 田 😀" in UTF-16LE is
  // U+00F6, U+7530, and U+1F600 as a surrogate pair.
  ExpectSource(std::string("\xFF\xFEz\0\xF6\0 \0\xF6\0 \0\x30\x75 \0\x3D\xD8\x00\xDE", 20),
               { "z\xC3\xB6",
                 "Z\xC3\xB6",
                 { "\xC3\xB6", "\xE7\x94\xB0", "\xF0\x9F\x98\x80" },
                 {},
                 "",
                 false });
}

TEST(WrapTclInitOutput, LongNamesAndManyNames)
{
  std::string longName(10000, 'q');
  std::string longPrefix = "Q" + longName.substr(1);
  ExpectSource(longName + " " + longName + " COMMAND " + longName + " VERSION " + longName,
               { longName, longPrefix, { longName }, { longPrefix }, longName, false });

  std::string list = "zebMany";
  Expectation e{ "zebMany", "Zebmany", {}, {}, "", false };
  for (int i = 0; i < 100000; ++i)
  {
    std::string n = std::to_string(i);
    list += " c" + n + " COMMAND m" + n;
    e.creators.push_back("c" + n);
    e.commandPrefixes.push_back("M" + n);
  }
  ExpectSource(list, e);
}
