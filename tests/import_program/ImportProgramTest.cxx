// import_tests run as the build runs it: how the regression answer becomes
// the exit status, where the data root comes from, the start-up
// registrations, and TestVRMLImporter's two reads.
#include "RunProcess.h"

#include <zebPNGImage.h>

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
const std::string DataRoot = ZEB_DATA_DIR;
const std::string Baseline = DataRoot + "/Baseline/TestVRMLNormals.png";
const std::string InteractorStarted =
  "zebRenderWindowInteractor: no display to interact with; Start returns at once\n";

// Without DISPLAY, so that "-I" returns at once on any machine (the window
// of the interaction is tested under Xvfb in tests/interaction).
ProcessResult RunImportTests(std::vector<std::string> args,
                             ProcessOptions options = ProcessOptions())
{
  args.insert(args.begin(), IMPORT_TESTS);
  options.unsetEnv.push_back("DISPLAY");
  return RunProcess(args, options);
}

size_t Count(const std::string& text, const std::string& part)
{
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
  {
    ++count;
  }
  return count;
}

bool Exists(const std::string& path)
{
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

// A data root whose scene is one large red triangle.
std::string TriangleRoot()
{
  std::string root = MakeTempDirectory();
  mkdir((root + "/Data").c_str(), 0755);
  EXPECT_TRUE(WriteFile(root + "/Data/WineGlass.wrl",
                        "#VRML V2.0 utf8\nShape { appearance Appearance { material Material { "
                        "diffuseColor 1 0 0 } } geometry IndexedFaceSet { coord Coordinate { "
                        "point [ -1 -1 0, 1 -1 0, 0 1 0 ] } coordIndex [ 0 1 2 ] } }\n"));
  return root;
}

void ExpectClean(const ProcessResult& r)
{
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.err.find("Leaks detected"), std::string::npos) << r.err;
}
}

TEST(ImportTests, MatchingBaselinePasses)
{
  std::string temporary = MakeTempDirectory();
  ProcessResult r =
    RunImportTests({ "TestVRMLNormals", "-D", DataRoot, "-V", Baseline, "-T", temporary });
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(Exists(temporary + "/TestVRMLNormals-test.png"));
  ExpectClean(r);
}

TEST(ImportTests, WithoutBaselineNothingIsComparedAndNobodyInteracts)
{
  ProcessResult r = RunImportTests({ "TestVRMLNormals", "-D", DataRoot });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(Count(r.err, InteractorStarted), 0u);
  ExpectClean(r);
}

TEST(ImportTests, InteractionAskedForStartsTheInteractorOnce)
{
  ProcessResult r = RunImportTests({ "TestVRMLNormals", "-D", DataRoot, "-V", Baseline, "-I" });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(Count(r.err, InteractorStarted), 1u);
  ExpectClean(r);

  r = RunImportTests({ "TestVRMLNormals", "-I", "-D", DataRoot });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(Count(r.err, InteractorStarted), 1u);
}

