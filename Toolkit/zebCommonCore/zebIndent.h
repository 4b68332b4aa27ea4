// Indentation carried through PrintSelf so that nested state lines up.
#ifndef ZEB_INDENT_H
#define ZEB_INDENT_H

#include <ostream>

class zebIndent
{
public:
  explicit zebIndent(int level = 0)
    : Level(level)
  {
  }
  zebIndent GetNextIndent() const
  {
    return zebIndent(this->Level + 2);
  }
  int GetLevel() const
  {
    return this->Level;
  }

private:
  int Level;
};

std::ostream& operator<<(std::ostream& os, const zebIndent& indent);

#endif
