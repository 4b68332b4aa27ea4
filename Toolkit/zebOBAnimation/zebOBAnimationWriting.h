// Saving animations as XML: the writer, the property that names a
// representation's output files, and the helper that animates one
// representation's visibility.
#ifndef ZEB_OB_ANIMATION_WRITING_H
#define ZEB_OB_ANIMATION_WRITING_H

#include <zebObjectBase.h>

#include <string>

class zebXMLOBAnimationWriter : public zebObjectBase
{
  zebTypeMacro(zebXMLOBAnimationWriter, zebObjectBase);

public:
  static zebXMLOBAnimationWriter* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebXMLOBAnimationWriter() = default;

  std::string FileName;
  int NumberOfRepresentations = 0;
  int GhostLevel = 0;
};

class zebSIXMLAnimationWriterRepresentationProperty : public zebObjectBase
{
  zebTypeMacro(zebSIXMLAnimationWriterRepresentationProperty, zebObjectBase);

public:
  static zebSIXMLAnimationWriterRepresentationProperty* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebSIXMLAnimationWriterRepresentationProperty() = default;

  std::string GroupName;
  std::string Prefix = "Representation";
};

class zebOBRepresentationAnimationHelper : public zebObjectBase
{
  zebTypeMacro(zebOBRepresentationAnimationHelper, zebObjectBase);

public:
  static zebOBRepresentationAnimationHelper* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBRepresentationAnimationHelper() = default;

  std::string SourceProxyName;
  bool Visibility = true;
};

#endif
