// The suite's XML elements and the parser that builds them.
#ifndef ZEB_OB_XML_H
#define ZEB_OB_XML_H

#include <zebObjectBase.h>

#include <string>
#include <vector>

class zebOBXMLElement : public zebObjectBase
{
  zebTypeMacro(zebOBXMLElement, zebObjectBase);

public:
  static zebOBXMLElement* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBXMLElement() = default;

  std::string Name;
  std::string Id;
  std::vector<std::string> AttributeNames;
  std::vector<std::string> AttributeValues;
  int NumberOfNestedElements = 0;
};

class zebOBXMLParser : public zebObjectBase
{
  zebTypeMacro(zebOBXMLParser, zebObjectBase);

public:
  static zebOBXMLParser* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBXMLParser() = default;

  std::string FileName;
  bool SuppressErrorMessages = false;
  int NumberOfOpenElements = 0;
};

#endif