TEST(ImportTests, BaselineOfAnotherImageFailsAndWritesImages)
{
  // The other image: the triangle scene, written by a check that fails for
  // want of a baseline.
  std::string images = MakeTempDirectory();
  ProcessResult r = RunImportTests(
    { "TestVRMLNormals", "-D", TriangleRoot(), "-V", images + "/Other.png", "-T", images });
  ASSERT_EQ(r.exitStatus, 1);
  ASSERT_EQ(rename((images + "/Other-test.png").c_str(), (images + "/Other.png").c_str()), 0);

  std::string temporary = MakeTempDirectory();
  r = RunImportTests(
    { "TestVRMLNormals", "-D", DataRoot, "-V", images + "/Other.png", "-T", temporary });
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_NE(r.err.find("exceeds the threshold 10 "), std::string::npos) << r.err;
  EXPECT_TRUE(Exists(temporary + "/Other-test.png"));
  EXPECT_TRUE(Exists(temporary + "/Other-diff.png"));
  EXPECT_TRUE(Exists(temporary + "/Other-compare.png"));
  // The measurements CTest picks up from the output.
  for (const char* name : { "TestImage", "DifferenceImage" })
  {
    const std::string suffix = name[0] == 'T' ? "-test.png" : "-diff.png";
    EXPECT_NE(r.out.find(std::string("<CTestMeasurementFile type=\"image/png\" name=\"") + name +
                         "\">" + temporary + "/Other" + suffix + "</CTestMeasurementFile>\n"),
              std::string::npos)
      << r.out;
  }
  EXPECT_NE(r.out.find("<CTestMeasurementFile type=\"image/png\" name=\"ValidImage\">" + images +
                       "/Other.png</CTestMeasurementFile>\n"),
            std::string::npos)
    << r.out;
  EXPECT_NE(r.out.find("<CTestMeasurement type=\"numeric/double\" name=\"ImageError\">"),
            std::string::npos)
    << r.out;
  EXPECT_EQ(Count(r.err, InteractorStarted), 0u);
  ExpectClean(r);

  // Failure wins over interaction.
  r = RunImportTests(
    { "TestVRMLNormals", "-V", images + "/Other.png", "-T", temporary, "-I", "-D", DataRoot });
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(Count(r.err, InteractorStarted), 0u);
}

TEST(ImportTests, DataRootReachesTheImporterAndTheCheck)
{
  // The -D option anywhere among the regression options: the scene is read
  // from it, and the check, which sees it too, still compares.
  ProcessResult r = RunImportTests({ "testvrmlnormals", "-V", Baseline, "-D", DataRoot });
  EXPECT_EQ(r.exitStatus, 0) << r.err;

  std::string empty = MakeTempDirectory();
  std::string temporary = MakeTempDirectory();
  r = RunImportTests({ "TestVRMLNormals", "-D", empty, "-V", Baseline, "-T", temporary });
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_NE(r.err.find("zebVRMLImporter: cannot open " + empty + "/Data/WineGlass.wrl: "),
            std::string::npos)
    << r.err;
  EXPECT_TRUE(Exists(temporary + "/TestVRMLNormals-diff.png"));
  ExpectClean(r);
}

