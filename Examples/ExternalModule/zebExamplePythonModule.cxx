// The Python module zebExamplePython: Python 3's entry point around the
// generated initzebExamplePython, and the entry of the counter's wrapped
// file, which adds PrintCounter(increments=0), the printout of a new counter
// incremented that many times.
#include "zebExampleCounterText.h"

#include <zebPython.h>

ZEB_PYTHON_MODULE(zebExamplePython)

static PyObject* PrintCounter(PyObject*, PyObject* args)
{
  int increments = 0;
  if (!PyArg_ParseTuple(args, "|i", &increments))
  {
    return nullptr;
  }
  std::string text = zebExampleCounterText(increments);
  return PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
}

static PyMethodDef printCounterMethod = { "PrintCounter",
                                          PrintCounter,
                                          METH_VARARGS,
                                          "PrintCounter(increments=0): a new counter's printout" };

ZEB_PYTHON_FILE_ENTRY(zebExampleCounter)
{
  PyObject* entry = zebPythonAddFile(dict, moduleName, "zebExampleCounter");
  PyObject* function = entry ? PyCFunction_New(&printCounterMethod, nullptr) : nullptr;
  bool added = function && PyDict_SetItemString(dict, "PrintCounter", function) == 0;
  Py_XDECREF(function);
  return added ? entry : nullptr;
}
