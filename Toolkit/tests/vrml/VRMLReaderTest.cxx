// The VRML reader on its own, from scene text to shapes: nodes and fields,
// transforms, normals, DEF/USE, skipped nodes, and malformed input.
#include <zebVRMLScene.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const std::string Header = "#VRML V2.0 utf8\n";

zebVRMLScene Read(const std::string& text)
{
  zebVRMLScene scene;
  std::string error;
  EXPECT_TRUE(zebReadVRMLScene(text, scene, error)) << error;
  return scene;
}

// The message for text that must be refused; the scene must stay empty.
std::string Refuse(const std::string& text)
{
  zebVRMLScene scene;
  std::string error;
  EXPECT_FALSE(zebReadVRMLScene(text, scene, error));
  EXPECT_TRUE(scene.Shapes.empty());
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(error.find('\n'), std::string::npos);
  return error;
}

// A unit square in the z = 0 plane, counter-clockwise seen from +z.
std::string Square(const std::string& extraFields = "")
{
  return "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, 1 0 0, 1 1 0, 0 1 "
         "0 ] } coordIndex [ 0 1 2 3 -1 ] " +
         extraFields + " } }\n";
}

void ExpectVector(const std::vector<double>& values, size_t index, double x, double y, double z)
{
  ASSERT_LE(3 * index + 3, values.size());
  EXPECT_NEAR(values[3 * index], x, 1e-9);
  EXPECT_NEAR(values[3 * index + 1], y, 1e-9);
  EXPECT_NEAR(values[3 * index + 2], z, 1e-9);
}

// The normal of triangle t as its corners turn.
void TriangleNormal(const zebVRMLShape& s, size_t t, double n[3])
{
  const double* a = &s.Points[3 * s.Triangles[3 * t]];
  const double* b = &s.Points[3 * s.Triangles[3 * t + 1]];
  const double* c = &s.Points[3 * s.Triangles[3 * t + 2]];
  double u[3] = { b[0] - a[0], b[1] - a[1], b[2] - a[2] };
  double v[3] = { c[0] - a[0], c[1] - a[1], c[2] - a[2] };
  n[0] = u[1] * v[2] - u[2] * v[1];
  n[1] = u[2] * v[0] - u[0] * v[2];
  n[2] = u[0] * v[1] - u[1] * v[0];
}

// The points of one use of a shape, placed in world coordinates.
std::vector<double> Placed(const zebVRMLShape& s, size_t use)
{
  std::vector<double> world;
  EXPECT_LE(12 * use + 12, s.Placements.size());
  if (12 * use + 12 > s.Placements.size())
  {
    return world;
  }
  const double* m = &s.Placements[12 * use];
  for (size_t p = 0; p + 2 < s.Points.size(); p += 3)
  {
    for (int i = 0; i < 3; ++i)
    {
      world.push_back(m[4 * i] * s.Points[p] + m[4 * i + 1] * s.Points[p + 1] +
                      m[4 * i + 2] * s.Points[p + 2] + m[4 * i + 3]);
    }
  }
  return world;
}

// Every triangle faces the way the normals of its corners point.
void ExpectFrontFacesFollowNormals(const zebVRMLShape& s)
{
  for (size_t t = 0; t < s.Triangles.size() / 3; ++t)
  {
    double n[3];
    TriangleNormal(s, t, n);
    for (int k = 0; k < 3; ++k)
    {
      const double* normal = &s.Normals[3 * s.Triangles[3 * t + k]];
      EXPECT_GT(n[0] * normal[0] + n[1] * normal[1] + n[2] * normal[2], 0) << "triangle " << t;
    }
  }
}
}