TEST(ImportTests, ChosenByNumberTheRootComesFromTheEnvironmentOrTheFallback)
{
  std::string empty = MakeTempDirectory();
  ProcessOptions options;
  options.input = "0\n";
  options.setEnv = { "ZEB_DATA_ROOT=" + empty };
  ProcessResult r = RunImportTests({}, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_NE(r.err.find("cannot open " + empty + "/Data/WineGlass.wrl"), std::string::npos);
  ExpectClean(r);

  options.setEnv = { "ZEB_DATA_ROOT=" + DataRoot };
  r = RunImportTests({}, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");

  // The fallback root is four levels up from the working directory.
  std::string top = MakeTempDirectory();
  std::string deep = top + "/a/b/c/d";
  for (const char* part : { "/ZEBData", "/ZEBData/Data", "/a", "/a/b", "/a/b/c", "/a/b/c/d" })
  {
    mkdir((top + part).c_str(), 0755);
  }
  ASSERT_TRUE(
    WriteFile(top + "/ZEBData/Data/WineGlass.wrl", ReadFile(DataRoot + "/Data/WineGlass.wrl")));
  options.setEnv.clear();
  options.unsetEnv = { "ZEB_DATA_ROOT" };
  options.input = "1\n";
  options.workingDirectory = deep;
  r = RunImportTests({}, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");

  options.workingDirectory = top;
  r = RunImportTests({}, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(Count(r.err, "cannot open ../../../../ZEBData/Data/WineGlass.wrl"), 2u) << r.err;
}

TEST(ImportTests, ImporterTestReadsTwiceAndPassesWithoutTheScene)
{
  ProcessResult r = RunImportTests({ "TestVRMLImporter", "-D", DataRoot });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");

  std::string empty = MakeTempDirectory();
  r = RunImportTests({ "TestVRMLImporter", "-D", empty, "-V", Baseline });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err,
            "zebVRMLImporter: cannot open " + empty +
              "/Data/WineGlass.wrl: No such file or directory\n"
              "zebVRMLImporter: cannot open " +
              empty + "/Data/WineGlass.wrl: No such file or directory\n");
  ExpectClean(r);
}

TEST(ImportTests, EachTestSourceBringsItsOwnRegistrations)
{
  ProcessOptions options;
  options.setEnv = { "ZEB_TRACE_INIT=1" };
  ProcessResult r = RunImportTests({ "TestVRMLImporter", "-D", DataRoot }, options);
  EXPECT_EQ(r.exitStatus, 0);
  std::string trace;
  for (size_t at = 0; at < r.err.size();)
  {
    size_t end = r.err.find('\n', at);
    std::string line = r.err.substr(at, end - at);
    if (line.rfind("zebInit: ", 0) == 0)
    {
      trace += line.substr(9) + "\n";
    }
    at = end == std::string::npos ? r.err.size() : end + 1;
  }
  const std::string group =
    "construct leak-tracking holder\nconstruct zebInteractionStyle\nconstruct zebRenderingOpenGL\n";
  const std::string undo =
    "destruct zebInteractionStyle\ndestruct zebRenderingOpenGL\ndestroy leak-tracking holder\n";
  EXPECT_EQ(trace, group + group + undo + undo);
}

namespace
{
// Runs import_tests with the scene at root, under a 2 GiB address-space limit
// where the sanitizers leave room for one (they reserve terabytes).
ProcessResult RunOnLargeScene(std::vector<std::string> args)
{
  ProcessOptions options;
#ifndef ZEB_SANITIZE
  options.addressSpaceLimit = 2ULL << 30;
#endif
  return RunImportTests(args, options);
}

std::string LargeSceneRoot(const std::string& kind, const std::string& count)
{
  std::string root = MakeTempDirectory();
  mkdir((root + "/Data").c_str(), 0755);
  ProcessResult made = RunProcess({ MAKE_LARGE_SCENE, kind, count, root + "/Data/WineGlass.wrl" });
  EXPECT_EQ(made.exitStatus, 0) << made.err;
  return root;
}

// A data root whose scene file is `bytes` long: prefix, then a hole of zero
// bytes that takes no disk space.
std::string SparseSceneRoot(const std::string& prefix, off_t bytes)
{
  std::string root = MakeTempDirectory();
  mkdir((root + "/Data").c_str(), 0755);
  std::string path = root + "/Data/WineGlass.wrl";
  EXPECT_TRUE(WriteFile(path, prefix));
  EXPECT_EQ(truncate(path.c_str(), bytes), 0);
  return root;
}
}

// 100 MB of triangles, far more corners than a scene may have: the reader
// built every corner (2.4 GB) before it refused the scene, and died of the
// allocation failure under the limit.
TEST(ImportTests, OversizedSceneIsRefusedWithinBoundedMemory)
{
  std::string root = LargeSceneRoot("oversized", "100000000");
  const std::string refused = "zebVRMLImporter: " + root +
                              "/Data/WineGlass.wrl: line 2000005: the scene is too large "
                              "(coordIndex has more than 8000000 entries)\n";
  ProcessResult r = RunOnLargeScene({ "TestVRMLImporter", "-D", root });
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, refused + refused);
  EXPECT_LT(r.peakKiB, 1024 * 1024);

  std::string temporary = MakeTempDirectory();
  r = RunOnLargeScene({ "TestVRMLNormals", "-D", root, "-V", Baseline, "-T", temporary });
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err.find(refused), 0u) << r.err;
  std::filesystem::remove_all(root);
}

// A shape used again and again is prepared once: its corners, normals and
// faces are made on its first use, and each use costs only its own corners.
// Each of 100,000 uses of a one-triangle shape with a crease angle used to
// list the corners of all 1,000,000 points of its Coordinate, and each of
// 300,000 uses of a shape of 333,333 two-corner polygons to split them all
// again: many minutes each. Both scenes are read at once now; CTest's time limit on this program
// fails them should that cost come back.
TEST(ImportTests, ShapeUsedAgainOnALargeCoordinateIsPreparedOnce)
{
  std::string root = LargeSceneRoot("reused-points", "100000");
  ProcessResult r = RunOnLargeScene({ "TestVRMLImporter", "-D", root });
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  std::filesystem::remove_all(root);
}

TEST(ImportTests, ShapeOfDroppedPolygonsUsedAgainIsPreparedOnce)
{
  std::string root = LargeSceneRoot("reused-dropped", "300000");
  ProcessResult r = RunOnLargeScene({ "TestVRMLImporter", "-D", root });
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  std::filesystem::remove_all(root);
}

// The costliest crease-angle normals: 200,000 faces around one point whose
// normals spread over the sphere, so that the faces within the crease angle
// of each cannot be taken a box at a time. The steps of work are bounded:
// the scene is refused in one line within seconds.
TEST(ImportTests, WorkOfCreaseNormalsAroundOnePointIsBounded)
{
  std::string root = LargeSceneRoot("spread", "200000");
  const std::string refused = "zebVRMLImporter: " + root +
                              "/Data/WineGlass.wrl: line 2: the scene is too large (more than "
                              "100000000 steps of work)\n";
  ProcessResult r = RunOnLargeScene({ "TestVRMLImporter", "-D", root });
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, refused + refused);
  std::filesystem::remove_all(root);
}

