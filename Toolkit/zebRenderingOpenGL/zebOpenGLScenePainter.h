// Draws the actors of a renderer into the current OpenGL 3.3 core context:
// depth test, one headlight at the camera, per-fragment shading from the
// interpolated point normals with a diffuse and specular material, and
// opacity (opaque actors first, then translucent ones blended over them).
// An actor's mesh is drawn once per placement in one instanced draw.
#ifndef ZEB_OPENGL_SCENE_PAINTER_H
#define ZEB_OPENGL_SCENE_PAINTER_H

class zebActor;
class zebRenderer;

class zebOpenGLScenePainter
{
public:
  zebOpenGLScenePainter();
  zebOpenGLScenePainter(const zebOpenGLScenePainter&) = delete;
  zebOpenGLScenePainter& operator=(const zebOpenGLScenePainter&) = delete;

  // Compiles the shader program; the painter's context must be current.
  // False, with a message on standard error, when it does not compile.
  bool Prepare();

  // Draws renderer over the whole framebuffer of the given size. The first
  // renderer of a window clears to its background; later ones keep the
  // colours and clear the depth only.
  void Paint(zebRenderer* renderer, int width, int height, bool clearColour);

  // Deletes the program; the painter's context must be current.
  void ReleaseGraphicsResources();

private:
  void DrawActor(zebActor* actor);

  unsigned int Program;
  unsigned int VertexArray;
};

#endif