TEST(VRMLReader, IndexedFaceSetSplitIntoFansWithFlatNormals)
{
  zebVRMLScene scene = Read(Header + "# a comment\n" + Square());
  ASSERT_EQ(scene.Shapes.size(), 1u);
  // A carriage return alone ends a line, and a comment, as a line feed does.
  ASSERT_EQ(Read("#VRML V2.0 utf8\r# a comment\r" + Square()).Shapes.size(), 1u);
  const zebVRMLShape& s = scene.Shapes[0];
  EXPECT_EQ(s.Points.size(), 12u);
  EXPECT_EQ(s.Triangles, (std::vector<int>{ 0, 1, 2, 0, 2, 3 }));
  for (size_t i = 0; i < 4; ++i)
  {
    ExpectVector(s.Normals, i, 0, 0, 1);
  }
  ExpectVector(s.Points, 2, 1, 1, 0);
  // Without a material the shape is white; the rest keeps its defaults.
  EXPECT_EQ(s.DiffuseColor[0], 1.0);
  EXPECT_EQ(s.Shininess, 0.2);
  EXPECT_TRUE(s.Solid);

  // A pentagon without a closing -1 gives a fan of three; a two-corner face
  // is dropped.
  scene = Read(Header + "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, 1 0 "
                        "0, 2 1 0, 1 2 0, 0 1 0 ] } coordIndex [ 0 1 -1 0 1 2 3 4 ] } }");
  ASSERT_EQ(scene.Shapes.size(), 1u);
  EXPECT_EQ(scene.Shapes[0].Triangles, (std::vector<int>{ 0, 1, 2, 0, 2, 3, 0, 3, 4 }));
}

TEST(VRMLReader, MaterialAndFlags)
{
  zebVRMLScene scene = Read(
    Header +
    "Shape { appearance Appearance { material Material { diffuseColor 0.5 0.25 1 "
    "specularColor 1, 1, 0 shininess 0.75 transparency 0.4 ambientIntensity 0.1 "
    "emissiveColor 0 0 0 } texture ImageTexture { url \"a{b}.png\" } }\n" +
    "geometry IndexedFaceSet { solid FALSE coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] } "
    "coordIndex [ 0 1 2 ] } }\n" +
    "Shape { appearance Appearance { material Material { diffuseColor 2 -1 0.5 shininess 9 } } "
    "geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] } coordIndex [ 0 "
    "1 2 ] } }");
  ASSERT_EQ(scene.Shapes.size(), 2u);
  const zebVRMLShape& s = scene.Shapes[0];
  EXPECT_EQ(s.DiffuseColor[0], 0.5);
  EXPECT_EQ(s.DiffuseColor[1], 0.25);
  EXPECT_EQ(s.DiffuseColor[2], 1.0);
  EXPECT_EQ(s.SpecularColor[2], 0.0);
  EXPECT_EQ(s.SpecularColor[1], 1.0);
  EXPECT_EQ(s.Shininess, 0.75);
  EXPECT_EQ(s.Transparency, 0.4);
  EXPECT_FALSE(s.Solid);
  // Values outside 0..1 are clamped.
  EXPECT_EQ(scene.Shapes[1].DiffuseColor[0], 1.0);
  EXPECT_EQ(scene.Shapes[1].DiffuseColor[1], 0.0);
  EXPECT_EQ(scene.Shapes[1].Shininess, 1.0);
}

