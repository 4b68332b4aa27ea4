// The registry of named tests that each test program carries: a static table
// of name and function pairs, in a fixed order, ended by an entry whose name
// is null.
#ifndef ZEB_TEST_REGISTRY_H
#define ZEB_TEST_REGISTRY_H

typedef int (*TestFunction)(int argc, char* argv[]);

struct TestRegistryEntry
{
  const char* name;
  TestFunction function;
};

// Defined by each test program's registry source.
extern const TestRegistryEntry testRegistry[];

#endif
