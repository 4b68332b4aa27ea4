// The suite's command-line options, and the parser that reads further
// options from an XML description.
#ifndef ZEB_COMMAND_OPTIONS_H
#define ZEB_COMMAND_OPTIONS_H

#include <zebObjectBase.h>

#include <string>

class zebCommandOptions : public zebObjectBase
{
  zebTypeMacro(zebCommandOptions, zebObjectBase);

public:
  static zebCommandOptions* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebCommandOptions() = default;

  std::string DataFileName;
  std::string StateFileName;
  std::string ServerURL;
  bool DisableRegistry = false;
  bool UseStereoRendering = false;
};

class zebCommandOptionsXMLParser : public zebObjectBase
{
  zebTypeMacro(zebCommandOptionsXMLParser, zebObjectBase);

public:
  static zebCommandOptionsXMLParser* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebCommandOptionsXMLParser() = default;

  std::string FileName;
  int NumberOfOptionsRead = 0;
};

#endif