TEST(VRMLReader, TransformsPlaceEachUse)
{
  // Rotation about the centre: (2,0,0) turned half round z about (1,0,0).
  zebVRMLScene scene = Read(Header + "Transform { center 1 0 0 rotation 0 0 1 3.14159265358979 "
                                     "translation 0 5 0 children Shape { geometry IndexedFaceSet "
                                     "{ coord Coordinate { point [ 2 0 0, 3 0 0, 2 1 0 ] } "
                                     "coordIndex [ 0 1 2 ] } } }");
  ASSERT_EQ(scene.Shapes.size(), 1u);
  ExpectVector(Placed(scene.Shapes[0], 0), 0, 0, 5, 0);
  ExpectVector(Placed(scene.Shapes[0], 0), 1, -1, 5, 0);
  // Points and normals stay in the face set's coordinates: the renderer
  // places them (and turns the normals) for every use.
  ExpectVector(scene.Shapes[0].Points, 0, 2, 0, 0);
  ExpectVector(scene.Shapes[0].Normals, 0, 0, 0, 1);

  // Nested transforms compose outside in; Group adds nothing.
  scene = Read(Header +
               "Transform { translation 1 0 0 children [ Group { children [ Transform "
               "{ scale 2 2 2 children [ " +
               Square() + " ] } ] } ] }");
  ASSERT_EQ(scene.Shapes.size(), 1u);
  ExpectVector(Placed(scene.Shapes[0], 0), 2, 3, 2, 0);

  // A quarter turn about x takes +y points to +z.
  scene = Read(Header + "Transform { rotation 1 0 0 1.5707963267949 children " + Square() + "}");
  ExpectVector(Placed(scene.Shapes[0], 0), 2, 1, 0, 1);

  // One shape used plain and mirrored: one shape, two placements.
  scene = Read(Header + "DEF S " + Square() + "Transform { scale -1 1 1 children USE S }");
  ASSERT_EQ(scene.Shapes.size(), 1u);
  ASSERT_EQ(scene.Shapes[0].Placements.size(), 24u);
  ExpectVector(Placed(scene.Shapes[0], 0), 2, 1, 1, 0);
  ExpectVector(Placed(scene.Shapes[0], 1), 2, -1, 1, 0);
  ExpectFrontFacesFollowNormals(scene.Shapes[0]);
}

TEST(VRMLReader, GivenNormals)
{
  const std::string start = Header + "Shape { geometry IndexedFaceSet { coord Coordinate { point "
                                     "[ 0 0 0, 1 0 0, 1 1 0, 0 1 0 ] } normal Normal { vector [ "
                                     "0 0 2, 0 1 0, 1 0 0 ] } ";
  // Per vertex through normalIndex, which parallels coordIndex; normals are
  // made unit length.
  zebVRMLScene scene = Read(start + "normalIndex [ 1 2 0 1 -1 ] coordIndex [ 0 1 2 3 -1 ] } }");
  ExpectVector(scene.Shapes[0].Normals, 0, 0, 1, 0);
  ExpectVector(scene.Shapes[0].Normals, 1, 1, 0, 0);
  ExpectVector(scene.Shapes[0].Normals, 2, 0, 0, 1);
  // Per vertex without normalIndex: the coordinate indices pick the normals.
  scene = Read(start + "coordIndex [ 2 1 0 -1 ] } }");
  ExpectVector(scene.Shapes[0].Normals, 0, 1, 0, 0);
  ExpectVector(scene.Shapes[0].Normals, 2, 0, 0, 1);
  // Per face, by face number or through normalIndex.
  scene = Read(start + "normalPerVertex FALSE coordIndex [ 0 1 2 -1 0 2 3 -1 ] } }");
  ExpectVector(scene.Shapes[0].Normals, 2, 0, 0, 1);
  ExpectVector(scene.Shapes[0].Normals, 3, 0, 1, 0);
  scene =
    Read(start + "normalPerVertex FALSE normalIndex [ 2 1 ] coordIndex [ 0 1 2 -1 0 2 3 ] } }");
  ExpectVector(scene.Shapes[0].Normals, 0, 1, 0, 0);
  ExpectVector(scene.Shapes[0].Normals, 5, 0, 1, 0);

  EXPECT_NE(Refuse(start + "normalIndex [ 0 1 ] coordIndex [ 0 1 2 -1 ] } }")
              .find("normalIndex has too few entries"),
            std::string::npos);
  EXPECT_EQ(Refuse(start + "normalIndex [ 0 1 3 ] coordIndex [ 0 1 2 ] } }"),
            "line 2: normal index 3 is out of range (3 normals)");
  EXPECT_NE(Refuse(start + "coordIndex [ 0 1 2 3 ] } }").find("normal index 3 is out of range"),
            std::string::npos);
}