// A 3 GB file is refused by its first line, without reading the rest; one
// with the header and a long comment is read a chunk at a time.
TEST(ImportTests, LongFilesAreReadInChunks)
{
  std::string root = SparseSceneRoot("VRML", 3LL << 30);
  ProcessResult r = RunOnLargeScene({ "TestVRMLImporter", "-D", root });
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.exitStatus, 0);
  const std::string refused =
    "zebVRMLImporter: " + root +
    "/Data/WineGlass.wrl: line 1: not a VRML 2.0 file (it does not start with \"#VRML V2.0 "
    "utf8\")\n";
  EXPECT_EQ(r.err, refused + refused);
  EXPECT_LT(r.peakKiB, 256 * 1024);
  std::filesystem::remove_all(root);

  root = SparseSceneRoot("#VRML V2.0 utf8\n#", 300 << 20);
  r = RunOnLargeScene({ "TestVRMLImporter", "-D", root });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_LT(r.peakKiB, 256 * 1024);
  std::filesystem::remove_all(root);
}

// Scenes within the reader's bounds whose drawing is not: a hexagon and a
// triangle used 999,000 times in place (one actor per use took 2.5 GB and
// aborted on the allocation that failed under the limit), and fans of
// 5,000,000 and 500,000 corners going round a square, every other triangle
// covering half of it (minutes, and 13 to 18 s of processor time). Each is
// refused in one line; the check then fails. The costliest scenes within the
// bounds on a frame, 6,600 translucent squares over each other and 4,718,574
// triangles of 262,143 uses of a 20-gon, are drawn. TestVRMLImporter, which
// draws nothing, reads every one in bounded memory.
TEST(ImportTests, DrawingIsBounded)
{
  const std::string refused = "zebOpenGLRenderWindow: the scene is too costly to draw (its "
                              "triangles cover more than 500000000 pixels)\n"
                              "zebTesting: the window gave no image to compare with " +
                              Baseline + "\n";
  const struct
  {
    const char* Kind;
    const char* Count;
    bool Drawn;
  } scenes[] = { { "hexagon-uses", "999000", false }, { "triangle-uses", "999000", false },
                 { "square-fan", "5000000", false },  { "square-fan", "500000", false },
                 { "glass-uses", "6600", true },      { "polygon-grid", "17", true } };
  for (const auto& scene : scenes)
  {
    std::string what = std::string(scene.Kind) + " " + scene.Count;
    std::string root = LargeSceneRoot(scene.Kind, scene.Count);
    ProcessResult r =
      RunOnLargeScene({ "TestVRMLNormals", "-D", root, "-V", Baseline, "-T", root });
    EXPECT_EQ(r.signal, 0) << what;
    EXPECT_EQ(r.exitStatus, 1) << what;
    if (scene.Drawn)
    {
      EXPECT_EQ(r.err.rfind("zebTesting: image error ", 0), 0u) << what << r.err;
    }
    else
    {
      EXPECT_EQ(r.err, refused) << what;
    }
    EXPECT_LT(r.peakKiB, 1536 * 1024) << what;

    r = RunOnLargeScene({ "TestVRMLImporter", "-D", root });
    EXPECT_EQ(r.exitStatus, 0) << what;
    EXPECT_EQ(r.err, "") << what;
    EXPECT_LT(r.peakKiB, 1536 * 1024) << what;
    std::filesystem::remove_all(root);
  }
}

