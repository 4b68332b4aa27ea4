// The actors of a scene, a background colour and a camera that frames the
// actors' bounds at every render. An interactor may move the camera from that
// framing (turn it about the scene's centre, move it nearer, shift the view);
// ResetCamera goes back to the framing itself.
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
  // scene is empty. The camera's motion since the last reset is applied to
  // that framing.
  bool ComputeCamera(double aspect, float view[16], float projection[16]) const;

  // Turns the camera about the scene's centre: azimuth degrees about the
  // view's up direction, then elevation degrees about its right direction.
  void RotateCamera(double azimuth, double elevation);
  // Moves the camera towards the scene's centre: the distance is divided by
  // factor (above 1 nearer, below 1 farther), kept within 1/1000 to 1000
  // times the framing's distance.
  void ZoomCamera(double factor);
  // Shifts the view so that the scene moves right by dx and up by dy, both
  // in heights of the view at the scene's centre.
  void PanCamera(double dx, double dy);
  // Back to the framing of the actors' bounds.
  void ResetCamera();

protected:
  zebRenderer();
  ~zebRenderer() override;

private:
  std::vector<zebActor*> Actors;
  double Background[3];
  double Rotation[9];  // row-major, turns scene directions into view directions
  double Zoom;
  double Pan[2];
};

#endif
