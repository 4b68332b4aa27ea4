// Reading a Tcl list file and writing the package initialisation source.
#include "zebWrapTclInitText.h"

#include "zebWrapListTokens.h"
#include "zebWrapOutput.h"

namespace
{
const char* const corePrefix = "Zebcommoncoretcl";

void writeDeclarations(const TclInitList& list,
                       const std::vector<std::string>& commandPrefixes,
                       bool core,
                       GeneratedOutput* out)
{
  appendPieces(
    out,
    "#include \"zebTclUtil.h\"\n"
    "#include \"zebVersion.h\"\n"
    "#define ZEB_TCL_TO_STRING(x) ZEB_TCL_TO_STRING0(x)\n"
    "#define ZEB_TCL_TO_STRING0(x) #x\n"
    "extern \"C\"\n{\n#if (TCL_MAJOR_VERSION == 8) && (TCL_MINOR_VERSION >= 4)\n"
    "  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, CONST84 char *[]);\n"
    "#else\n"
    "  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, char *[]);\n"
    "#endif\n}\n\n");
  for (std::string_view creator : list.creators)
  {
    appendPieces(out, "int ", creator, "_TclCreate(Tcl_Interp *interp);\n");
  }
  if (core)
  {
    appendPieces(out,
                 "int zebCreateCommand(ClientData cd, Tcl_Interp *interp,\n"
                 "               int argc, char *argv[]);\n"
                 "\nTcl_HashTable zebInstanceLookup;\n"
                 "Tcl_HashTable zebPointerLookup;\n"
                 "Tcl_HashTable zebCommandLookup;\n");
  }
  else
  {
    appendPieces(out,
                 "\nextern Tcl_HashTable zebInstanceLookup;\n"
                 "extern Tcl_HashTable zebPointerLookup;\n"
                 "extern Tcl_HashTable zebCommandLookup;\n");
  }
  appendPieces(out,
               "extern void zebTclDeleteObjectFromHash(void *);\n"
               "extern void zebTclListInstances(Tcl_Interp *interp, ClientData arg);\n");
  for (const std::string& prefix : commandPrefixes)
  {
    appendPieces(out, "\nextern \"C\" {int ZEB_EXPORT ", prefix, "_Init(Tcl_Interp *interp);}\n");
  }
}

void writeEntryPoints(const std::string& p, bool core, GeneratedOutput* out)
{
  appendPieces(out, "\n\nextern \"C\" {int ZEB_EXPORT ", p, "_SafeInit(Tcl_Interp *interp);}\n");
  appendPieces(out, "\nextern \"C\" {int ZEB_EXPORT ", p, "_Init(Tcl_Interp *interp);}\n");
  appendPieces(out, "\nextern void zebTclGenericDeleteObject(ClientData cd);\n");
  if (core)
  {
    appendPieces(out,
                 "extern \"C\"\n{\nvoid zebCommonDeleteAssocData(ClientData cd)\n"
                 "  {\n"
                 "  zebTclInterpStruct *tis = static_cast<zebTclInterpStruct*>(cd);\n"
                 "  delete tis;\n  }\n}\n");
  }
  appendPieces(out, "\n\nint ZEB_EXPORT ", p, "_SafeInit(Tcl_Interp *interp)\n{\n");
  appendPieces(out, "  return ", p, "_Init(interp);\n}\n");
  appendPieces(out, "\n\nint ZEB_EXPORT ", p, "_Init(Tcl_Interp *interp)\n{\n");
}

void writeCoreSetUp(GeneratedOutput* out)
{
  appendPieces(
    out,
    "  zebTclInterpStruct *info = new zebTclInterpStruct;\n"
    "  info->Number = 0; info->InDelete = 0; info->DebugOn = 0; "
    "info->DeleteExistingObjectOnNew = 0;\n"
    "\n"
    "\n"
    "  Tcl_InitHashTable(&info->InstanceLookup, TCL_STRING_KEYS);\n"
    "  Tcl_InitHashTable(&info->PointerLookup, TCL_STRING_KEYS);\n"
    "  Tcl_InitHashTable(&info->CommandLookup, TCL_STRING_KEYS);\n"
    "  Tcl_SetAssocData(interp,(char *)(\"zeb\"),NULL,reinterpret_cast<ClientData *>(info));\n"
    "  Tcl_CreateExitHandler(zebCommonDeleteAssocData,reinterpret_cast<ClientData *>(info));\n"
    "  Tcl_CreateCommand(interp,(char *)(\"zebCommand\"),\n"
    "                    reinterpret_cast<zebTclCommandType>(zebCreateCommand),\n"
    "                    static_cast<ClientData *>(NULL), NULL);\n\n");
}

void writeInitBody(const TclInitList& list,
                   const std::vector<std::string>& commandPrefixes,
                   GeneratedOutput* out)
{
  // A package whose set-up or creators failed is not provided: the init
  // returns the error, with the interpreter's message, to Tcl's load.
  for (const std::string& prefix : commandPrefixes)
  {
    appendPieces(out, "  if (", prefix, "_Init(interp) != TCL_OK) return TCL_ERROR;\n");
  }
  appendPieces(out, "\n");
  for (std::string_view creator : list.creators)
  {
    appendPieces(out, "  if (", creator, "_TclCreate(interp) != TCL_OK) return TCL_ERROR;\n");
  }
  appendPieces(out, "  char pkgName[]=\"", list.libName, "\";\n");
  if (!list.version.empty())
  {
    appendPieces(out, "  char pkgVers[]=ZEB_TCL_TO_STRING(", list.version, ");\n");
  }
  else
  {
    appendPieces(out,
                 "  char pkgVers[]=ZEB_TCL_TO_STRING(ZEB_MAJOR_VERSION) \".\" "
                 "ZEB_TCL_TO_STRING(ZEB_MINOR_VERSION);\n");
  }
  appendPieces(out, "  Tcl_PkgProvide(interp, pkgName, pkgVers);\n", "  return TCL_OK;\n}\n");
}
}

