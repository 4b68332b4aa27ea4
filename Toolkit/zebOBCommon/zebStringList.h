// An ordered list of strings.
#ifndef ZEB_STRING_LIST_H
#define ZEB_STRING_LIST_H

#include <zebObjectBase.h>

#include <string>
#include <vector>

class zebStringList : public zebObjectBase
{
  zebTypeMacro(zebStringList, zebObjectBase);

public:
  static zebStringList* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebStringList() = default;

  std::vector<std::string> Strings;
};

#endif
