// The procedure of the module print-self tests: for each class of a list,
// in order, create one instance with its New, print it to standard output
// and release it before the next class is created.
//
//   static const zebPrintSelfClass classes[] = {
//     ZEB_PRINT_SELF_CLASS(zebStringList),
//     {nullptr, nullptr}};
//   return zebPrintEachClass(classes);
#ifndef ZEB_PRINT_SELF_H
#define ZEB_PRINT_SELF_H

#include <zebObjectBase.h>

#include <cstdio>
#include <iostream>

struct zebPrintSelfClass
{
  const char* name;
  zebObjectBase* (*create)();
};

template<class T>
zebObjectBase* zebNewInstanceOf()
{
  return T::New();
}

#define ZEB_PRINT_SELF_CLASS(thisClass)                                                            \
  {                                                                                                \
#thisClass, zebNewInstanceOf < thisClass>                                                      \
  }

// Returns 0 when every class could be created, else 1 after naming on
// standard error the first class whose New gave no instance.
inline int zebPrintEachClass(const zebPrintSelfClass* classes)
{
  for (const zebPrintSelfClass* entry = classes; entry->name; ++entry)
  {
    zebObjectBase* instance = entry->create();
    if (!instance)
    {
      fprintf(stderr, "%s::New gave no instance\n", entry->name);
      return 1;
    }
    instance->Print(std::cout);
    instance->Delete();
  }
  return 0;
}

#endif