// An allocation that fails anywhere on the import, the rendering or the
// check ends that step in one line; the check then fails with status 1, and
// nothing reaches the runtime's terminate. The probe fails every allocation
// of the given size or more: 480,000 bytes is the 400 by 400 image, one byte
// more is the check's own work, 65,537 bytes the reading of the scene.
TEST(ImportTests, FailedAllocationsEndInOneLine)
{
  const std::string scene = DataRoot + "/Data/WineGlass.wrl";
  const std::string noImage =
    "zebOpenGLRenderWindow: not enough memory for an image of 400 by 400 pixels\n"
    "zebTesting: the window gave no image to compare with " +
    Baseline + "\n";
  const std::string unread =
    "zebVRMLImporter: " + scene + ": not enough memory to read the scene\n";
  // A baseline of another picture makes the check fail, and write its
  // side-by-side image: the largest allocation of the check.
  zebRGBImage grey;
  grey.Width = grey.Height = 400;
  grey.Pixels.assign(400 * 400 * 3, 128);
  const std::string other = MakeTempDirectory() + "/Grey.png";
  std::string error;
  ASSERT_TRUE(zebPNGImage::Write(other, grey, error)) << error;
  const struct
  {
    const char* From;
    const char* Test;
    const std::string& Against;
    int Status;
    std::string Err;
  } cases[] = {
    { "480000", "TestVRMLNormals", Baseline, 1, noImage },
    { "480001", "TestVRMLNormals", other, 1, "zebTesting: not enough memory to check the image\n" },
    { "65537", "TestVRMLNormals", Baseline, 1, unread + noImage },
    { "65537", "TestVRMLImporter", Baseline, 0, unread + unread },
  };
  for (const auto& c : cases)
  {
    ProcessOptions options;
    options.setEnv = { std::string("ZEB_FAIL_ALLOC_FROM=") + c.From };
    options.unsetEnv = { "DISPLAY" };
    std::string temporary = MakeTempDirectory();
    ProcessResult r = RunProcess(
      { IMPORT_TESTS_ALLOC_PROBE, c.Test, "-D", DataRoot, "-V", c.Against, "-T", temporary },
      options);
    EXPECT_EQ(r.signal, 0) << c.From;
    EXPECT_EQ(r.exitStatus, c.Status) << c.From;
    // The failing check reports its error and images before the guard's line.
    const size_t tail = r.err.size() >= c.Err.size() ? r.err.size() - c.Err.size() : 0;
    EXPECT_EQ(c.Against == other ? r.err.substr(tail) : r.err, c.Err) << c.From << "\n" << r.err;
  }
}
