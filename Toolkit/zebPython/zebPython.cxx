// Module creation for the generated module builders on Python 3, and the
// entries that the wrapped files add to their module.
#include "zebPython.h"

namespace
{
// Python keeps a pointer to the definition for the module's whole life.
PyModuleDef moduleDefinition;
PyObject* createdModule = nullptr;
}

PyObject* Py_InitModule(const char* name, PyMethodDef* methods)
{
  PyModuleDef_Base base = PyModuleDef_HEAD_INIT;
  moduleDefinition.m_base = base;
  moduleDefinition.m_name = name;
  moduleDefinition.m_doc = nullptr;
  moduleDefinition.m_size = -1;
  moduleDefinition.m_methods = methods;
  Py_XDECREF(createdModule);
  createdModule = PyModule_Create(&moduleDefinition);
  return createdModule;
}

PyObject* zebPythonTakeModule()
{
  PyObject* module = createdModule;
  createdModule = nullptr;
  if (!module && !PyErr_Occurred())
  {
    PyErr_SetString(PyExc_SystemError, "the module builder created no module");
  }
  if (module && PyErr_Occurred())
  {
    Py_DECREF(module);
    module = nullptr;
  }
  return module;
}

PyObject* zebPythonAddFile(PyObject* dict, const char* moduleName, const char* fileName)
{
  if (PyErr_Occurred())
  {
    return nullptr;
  }
  PyObject* order = PyDict_GetItemString(dict, "zebAddFileOrder");
  if (!order)
  {
    order = PyList_New(0);
    if (!order || PyDict_SetItemString(dict, "zebAddFileOrder", order) != 0)
    {
      Py_XDECREF(order);
      return nullptr;
    }
    Py_DECREF(order);
  }
  PyObject* name = PyUnicode_FromString(fileName);
  PyObject* value = PyUnicode_FromString(moduleName);
  bool added =
    name && value && PyList_Append(order, name) == 0 && PyDict_SetItem(dict, name, value) == 0;
  Py_XDECREF(name);
  Py_XDECREF(value);
  return added ? PyDict_GetItemString(dict, fileName) : nullptr;
}
