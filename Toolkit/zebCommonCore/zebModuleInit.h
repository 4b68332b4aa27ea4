// Auto-initialisation of toolkit modules. A module's construct function
// registers its implementations with the object factory on the first call;
// construct and destruct calls are counted, and the registrations go away
// with the last destruct. Setting ZEB_TRACE_INIT=1 in the environment prints
// one line per call on standard error.
#ifndef ZEB_MODULE_INIT_H
#define ZEB_MODULE_INIT_H

class zebModuleInit
{
public:
  static void Construct(const char* module, void (*registerImplementations)());
  static void Destruct(const char* module);

  // Prints "zebInit: <what>" on standard error when tracing is switched on.
  static void Trace(const char* what, const char* name);
};

// Defines <module>_AutoInit_Construct and <module>_AutoInit_Destruct.
// registerImplementations may be null for a module that supplies nothing
// through the factory; it registers each implementation on behalf of the
// module, zebObjectFactory::RegisterOverride(className, create, "<module>"),
// so that the last destruct removes them.
#define ZEB_MODULE_AUTOINIT(module, registerImplementations)                                       \
  void module##_AutoInit_Construct()                                                               \
  {                                                                                                \
    zebModuleInit::Construct(#module, registerImplementations);                                    \
  }                                                                                                \
  void module##_AutoInit_Destruct()                                                                \
  {                                                                                                \
    zebModuleInit::Destruct(#module);                                                              \
  }

// Declares the pair, for a module's header.
#define ZEB_MODULE_AUTOINIT_DECLARE(module)                                                        \
  void module##_AutoInit_Construct();                                                              \
  void module##_AutoInit_Destruct();

#endif
