// Fuzz target of zebWrapTclInit: list-file bytes through the generator's own
// reader and writer, the output kept in memory. Every input must give either
// one of the reader's three messages or a source that holds the generated
// pieces in order: the fixed ones and those made from the names read.
#include <FuzzChecks.h>

#include <zebWrapTclInitText.h>

#include <cstdint>
#include <cstring>

namespace
{
bool isListSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A token the reader gives holds no whitespace or NUL; it is empty only when
// it began with a NUL byte, where a C string ends.
void checkToken(const std::string& token, const char* what)
{
  for (char c : token)
  {
    fuzzCheck(c != '\0' && !isListSpace(c), what, token);
  }
}

// The name Tcl's load looks for, written out here from its rule rather than
// taken from the generator.
std::string initPrefix(const std::string& name)
{
  std::string prefix = name;
  for (size_t i = 0; i < prefix.size(); ++i)
  {
    unsigned char c = static_cast<unsigned char>(prefix[i]);
    if (i == 0 && c > 'Z' && c < 0x80)
    {
      prefix[i] = static_cast<char>(c - 32);
    }
    else if (i > 0 && c >= 'A' && c <= 'Z')
    {
      prefix[i] = static_cast<char>(c + 32);
    }
  }
  return prefix;
}

// The list read, its names copied out for building the expected pieces.
struct Names
{
  std::string libName;
  std::vector<std::string> creators;
  std::vector<std::string> commands;
  std::string version;
};

Names copyNames(const TclInitList& list)
{
  return { std::string(list.libName),
           std::vector<std::string>(list.creators.begin(), list.creators.end()),
           std::vector<std::string>(list.commands.begin(), list.commands.end()),
           std::string(list.version) };
}

bool isCoreLibrary(const std::string& libName)
{
  return initPrefix(libName) == "Zebcommoncoretcl";
}

void addDeclarations(const Names& list, bool core, std::vector<std::string>& pieces)
{
  pieces.push_back("#include \"zebTclUtil.h\"\n#include \"zebVersion.h\"\n"
                   "#define ZEB_TCL_TO_STRING(x) ZEB_TCL_TO_STRING0(x)\n"
                   "#define ZEB_TCL_TO_STRING0(x) #x\n");
  pieces.push_back(
    "extern \"C\"\n{\n#if (TCL_MAJOR_VERSION == 8) && (TCL_MINOR_VERSION >= 4)\n"
    "  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, CONST84 char *[]);\n"
    "#else\n  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, char *[]);\n"
    "#endif\n}\n\n");
  for (const std::string& creator : list.creators)
  {
    pieces.push_back("int " + creator + "_TclCreate(Tcl_Interp *interp);\n");
  }
  if (core)
  {
    pieces.push_back("int zebCreateCommand(ClientData cd, Tcl_Interp *interp,\n"
                     "               int argc, char *argv[]);\n"
                     "\nTcl_HashTable zebInstanceLookup;\nTcl_HashTable zebPointerLookup;\n"
                     "Tcl_HashTable zebCommandLookup;\n");
  }
  else
  {
    pieces.push_back("\nextern Tcl_HashTable zebInstanceLookup;\n"
                     "extern Tcl_HashTable zebPointerLookup;\n"
                     "extern Tcl_HashTable zebCommandLookup;\n");
  }
  pieces.push_back("extern void zebTclDeleteObjectFromHash(void *);\n"
                   "extern void zebTclListInstances(Tcl_Interp *interp, ClientData arg);\n");
  for (const std::string& command : list.commands)
  {
    pieces.push_back("\nextern \"C\" {int ZEB_EXPORT " + initPrefix(command) +
                     "_Init(Tcl_Interp *interp);}\n");
  }
}

void addEntryPoints(const std::string& p, bool core, std::vector<std::string>& pieces)
{
  pieces.push_back("\n\nextern \"C\" {int ZEB_EXPORT " + p + "_SafeInit(Tcl_Interp *interp);}\n" +
                   "\nextern \"C\" {int ZEB_EXPORT " + p + "_Init(Tcl_Interp *interp);}\n" +
                   "\nextern void zebTclGenericDeleteObject(ClientData cd);\n");
  if (core)
  {
    pieces.push_back("extern \"C\"\n{\nvoid zebCommonDeleteAssocData(ClientData cd)\n  {\n"
                     "  zebTclInterpStruct *tis = static_cast<zebTclInterpStruct*>(cd);\n"
                     "  delete tis;\n  }\n}\n");
  }
  pieces.push_back("\n\nint ZEB_EXPORT " + p + "_SafeInit(Tcl_Interp *interp)\n{\n" + "  return " +
                   p + "_Init(interp);\n}\n" + "\n\nint ZEB_EXPORT " + p +
                   "_Init(Tcl_Interp *interp)\n{\n");
  if (core)
  {
    pieces.push_back(
      "  zebTclInterpStruct *info = new zebTclInterpStruct;\n"
      "  info->Number = 0; info->InDelete = 0; info->DebugOn = 0; "
      "info->DeleteExistingObjectOnNew = 0;\n\n\n"
      "  Tcl_InitHashTable(&info->InstanceLookup, TCL_STRING_KEYS);\n"
      "  Tcl_InitHashTable(&info->PointerLookup, TCL_STRING_KEYS);\n"
      "  Tcl_InitHashTable(&info->CommandLookup, TCL_STRING_KEYS);\n"
      "  Tcl_SetAssocData(interp,(char *)(\"zeb\"),NULL,reinterpret_cast<ClientData *>(info));\n"
      "  Tcl_CreateExitHandler(zebCommonDeleteAssocData,reinterpret_cast<ClientData *>(info));\n"
      "  Tcl_CreateCommand(interp,(char *)(\"zebCommand\"),\n"
      "                    reinterpret_cast<zebTclCommandType>(zebCreateCommand),\n"
      "                    static_cast<ClientData *>(NULL), NULL);\n\n");
  }
}

void addInitBody(const Names& list, std::vector<std::string>& pieces)
{
  for (const std::string& command : list.commands)
  {
    pieces.push_back("  if (" + initPrefix(command) +
                     "_Init(interp) != TCL_OK) return TCL_ERROR;\n");
  }
  pieces.push_back("\n");
  for (const std::string& creator : list.creators)
  {
    pieces.push_back("  if (" + creator + "_TclCreate(interp) != TCL_OK) return TCL_ERROR;\n");
  }
  pieces.push_back("  char pkgName[]=\"" + list.libName + "\";\n");
  if (list.version.empty())
  {
    pieces.push_back("  char pkgVers[]=ZEB_TCL_TO_STRING(ZEB_MAJOR_VERSION) \".\" "
                     "ZEB_TCL_TO_STRING(ZEB_MINOR_VERSION);\n");
  }
  else
  {
    pieces.push_back("  char pkgVers[]=ZEB_TCL_TO_STRING(" + list.version + ");\n");
  }
  pieces.push_back("  Tcl_PkgProvide(interp, pkgName, pkgVers);\n  return TCL_OK;\n}\n");
}

void checkList(const Names& list)
{
  checkToken(list.libName, "library name");
  for (const std::string& creator : list.creators)
  {
    checkToken(creator, "creator name");
  }
  for (const std::string& command : list.commands)
  {
    checkToken(command, "command name");
  }
  if (!list.version.empty())
  {
    checkToken(list.version, "version");
  }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  std::string text(reinterpret_cast<const char*>(data), size);
  TclInitList list;
  if (const char* error = readInitList(text, &list))
  {
    fuzzCheck(strcmp(error, "Error getting libName\n") == 0 ||
                strcmp(error, "Error getting command\n") == 0 ||
                strcmp(error, "Error getting version\n") == 0,
              "reader message",
              error);
    return 0;
  }
  GeneratedOutput output;
  writeInitSource(list, &output);
  std::string source(outputText(output));
  Names names = copyNames(list);
  checkList(names);

  bool core = isCoreLibrary(names.libName);
  std::vector<std::string> pieces;
  addDeclarations(names, core, pieces);
  addEntryPoints(initPrefix(names.libName), core, pieces);
  addInitBody(names, pieces);
  checkPiecesInOrder(source, pieces, "generated Tcl init source");
  const std::string& last = pieces.back();
  fuzzCheck(source.size() >= last.size() &&
              source.compare(source.size() - last.size(), last.size(), last) == 0,
            "the source ends with its last piece",
            source);
  return 0;
}