TEST(VRMLReader, CounterClockwiseFlag)
{
  zebVRMLScene scene = Read(Header + Square("ccw FALSE"));
  EXPECT_EQ(scene.Shapes[0].Triangles, (std::vector<int>{ 0, 2, 1, 0, 3, 2 }));
  ExpectVector(scene.Shapes[0].Normals, 0, 0, 0, -1);
  ExpectFrontFacesFollowNormals(scene.Shapes[0]);
}

TEST(VRMLReader, NormalsFromCreaseAngle)
{
  // Two faces meeting at a right angle along the edge of points 1 and 4.
  const std::string roof = Header + "Shape { geometry IndexedFaceSet { coord Coordinate { point "
                                    "[ 0 0 0, 1 0 0, 1 0 -1, 0 0 -1, 1 1 0, 0 1 0 ] } "
                                    "coordIndex [ 0 1 4 5 -1 0 3 2 1 -1 ] ";
  double h = std::sqrt(0.5);
  zebVRMLScene sharp = Read(roof + "creaseAngle 1.5 } }");
  ExpectVector(sharp.Shapes[0].Normals, 1, 0, 0, 1);
  ExpectVector(sharp.Shapes[0].Normals, 5, 0, -1, 0);
  zebVRMLScene smooth = Read(roof + "creaseAngle 1.6 } }");
  ExpectVector(smooth.Shapes[0].Normals, 0, 0, -h, h);  // point 0, shared by both faces
  ExpectVector(smooth.Shapes[0].Normals, 1, 0, -h, h);  // point 1, shared
  ExpectVector(smooth.Shapes[0].Normals, 2, 0, 0, 1);   // point 4, first face only
  ExpectVector(smooth.Shapes[0].Normals, 6, 0, -1, 0);  // point 2, second face only
  // Per-face normals ignore the crease angle.
  zebVRMLScene flat = Read(roof + "creaseAngle 3 normalPerVertex FALSE } }");
  ExpectVector(flat.Shapes[0].Normals, 0, 0, 0, 1);
}

// The four faces of the tetrahedron of points 0 (origin), 1 (x), 2 (y) and
// 3 (z), repeated 750 times each, so that every point has 2250 faces; crease
// angle 2: the three faces at the origin meet at 90 degrees and smooth
// together, the slanted face meets each at 125 degrees and stays sharp. The
// reader used to take only the first 1024 faces at a point into account.
TEST(VRMLReader, NormalsAtPointsSharedByThousandsOfFaces)
{
  const char* const faces[] = { "0 2 1 -1 ", "0 1 3 -1 ", "1 2 3 -1 ", "0 3 2 -1 " };
  std::string scene = Header + "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 "
                               "0 0, 1 0 0, 0 1 0, 0 0 1 ] } creaseAngle 2 coordIndex [ ";
  for (int f = 0; f < 3000; ++f)
  {
    scene += faces[f % 4];
  }
  zebVRMLScene read = Read(scene + "] } }");
  ASSERT_EQ(read.Shapes.size(), 1u);
  const std::vector<double>& n = read.Shapes[0].Normals;
  ASSERT_EQ(n.size(), 3u * 9000u);
  double t = 1 / std::sqrt(3.0), h = std::sqrt(0.5);
  for (size_t corner = 0; corner < 9000; corner += 12)
  {
    // Face 0 2 1, normal -z: at the origin all three axis faces, at points 2
    // and 1 the one other axis face there.
    ExpectVector(n, corner + 0, -t, -t, -t);
    ExpectVector(n, corner + 1, -h, 0, -h);
    ExpectVector(n, corner + 2, 0, -h, -h);
    // Face 0 1 3, normal -y.
    ExpectVector(n, corner + 3, -t, -t, -t);
    ExpectVector(n, corner + 4, 0, -h, -h);
    ExpectVector(n, corner + 5, -h, -h, 0);
    // Face 1 2 3, the slanted one: its own normal everywhere.
    for (size_t k = 6; k < 9; ++k)
    {
      ExpectVector(n, corner + k, t, t, t);
    }
    // Face 0 3 2, normal -x.
    ExpectVector(n, corner + 9, -t, -t, -t);
    ExpectVector(n, corner + 10, -h, -h, 0);
    ExpectVector(n, corner + 11, -h, 0, -h);
  }
}

