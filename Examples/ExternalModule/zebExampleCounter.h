// A counter of events: the example module's one class, built on the
// toolkit's object model (New, Delete, Print).
#ifndef ZEB_EXAMPLE_COUNTER_H
#define ZEB_EXAMPLE_COUNTER_H

#include <zebObjectBase.h>

class zebExampleCounter : public zebObjectBase
{
  zebTypeMacro(zebExampleCounter, zebObjectBase);

public:
  static zebExampleCounter* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  void Increment()
  {
    ++this->Count;
  }
  int GetCount() const
  {
    return this->Count;
  }

protected:
  zebExampleCounter() = default;

private:
  int Count = 0;
};

#endif
