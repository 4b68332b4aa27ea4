// Where the suite's tests find their data and put their temporary files.
#ifndef ZEB_OB_TEST_UTILITIES_H
#define ZEB_OB_TEST_UTILITIES_H

#include <zebObjectBase.h>

#include <string>

class zebOBTestUtilities : public zebObjectBase
{
  zebTypeMacro(zebOBTestUtilities, zebObjectBase);

public:
  static zebOBTestUtilities* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBTestUtilities() = default;

  std::string DataRoot;
  std::string TempRoot;
};

#endif
