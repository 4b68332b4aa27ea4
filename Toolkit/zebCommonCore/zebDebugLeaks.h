// Leak tracking of toolkit objects. While at least one zebDebugLeaksManager
// is alive, every toolkit object is counted by class from its construction
// to its destruction; when the last manager goes and objects remain, a report
// is printed on standard error. Its first line starts with "Leaks detected";
// its last gives the program's exit status, when the program told it.
#ifndef ZEB_DEBUG_LEAKS_H
#define ZEB_DEBUG_LEAKS_H

class zebObjectBase;

class zebDebugLeaks
{
public:
  static void ConstructClass(const zebObjectBase* object, const char* className);
  static void DestructClass(const zebObjectBase* object);

  // The status the program exits with (its main's result), which a leak
  // report shows: a run that fails for its leaks still tells how it ended.
  static void SetExitStatus(int status);
};

class zebDebugLeaksManager
{
public:
  zebDebugLeaksManager();
  ~zebDebugLeaksManager();
  zebDebugLeaksManager(const zebDebugLeaksManager&) = delete;
  zebDebugLeaksManager& operator=(const zebDebugLeaksManager&) = delete;
};

#endif