namespace
{
// A fan of triangles around point 0 at the origin, one to each pair of
// neighbours on a ring of `count` points given by ring(i, point), with the
// given crease angle.
template<typename Ring>
std::string Fan(int count, const char* creaseAngle, Ring ring)
{
  std::string scene = Header + "Shape { geometry IndexedFaceSet { creaseAngle " + creaseAngle +
                      " coord Coordinate { point [ 0 0 0\n";
  char line[100];
  for (int i = 0; i < count; ++i)
  {
    double p[3];
    ring(i, p);
    snprintf(line, sizeof line, "%.17g %.17g %.17g\n", p[0], p[1], p[2]);
    scene += line;
  }
  scene += "] } coordIndex [\n";
  for (int i = 0; i < count; ++i)
  {
    scene += "0 " + std::to_string(i + 1) + " " + std::to_string((i + 1) % count + 1) + " -1\n";
  }
  return scene + "] } }";
}

double AngleBetween(const double* a, const double* b)
{
  double dot = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
  double cross[3] = { a[1] * b[2] - a[2] * b[1],
                      a[2] * b[0] - a[0] * b[2],
                      a[0] * b[1] - a[1] * b[0] };
  return std::atan2(std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]),
                    dot);
}
}

// The side of a cone of 4,000 faces around its apex at the origin, 2 above
// the unit circle of its base, crease angle 3.1:
// every face lies within the angle of every other, so the apex normal is the
// axis and each corner on the circle has the cone's own normal there,
// (2 cos a, 2 sin a, 1) / sqrt 5 at angle a. The reader used to take only the
// first 1,024 distinct face normals at a point into account, and tilted the
// apex normal by up to 42 degrees.
TEST(VRMLReader, NormalsOfAConeOfThousandsOfFaces)
{
  const int faces = 4000;
  const double step = 2 * 3.14159265358979323846 / faces;
  zebVRMLScene read = Read(Fan(faces,
                               "3.1",
                               [&](int i, double p[3])
                               {
                                 p[0] = std::cos(step * i);
                                 p[1] = std::sin(step * i);
                                 p[2] = -2;
                               }));
  ASSERT_EQ(read.Shapes.size(), 1u);
  const std::vector<double>& n = read.Shapes[0].Normals;
  ASSERT_EQ(n.size(), 9u * faces);
  double worstApex = 0, worstRing = 0, axis[3] = { 0, 0, 1 };
  for (int f = 0; f < faces; ++f)
  {
    worstApex = std::max(worstApex, AngleBetween(&n[9 * f], axis));
    for (int k = 1; k < 3; ++k)
    {
      double a = step * ((f + k - 1) % faces), s = std::sqrt(5.0);
      double cone[3] = { 2 * std::cos(a) / s, 2 * std::sin(a) / s, 1 / s };
      worstRing = std::max(worstRing, AngleBetween(&n[9 * f + 3 * k], cone));
    }
  }
  EXPECT_LT(worstApex, 1e-9);
  EXPECT_LT(worstRing, 1e-9);
}

