// Shader program and per-actor drawing of the offscreen OpenGL window.
#include "zebOpenGLScenePainter.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/glcorearb.h>

#include <zebActor.h>
#include <zebRenderer.h>
#include <zebTriangleMesh.h>

#include <cstdio>

namespace
{
// Each copy of a mesh comes with its placement (zebActor.h), three rows of
// an affine map. Normals turn by the map's cofactors, its inverse transpose
// times its determinant, with the sign of the determinant taken out; a map
// that mirrors turns the triangles' winding, and with it the side that
// faces the viewer.
const char* const VertexShader = R"(#version 330 core
uniform mat4 view;
uniform mat4 projection;
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec4 placementX;
layout(location = 3) in vec4 placementY;
layout(location = 4) in vec4 placementZ;
out vec3 eyePosition;
out vec3 eyeNormal;
flat out int mirrored;
void main()
{
  vec4 point = vec4(position, 1.0);
  vec4 world = vec4(dot(placementX, point), dot(placementY, point), dot(placementZ, point), 1.0);
  vec3 x = vec3(placementX.x, placementY.x, placementZ.x);
  vec3 y = vec3(placementX.y, placementY.y, placementZ.y);
  vec3 z = vec3(placementX.z, placementY.z, placementZ.z);
  float determinant = dot(x, cross(y, z));
  mirrored = determinant < 0.0 ? 1 : 0;
  vec3 worldNormal = mat3(cross(y, z), cross(z, x), cross(x, y)) * normal;
  vec4 eye = view * world;
  eyePosition = eye.xyz;
  eyeNormal = mat3(view) * (determinant < 0.0 ? -worldNormal : worldNormal);
  gl_Position = projection * eye;
}
)";

// The headlight sits at the eye, so the light and view directions coincide
// and the half vector of the specular term is the view direction itself.
const char* const FragmentShader = R"(#version 330 core
uniform vec3 diffuseColor;
uniform vec3 specularColor;
uniform float shininess;
uniform float opacity;
in vec3 eyePosition;
in vec3 eyeNormal;
flat in int mirrored;
out vec4 fragmentColor;
void main()
{
  vec3 toEye = normalize(-eyePosition);
  vec3 n = length(eyeNormal) > 1e-12 ? normalize(eyeNormal) : toEye;
  if (gl_FrontFacing == (mirrored != 0))
  {
    n = -n;
  }
  float lambert = max(dot(n, toEye), 0.0);
  float highlight = lambert > 0.0 ? pow(lambert, max(shininess * 128.0, 1.0)) : 0.0;
  vec3 colour = diffuseColor * (0.1 + 0.9 * lambert) + specularColor * highlight;
  fragmentColor = vec4(clamp(colour, 0.0, 1.0), opacity);
}
)";

