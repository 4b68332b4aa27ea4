// zebWrapPythonInit: reads a wrapped library's list file (the library name,
// then the names of its wrapped files) and writes the two sources of the
// library's Python module: the entry point and the module builder.
//
//   zebWrapPythonInit input_file init_file impl_file
#include "zebWrapListFile.h"
#include "zebWrapPythonInitText.h"
#include "zebWrapRunErrors.h"

#include <cstdio>
#include <string>

// Reads the list file whole into *text and takes it apart into *list, and
// tells in *listInfo which file it was; false after printing why not.
static bool openAndReadList(const char* listName,
                            std::string* text,
                            PythonInitList* list,
                            FileInfo* listInfo)
{
  int in = openForReading(listName);
  if (in < 0)
  {
    reportListNotOpened(listName);
    return false;
  }
  if (!inspectFile(in, listInfo))
  {
    closeFile(in);
    reportListReading(ListReading::failed, listName);
    return false;
  }
  return readList(in, listName, text, list);
}

// Writes one source made by `writer` and closes its file; false, after
// naming the file, when it could not be written whole (the file is then
// left empty).
static bool writeOutput(OutputFile* file,
                        const PythonInitList& list,
                        void (*writer)(const PythonInitList&, GeneratedOutput*))
{
  bool generated = false;
  try
  {
    GeneratedOutput output;
    output.file = file;
    writer(list, &output);
    finishOutput(&output);
    generated = true;
  }
  catch (...)
  {
    reportException("while generating", file->path);
    failOutputFile(file);
  }
  if (!closeOutputFile(file) && generated)
  {
    reportOutputNotWritten(file->path);
    return false;
  }
  return generated;
}

// An output that is the list file is refused: prints why and returns true.
static bool isTheList(const char* listName, const FileInfo& listInfo, const OutputFile& output)
{
  if (!isSameRegularFile(listInfo, output.info))
  {
    return false;
  }
  reportListIsOutput(listName, output.path);
  return true;
}

// Opens both outputs, refusing the list file or one file named twice, and
// writes them; returns the exit status. An output that cannot be opened
// fails silently. A refused run writes nothing and leaves no file it made.
static int writeOutputs(const char* listName,
                        const FileInfo& listInfo,
                        const char* initPath,
                        const char* implPath,
                        const PythonInitList& list)
{
  OutputFile init, impl;
  if (!openOutputFile(&init, initPath))
  {
    return 1;
  }
  if (isTheList(listName, listInfo, init))
  {
    discardOutputFile(&init);
    return 1;
  }
  if (!openOutputFile(&impl, implPath))
  {
    emptyOutputFile(&init);
    closeOutputFile(&init);
    return 1;
  }
  bool sameOutputs = isSameRegularFile(init.info, impl.info);
  if (sameOutputs)
  {
    fprintf(stderr, "Init file %s is also the implementation file %s\n", initPath, implPath);
  }
  if (sameOutputs || isTheList(listName, listInfo, impl))
  {
    discardOutputFile(&impl);
    discardOutputFile(&init);
    return 1;
  }
  if (!emptyOutputFile(&init) || !emptyOutputFile(&impl))
  {
    closeOutputFile(&impl);
    closeOutputFile(&init);
    return 1;
  }
  bool initWritten = writeOutput(&init, list, writeInitFile);
  bool implWritten = writeOutput(&impl, list, writeImplFile);
  return initWritten && implWritten ? 0 : 1;
}

int main(int argc, char* argv[])
{
  prepareProcess();
  if (argc < 4)
  {
    fprintf(stderr,
            "Usage: %s input_file init_file impl_file\n",
            argc > 0 ? argv[0] : "zebWrapPythonInit");
    return 1;
  }
  std::string text;
  PythonInitList list;
  FileInfo listInfo;
  if (!openAndReadList(argv[1], &text, &list, &listInfo))
  {
    return 1;
  }
  return writeOutputs(argv[1], listInfo, argv[2], argv[3], list);
}
