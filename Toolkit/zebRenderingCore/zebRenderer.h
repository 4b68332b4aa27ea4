// The actors of a scene, a background colour and a camera that frames the
// actors' bounds at every render.
#ifndef ZEB_RENDERER_H
#define ZEB_RENDERER_H

#include <zebObjectBase.h>

#include <vector>

class zebActor;

class zebRenderer : public zebObjectBase
{
public:
  zebTypeMacro(zebRenderer, zebObjectBase);
  static zebRenderer* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Takes a reference to actor; adding an actor twice draws it twice.
  void AddActor(zebActor* actor);
  void RemoveAllActors();
  int GetNumberOfActors() const;
  // Null when index is out of range.
  zebActor* GetActor(int index) const;

  void SetBackground(double r, double g, double b);
  const double* GetBackground() const
  {
    return this->Background;
  }

  // The bounds of all actors; empty when no actor has geometry.
  void GetBounds(double bounds[6]) const;

  // The camera for an image of the given width / height ratio: it looks down
  // the -z axis with +y up, from a distance at which the bounding sphere of
  // the actors fits a 30 degree view angle in both directions. Matrices are
  // column-major, eye coordinates are those of the camera. False when the
  // scene is empty.
  bool ComputeCamera(double aspect, float view[16], float projection[16]) const;

protected:
  zebRenderer();
  ~zebRenderer() override;

private:
  std::vector<zebActor*> Actors;
  double Background[3];
};

#endif