// 3,000 faces around one point whose normals spread over the sphere, with a
// crease angle that parts them: each corner there has the sum of the normals
// within the angle of its own face's, as comparing them one by one gives.
TEST(VRMLReader, NormalsAtAPointOfThousandsOfNormalsKeepTheCreaseAngle)
{
  const int faces = 3000;
  const double step = 2 * 3.14159265358979323846 / faces;
  std::vector<double> ring;
  zebVRMLScene read = Read(Fan(faces,
                               "0.8",
                               [&](int i, double p[3])
                               {
                                 double radius = 1 + 0.5 * std::sin(7.1 * i);
                                 p[0] = radius * std::cos(step * i);
                                 p[1] = radius * std::sin(step * i);
                                 p[2] = 1.5 * std::sin(3.3 * i);
                                 ring.insert(ring.end(), p, p + 3);
                               }));
  ASSERT_EQ(read.Shapes.size(), 1u);
  std::vector<double> faceNormals(3 * faces);
  for (int f = 0; f < faces; ++f)
  {
    const double* b = &ring[3 * f];
    const double* c = &ring[3 * ((f + 1) % faces)];
    double* m = &faceNormals[3 * f];
    m[0] = b[1] * c[2] - b[2] * c[1];
    m[1] = b[2] * c[0] - b[0] * c[2];
    m[2] = b[0] * c[1] - b[1] * c[0];
    double length = std::sqrt(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]);
    for (int i = 0; i < 3; ++i)
    {
      m[i] /= length;
    }
  }
  double limit = std::cos(0.8), worst = 0;
  for (int f = 0; f < faces; ++f)
  {
    const double* own = &faceNormals[3 * f];
    double sum[3] = { 0, 0, 0 };
    for (int g = 0; g < faces; ++g)
    {
      const double* other = &faceNormals[3 * g];
      if (g == f || own[0] * other[0] + own[1] * other[1] + own[2] * other[2] > limit)
      {
        for (int i = 0; i < 3; ++i)
        {
          sum[i] += other[i];
        }
      }
    }
    worst = std::max(worst, AngleBetween(&read.Shapes[0].Normals[9 * f], sum));
  }
  EXPECT_LT(worst, 1e-9);
}

// A corner's own face counts once, however often the face lists the point;
// other faces count once per listing.
TEST(VRMLReader, NormalsWithAPointListedTwiceInAFace)
{
  // Face A lists point 0 twice (normal +z); face B (normal -y) once; face C
  // (normal +z, like A) once.
  const std::string scene =
    Header + "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, 1 0 0, 1 1 0, "
             "0 1 0, 0 0 -1 ] } creaseAngle 1.6 coordIndex [ 0 1 2 0 3 -1 0 4 1 -1 0 2 3 -1 ] "
             "} }";
  zebVRMLScene read = Read(scene);
  ASSERT_EQ(read.Shapes.size(), 1u);
  const std::vector<double>& n = read.Shapes[0].Normals;
  double s = 1 / std::sqrt(5.0);
  // A at point 0: A + B + C = (0, -1, 2); B at point 0: B + 2 A + C = (0, -1, 3).
  ExpectVector(n, 0, 0, -s, 2 * s);
  ExpectVector(n, 3, 0, -s, 2 * s);
  double r = 1 / std::sqrt(10.0);
  ExpectVector(n, 5, 0, -r, 3 * r);
  // C at point 0: C + 2 A + B = (0, -1, 3).
  ExpectVector(n, 8, 0, -r, 3 * r);
}

