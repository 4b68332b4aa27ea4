// Reading a Tcl list file and writing the package initialisation source.
#include "zebWrapTclInitSource.h"

#include <algorithm>

namespace
{
const char* const corePrefix = "Zebcommoncoretcl";

bool isListSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Moves *pos past the next token and stores it in *token; false at the end
// of the text. A token stops at its first NUL byte, as a C string would.
bool nextToken(const std::string& text, size_t* pos, std::string* token)
{
  size_t begin = *pos;
  while (begin < text.size() && isListSpace(text[begin]))
  {
    ++begin;
  }
  if (begin == text.size())
  {
    *pos = begin;
    return false;
  }
  size_t end = begin;
  while (end < text.size() && !isListSpace(text[end]))
  {
    ++end;
  }
  auto first = text.begin() + static_cast<std::ptrdiff_t>(begin);
  auto last = text.begin() + static_cast<std::ptrdiff_t>(end);
  token->assign(first, std::find(first, last, '\0'));
  *pos = end;
  return true;
}

void writeDeclarations(const TclInitList& list,
                       const std::vector<std::string>& commandPrefixes,
                       bool core,
                       FILE* out)
{
  fprintf(out, "#include \"zebTclUtil.h\"\n");
  fprintf(out, "#include \"zebVersion.h\"\n");
  fprintf(out, "#define ZEB_TCL_TO_STRING(x) ZEB_TCL_TO_STRING0(x)\n");
  fprintf(out, "#define ZEB_TCL_TO_STRING0(x) #x\n");
  fprintf(out,
          "extern \"C\"\n{\n#if (TCL_MAJOR_VERSION == 8) && (TCL_MINOR_VERSION >= 4)\n"
          "  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, CONST84 char *[]);\n"
          "#else\n"
          "  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, char *[]);\n"
          "#endif\n}\n\n");
  for (const std::string& creator : list.creators)
  {
    fprintf(out, "int %s_TclCreate(Tcl_Interp *interp);\n", creator.c_str());
  }
  if (core)
  {
    fprintf(out,
            "int zebCreateCommand(ClientData cd, Tcl_Interp *interp,\n"
            "               int argc, char *argv[]);\n");
    fprintf(out, "\nTcl_HashTable zebInstanceLookup;\n");
    fprintf(out, "Tcl_HashTable zebPointerLookup;\n");
    fprintf(out, "Tcl_HashTable zebCommandLookup;\n");
  }
  else
  {
    fprintf(out, "\nextern Tcl_HashTable zebInstanceLookup;\n");
    fprintf(out, "extern Tcl_HashTable zebPointerLookup;\n");
    fprintf(out, "extern Tcl_HashTable zebCommandLookup;\n");
  }
  fprintf(out, "extern void zebTclDeleteObjectFromHash(void *);\n");
  fprintf(out, "extern void zebTclListInstances(Tcl_Interp *interp, ClientData arg);\n");
  for (const std::string& prefix : commandPrefixes)
  {
    fprintf(out, "\nextern \"C\" {int ZEB_EXPORT %s_Init(Tcl_Interp *interp);}\n", prefix.c_str());
  }
}

void writeEntryPoints(const std::string& prefix, bool core, FILE* out)
{
  const char* p = prefix.c_str();
  fprintf(out, "\n\nextern \"C\" {int ZEB_EXPORT %s_SafeInit(Tcl_Interp *interp);}\n", p);
  fprintf(out, "\nextern \"C\" {int ZEB_EXPORT %s_Init(Tcl_Interp *interp);}\n", p);
  fprintf(out, "\nextern void zebTclGenericDeleteObject(ClientData cd);\n");
  if (core)
  {
    fprintf(out, "extern \"C\"\n{\nvoid zebCommonDeleteAssocData(ClientData cd)\n");
    fprintf(out, "  {\n");
    fprintf(out, "  zebTclInterpStruct *tis = static_cast<zebTclInterpStruct*>(cd);\n");
    fprintf(out, "  delete tis;\n  }\n}\n");
  }
  fprintf(out, "\n\nint ZEB_EXPORT %s_SafeInit(Tcl_Interp *interp)\n{\n", p);
  fprintf(out, "  return %s_Init(interp);\n}\n", p);
  fprintf(out, "\n\nint ZEB_EXPORT %s_Init(Tcl_Interp *interp)\n{\n", p);
}

void writeCoreSetUp(FILE* out)
{
  fprintf(out, "  zebTclInterpStruct *info = new zebTclInterpStruct;\n");
  fprintf(out,
          "  info->Number = 0; info->InDelete = 0; info->DebugOn = 0; "
          "info->DeleteExistingObjectOnNew = 0;\n");
  fprintf(out, "\n");
  fprintf(out, "\n");
  fprintf(out, "  Tcl_InitHashTable(&info->InstanceLookup, TCL_STRING_KEYS);\n");
  fprintf(out, "  Tcl_InitHashTable(&info->PointerLookup, TCL_STRING_KEYS);\n");
  fprintf(out, "  Tcl_InitHashTable(&info->CommandLookup, TCL_STRING_KEYS);\n");
  fprintf(
    out,
    "  Tcl_SetAssocData(interp,(char *)(\"zeb\"),NULL,reinterpret_cast<ClientData *>(info));\n");
  fprintf(
    out,
    "  Tcl_CreateExitHandler(zebCommonDeleteAssocData,reinterpret_cast<ClientData *>(info));\n");
  fprintf(out,
          "  Tcl_CreateCommand(interp,(char *)(\"zebCommand\"),\n"
          "                    reinterpret_cast<zebTclCommandType>(zebCreateCommand),\n"
          "                    static_cast<ClientData *>(NULL), NULL);\n\n");
}

void writeInitBody(const TclInitList& list,
                   const std::vector<std::string>& commandPrefixes,
                   FILE* out)
{
  for (const std::string& prefix : commandPrefixes)
  {
    fprintf(out, "  %s_Init(interp);\n", prefix.c_str());
  }
  fprintf(out, "\n");
  for (const std::string& creator : list.creators)
  {
    fprintf(out, "  %s_TclCreate(interp);\n", creator.c_str());
  }
  fprintf(out, "  char pkgName[]=\"%s\";\n", list.libName.c_str());
  if (!list.version.empty())
  {
    fprintf(out, "  char pkgVers[]=ZEB_TCL_TO_STRING(%s);\n", list.version.c_str());
  }
  else
  {
    fprintf(out,
            "  char pkgVers[]=ZEB_TCL_TO_STRING(ZEB_MAJOR_VERSION) \".\" "
            "ZEB_TCL_TO_STRING(ZEB_MINOR_VERSION);\n");
  }
  fprintf(out, "  Tcl_PkgProvide(interp, pkgName, pkgVers);\n");
  fprintf(out, "  return TCL_OK;\n}\n");
}
}

const char* readInitList(const std::string& text, TclInitList* list)
{
  size_t pos = 0;
  if (!nextToken(text, &pos, &list->libName))
  {
    return "Error getting libName\n";
  }
  std::string token;
  while (nextToken(text, &pos, &token))
  {
    if (token == "COMMAND")
    {
      if (!nextToken(text, &pos, &token))
      {
        return "Error getting command\n";
      }
      list->commands.push_back(token);
    }
    else if (token == "VERSION")
    {
      if (!nextToken(text, &pos, &list->version))
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

std::string toInitPrefix(const std::string& name)
{
  std::string prefix = name;
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

void writeInitSource(const TclInitList& list, FILE* out)
{
  std::string prefix = toInitPrefix(list.libName);
  std::vector<std::string> commandPrefixes;
  commandPrefixes.reserve(list.commands.size());
  for (const std::string& command : list.commands)
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