GLuint CompileShader(GLenum kind, const char* source)
{
  GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint compiled = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  if (!compiled)
  {
    char log[1024] = "";
    glGetShaderInfoLog(shader, sizeof(log), nullptr, log);
    fprintf(stderr, "zebOpenGLRenderWindow: shader does not compile: %s\n", log);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

void SetColour(GLuint program, const char* name, const double* colour)
{
  glUniform3f(glGetUniformLocation(program, name),
              static_cast<float>(colour[0]),
              static_cast<float>(colour[1]),
              static_cast<float>(colour[2]));
}

void UploadAttribute(GLuint buffer, GLuint location, const std::vector<float>& values)
{
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glBufferData(GL_ARRAY_BUFFER,
               static_cast<GLsizeiptr>(values.size() * sizeof(float)),
               values.data(),
               GL_STREAM_DRAW);
  glVertexAttribPointer(location, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
  glEnableVertexAttribArray(location);
}

// The rows of each copy's placement, one copy after the other; without
// placements every vertex gets the identity map.
void UploadPlacements(GLuint buffer, const std::vector<float>& placements)
{
  const GLuint first = 2;
  if (placements.empty())
  {
    for (GLuint row = 0; row < 3; ++row)
    {
      glDisableVertexAttribArray(first + row);
      glVertexAttrib4f(first + row, row == 0, row == 1, row == 2, 0.0f);
    }
    return;
  }
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glBufferData(GL_ARRAY_BUFFER,
               static_cast<GLsizeiptr>(placements.size() * sizeof(float)),
               placements.data(),
               GL_STREAM_DRAW);
  for (GLuint row = 0; row < 3; ++row)
  {
    glVertexAttribPointer(first + row,
                          4,
                          GL_FLOAT,
                          GL_FALSE,
                          12 * sizeof(float),
                          reinterpret_cast<const void*>(4 * row * sizeof(float)));
    glVertexAttribDivisor(first + row, 1);
    glEnableVertexAttribArray(first + row);
  }
}

// An actor is drawn when it has triangles, is not fully transparent, and
// every corner names one of its mesh's points.
bool IsDrawable(const zebActor* actor)
{
  const zebTriangleMesh* mesh = actor->GetMesh();
  if (!mesh || mesh->GetNumberOfTriangles() == 0 || !(actor->GetOpacity() > 0.0))
  {
    return false;
  }
  const unsigned int points = static_cast<unsigned int>(mesh->GetNumberOfPoints());
  for (unsigned int corner : mesh->GetTriangles())
  {
    if (corner >= points)
    {
      fprintf(stderr,
              "zebOpenGLRenderWindow: a triangle names point %u of a mesh of %u points; the "
              "actor is not drawn\n",
              corner,
              points);
      return false;
    }
  }
  return true;
}
}

zebOpenGLScenePainter::zebOpenGLScenePainter()
  : Program(0)
  , VertexArray(0)
{
}

bool zebOpenGLScenePainter::Prepare()
{
  if (this->Program)
  {
    return true;
  }
  GLuint vertex = CompileShader(GL_VERTEX_SHADER, VertexShader);
  GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, FragmentShader);
  if (vertex && fragment)
  {
    this->Program = glCreateProgram();
    glAttachShader(this->Program, vertex);
    glAttachShader(this->Program, fragment);
    glLinkProgram(this->Program);
    GLint linked = GL_FALSE;
    glGetProgramiv(this->Program, GL_LINK_STATUS, &linked);
    if (!linked)
    {
      fprintf(stderr, "zebOpenGLRenderWindow: shader program does not link\n");
      glDeleteProgram(this->Program);
      this->Program = 0;
    }
  }
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  if (this->Program && !this->VertexArray)
  {
    glGenVertexArrays(1, &this->VertexArray);
  }
  return this->Program != 0;
}

void zebOpenGLScenePainter::Paint(zebRenderer* renderer, int width, int height, bool clearColour)
{
  glViewport(0, 0, width, height);
  const double* background = renderer->GetBackground();
  glClearColor(static_cast<float>(background[0]),
               static_cast<float>(background[1]),
               static_cast<float>(background[2]),
               1.0f);
  glClear(clearColour ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT : GL_DEPTH_BUFFER_BIT);

  float view[16];
  float projection[16];
  if (!renderer->ComputeCamera(static_cast<double>(width) / height, view, projection))
  {
    return;
  }
  glUseProgram(this->Program);
  glUniformMatrix4fv(glGetUniformLocation(this->Program, "view"), 1, GL_FALSE, view);
  glUniformMatrix4fv(glGetUniformLocation(this->Program, "projection"), 1, GL_FALSE, projection);
  glBindVertexArray(this->VertexArray);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);

  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
  for (int i = 0; i < renderer->GetNumberOfActors(); ++i)
  {
    zebActor* actor = renderer->GetActor(i);
    if (IsDrawable(actor) && actor->GetOpacity() >= 1.0)
    {
      this->DrawActor(actor);
    }
  }
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDepthMask(GL_FALSE);
  for (int i = 0; i < renderer->GetNumberOfActors(); ++i)
  {
    zebActor* actor = renderer->GetActor(i);
    if (IsDrawable(actor) && actor->GetOpacity() < 1.0)
    {
      this->DrawActor(actor);
    }
  }
  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
  glBindVertexArray(0);
  glUseProgram(0);
}

void zebOpenGLScenePainter::DrawActor(zebActor* actor)
{
  const zebTriangleMesh* mesh = actor->GetMesh();
  SetColour(this->Program, "diffuseColor", actor->GetDiffuseColor());
  SetColour(this->Program, "specularColor", actor->GetSpecularColor());
  glUniform1f(glGetUniformLocation(this->Program, "shininess"),
              static_cast<float>(actor->GetShininess()));
  glUniform1f(glGetUniformLocation(this->Program, "opacity"),
              static_cast<float>(actor->GetOpacity()));

  GLuint buffers[4];
  glGenBuffers(4, buffers);
  UploadAttribute(buffers[0], 0, mesh->GetPositions());
  UploadAttribute(buffers[1], 1, mesh->GetNormals());
  UploadPlacements(buffers[2], actor->GetPlacements());
  const std::vector<unsigned int>& triangles = mesh->GetTriangles();
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[3]);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER,
               static_cast<GLsizeiptr>(triangles.size() * sizeof(unsigned int)),
               triangles.data(),
               GL_STREAM_DRAW);
  glDrawElementsInstanced(GL_TRIANGLES,
                          static_cast<GLsizei>(triangles.size()),
                          GL_UNSIGNED_INT,
                          nullptr,
                          static_cast<GLsizei>(actor->GetNumberOfCopies()));
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glDeleteBuffers(4, buffers);
}

void zebOpenGLScenePainter::ReleaseGraphicsResources()
{
  if (this->VertexArray)
  {
    glDeleteVertexArrays(1, &this->VertexArray);
    this->VertexArray = 0;
  }
  if (this->Program)
  {
    glDeleteProgram(this->Program);
    this->Program = 0;
  }
}