TEST(VRMLReader, DefAndUse)
{
  zebVRMLScene scene = Read(Header + "DEF Point Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n" +
                            "DEF Red Appearance { material Material { diffuseColor 1 0 0 } }\n" +
                            "DEF Tri Shape { appearance USE Red geometry IndexedFaceSet { coord "
                            "USE Point coordIndex [ 0 1 2 ] } }\n" +
                            "Transform { translation 0 0 7 children [ USE Tri ] }");
  // The shape used twice is held once, placed twice.
  ASSERT_EQ(scene.Shapes.size(), 1u);
  ExpectVector(Placed(scene.Shapes[0], 1), 1, 1, 0, 7);
  EXPECT_EQ(scene.Shapes[0].DiffuseColor[0], 1.0);
  EXPECT_EQ(scene.Shapes[0].DiffuseColor[1], 0.0);
  // The same face set with another material is another shape.
  scene = Read(Header +
               "DEF Tri Shape { geometry DEF Set IndexedFaceSet { coord Coordinate { "
               "point [ 0 0 0, 1 0 0, 0 1 0 ] } coordIndex [ 0 1 2 ] } }\n" +
               "Shape { appearance Appearance { material Material { diffuseColor 0 0 1 } } "
               "geometry USE Set }\nUSE Tri");
  ASSERT_EQ(scene.Shapes.size(), 2u);
  EXPECT_EQ(scene.Shapes[0].Placements.size(), 24u);
  EXPECT_EQ(scene.Shapes[1].Placements.size(), 12u);
  EXPECT_EQ(scene.Shapes[1].DiffuseColor[0], 0.0);

  EXPECT_EQ(Refuse(Header + "Group {\n children [ USE Nobody ] }"),
            "line 3: USE of undefined name 'Nobody'");
  // A node cannot use itself.
  EXPECT_EQ(Refuse(Header + "DEF Loop Group { children [ USE Loop ] }"),
            "line 2: USE of undefined name 'Loop'");
}

TEST(VRMLReader, UnknownNodesAndStatementsAreSkipped)
{
  zebVRMLScene scene = Read(
    Header + "PROTO Thing [ field SFFloat size 1 ] { Group { children [] } }\n" +
    "EXTERNPROTO Far [ field SFFloat x ] [ \"far.wrl#Far\" ]\n" +
    "Background { skyColor [ 0 0 1, 1 1 1 ] skyAngle [ 1.2 ] }\n" +
    "Viewpoint { position 0 0 10 description \"a } brace\" }\n" +
    "Switch { choice [ DEF Hidden Shape { geometry Box { size 1 1 1 } } ] }\n" +
    "Transform { bboxSize 1 1 1 ROUTE T.a TO T.b children [ USE Hidden Thing { size 2 } " +
    Square() + " Shape { geometry Sphere { radius 1 } } ] }\n" +
    "Shape { geometry IndexedFaceSet { color Color { color [ 1 0 0 ] } colorPerVertex FALSE "
    "texCoord NULL convex TRUE coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] } coordIndex 0 "
    "} }\n" +
    "ROUTE A.x TO B.y\n");
  // Only the square remains: the one-index face set has no triangle.
  ASSERT_EQ(scene.Shapes.size(), 1u);
  EXPECT_EQ(scene.Shapes[0].Triangles.size(), 6u);
  EXPECT_TRUE(Read(Header).Shapes.empty());
}