const char* readInitList(const std::string& text, TclInitList* list)
{
  size_t pos = 0;
  if (!nextListToken(text, &pos, &list->libName))
  {
    return "Error getting libName\n";
  }
  std::string_view token;
  while (nextListToken(text, &pos, &token))
  {
    if (token == "COMMAND")
    {
      if (!nextListToken(text, &pos, &token))
      {
        return "Error getting command\n";
      }
      list->commands.push_back(token);
    }
    else if (token == "VERSION")
    {
      if (!nextListToken(text, &pos, &list->version))
      {
        return "Error getting version\n";
      }
    }
    else
    {
      list->creators.push_back(token);
    }
  }
  return nullptr;
}

std::string toInitPrefix(std::string_view name)
{
  std::string prefix(name);
  if (prefix.empty())
  {
    return prefix;
  }
  if (static_cast<signed char>(prefix[0]) > 'Z')
  {
    prefix[0] = static_cast<char>(prefix[0] - 32);
  }
  for (size_t i = 1; i < prefix.size(); ++i)
  {
    if (prefix[i] >= 'A' && prefix[i] <= 'Z')
    {
      prefix[i] = static_cast<char>(prefix[i] + 32);
    }
  }
  return prefix;
}

void writeInitSource(const TclInitList& list, GeneratedOutput* out)
{
  std::string prefix = toInitPrefix(list.libName);
  std::vector<std::string> commandPrefixes;
  commandPrefixes.reserve(list.commands.size());
  for (std::string_view command : list.commands)
  {
    commandPrefixes.push_back(toInitPrefix(command));
  }
  bool core = prefix == corePrefix;
  writeDeclarations(list, commandPrefixes, core, out);
  writeEntryPoints(prefix, core, out);
  if (core)
  {
    writeCoreSetUp(out);
  }
  writeInitBody(list, commandPrefixes, out);
}
