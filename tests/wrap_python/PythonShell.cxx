// python3 for a cross build's tests: Python's own main linked against the
// target's libpython, whose python3 does not install beside the build
// machine's. It takes python3's command line.
#include <Python.h>

int main(int argc, char* argv[])
{
  return Py_BytesMain(argc, argv);
}