TEST(VRMLReader, MalformedFilesGiveOneClearMessage)
{
  EXPECT_EQ(Refuse(""), "the file is empty");
  EXPECT_EQ(Refuse("#VRML V1.0 ascii\nSeparator { }"),
            "line 1: not a VRML 2.0 file (it does not start with \"#VRML V2.0 utf8\")");
  EXPECT_EQ(Refuse(Header + "Group { children [\n" + Square() + "]\n"),
            "line 2: '{' of Group is never closed");
  EXPECT_EQ(Refuse(Header + "Group { }\n}\n"), "line 3: expected a node but found '}'");
  // Line ends of either kind, and both together, count once.
  EXPECT_EQ(Refuse("#VRML V2.0 utf8\r\nGroup { }\r# }\r\nViewpoint { description \"\r\n\r\" }\n}"),
            "line 7: expected a node but found '}'");
  EXPECT_EQ(Refuse(Header + "\nBackground { skyColor [ 0 0 1 } ]"),
            "line 3: unbalanced brackets: '}' closes '[' of line 3");
  EXPECT_EQ(Refuse(Header + "Foo { bar [ 1 2 3\n"), "line 2: '[' is never closed");
  EXPECT_EQ(Refuse(Header + "Shape\n[ ]"), "line 3: expected '{' after Shape but found '['");
  EXPECT_EQ(Refuse(Header + "Transform { translation 1 x 2 }"),
            "line 2: bad number 'x' in translation");
  for (const char* bad : { "1.2.3", "nan", "1e999", "0.5f", "--1" })
  {
    EXPECT_EQ(Refuse(Header + "Material { shininess " + bad + " }"),
              std::string("line 2: bad number '") + bad + "' in shininess");
  }
  EXPECT_EQ(Refuse(Header + "IndexedFaceSet { coordIndex [ 0 1 2.5 ] }"),
            "line 2: bad integer '2.5' in coordIndex");
  EXPECT_EQ(Refuse(Header + "IndexedFaceSet { coordIndex [ 0 99999999999 ] }"),
            "line 2: bad integer '99999999999' in coordIndex");
  EXPECT_EQ(Refuse(Header + "Transform { translation 1 2 }"),
            "line 2: expected a number for translation but found '}'");
  EXPECT_EQ(Refuse(Header + "IndexedFaceSet { solid yes }"),
            "line 2: expected TRUE or FALSE for solid but found 'yes'");
  EXPECT_EQ(Refuse(Header + "Coordinate { point [ 0 0 0 1 ] }"),
            "line 2: point needs three numbers per entry");
  EXPECT_EQ(Refuse(Header + "Viewpoint { description \"open"), "line 2: unterminated string");
  EXPECT_EQ(Refuse(Header + "Group { children [ ] }\n\x01"), "line 3: unexpected character 0x01");
  EXPECT_EQ(Refuse(Header + "\n\nShape { geometry IndexedFaceSet { coord Coordinate { point [ 0 "
                            "0 0, 1 0 0, 0 1 0 ] } coordIndex [ 0 1 5 -1 ] } }"),
            "line 4: coordIndex entry 5 is out of range (3 points)");
  EXPECT_EQ(Refuse(Header + "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, "
                            "1 0 0, 0 1 0 ] } coordIndex [ 0 1 -2 ] } }"),
            "line 2: coordIndex entry -2 is out of range (3 points)");
}

TEST(VRMLReader, HostileInputIsRefusedWithoutCrashing)
{
  // Finite numbers that transforms carry out of range.
  EXPECT_EQ(Refuse(Header +
                   "Transform { scale 1e300 1e300 1e300 children Transform { scale 1e300 "
                   "1 1 children " +
                   Square() + "} }"),
            "line 2: a point lies too far out once transformed");

  // Deep nesting is refused before it can exhaust the stack.
  std::string deep = Header;
  for (int i = 0; i < 5000; ++i)
  {
    deep += "Group { children [ ";
  }
  EXPECT_EQ(Refuse(deep), "line 2: nodes nested deeper than 100 levels");

  // Shapes used again and again at every level would multiply without end.
  std::string doubling = Header + "DEF L0 " + Square();
  for (int i = 1; i < 40; ++i)
  {
    doubling += "DEF L" + std::to_string(i) + " Group { children [ USE L" + std::to_string(i - 1) +
                " USE L" + std::to_string(i - 1) + " ] }\n";
  }
  EXPECT_NE(Refuse(doubling).find("the scene is too large"), std::string::npos);

  // Binary garbage, with and without a header.
  std::string garbage;
  unsigned state = 12345;
  for (int i = 0; i < 4096; ++i)
  {
    state = state * 1103515245u + 12345u;
    garbage += static_cast<char>(state >> 16);
  }
  Refuse(garbage);
  Refuse(Header + garbage);
  EXPECT_EQ(Refuse(Header + std::string("\0\0\0", 3)), "line 2: unexpected character 0x00");
}
