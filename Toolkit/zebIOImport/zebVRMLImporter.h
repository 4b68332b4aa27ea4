// Imports a VRML 2.0 scene file: its shapes become actors, one per face set
// and material, with the shape's triangles and one placement per use.
#ifndef ZEB_VRML_IMPORTER_H
#define ZEB_VRML_IMPORTER_H

#include "zebImporter.h"
#include "zebVRMLScene.h"

#include <string>

class zebVRMLImporter : public zebImporter
{
public:
  zebTypeMacro(zebVRMLImporter, zebImporter);
  static zebVRMLImporter* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Keeps its own copy of name; null forgets the name.
  void SetFileName(const char* name);
  // Null when no name is set.
  const char* GetFileName() const;

protected:
  zebVRMLImporter();
  ~zebVRMLImporter() override = default;

  bool ReadScene() override;
  void ImportActors(zebRenderer* renderer) override;

private:
  void AddActors(zebRenderer* renderer);

  std::string FileName;
  bool HasFileName;
  zebVRMLScene Scene;
};

#endif
