// Whole runs of a rendering program: separate processes give byte-identical
// images whatever graphics driver the caller's Mesa settings ask for, the
// renderer's own settings choose the driver and the samples per pixel, runs
// end without a leak report, and Mesa is loaded only for a frame whose
// pixels are wanted.
#include "EmulatedRendering.h"
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
ProcessResult RenderTo(const std::string& path, const std::vector<std::string>& setEnv = {})
{
  ProcessOptions options;
  options.setEnv = setEnv;
  return RunProcess({ RENDERING_PROBE, path }, options);
}
}

TEST(RenderProcess, RunsGiveIdenticalImagesInAnyEnvironment)
{
  const std::string directory = MakeTempDirectory();
  ProcessResult first = RenderTo(directory + "/first.png");
  ASSERT_EQ(first.exitStatus, 0) << first.err;
  EXPECT_EQ(first.err, "");
  ProcessResult second = RenderTo(directory + "/second.png");
  ASSERT_EQ(second.exitStatus, 0) << second.err;
  ProcessResult redirected = RenderTo(directory + "/redirected.png",
                                      { "GALLIUM_DRIVER=softpipe",
                                        "LIBGL_ALWAYS_SOFTWARE=0",
                                        "EGL_PLATFORM=x11",
                                        "MESA_GL_VERSION_OVERRIDE=3.0",
                                        "MESA_EXTENSION_OVERRIDE=-GL_ARB_framebuffer_object",
                                        "MESA_LOADER_DRIVER_OVERRIDE=kms_swrast" });
  ASSERT_EQ(redirected.exitStatus, 0) << redirected.err;

  bool found = false;
  const std::string image = ReadFile(directory + "/first.png", &found);
  ASSERT_TRUE(found);
  EXPECT_EQ(image.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
  EXPECT_TRUE(ReadFile(directory + "/second.png") == image);
  EXPECT_TRUE(ReadFile(directory + "/redirected.png") == image);
}

// ZEB_OPENGL_DRIVER and ZEB_OPENGL_SAMPLES: their defaults, the other
// driver and multisampling, each drawing differently, and values refused.
TEST(RenderProcess, SettingsChooseTheDriverAndTheSamplesPerPixel)
{
  const std::string directory = MakeTempDirectory();
  ASSERT_EQ(RenderTo(directory + "/default.png").exitStatus, 0);
  const std::string byDefault = ReadFile(directory + "/default.png");
  const char* const fourSamples = "ZEB_OPENGL_SAMPLES=4";
  const struct
  {
    const char* Setting;
    bool SameAsDefault;
    const char* Refusal;  // the first line printed, for a value refused
  } cases[] = {
    { "ZEB_OPENGL_DRIVER=llvmpipe", true, nullptr },
    { "ZEB_OPENGL_DRIVER=", true, nullptr },
    { "ZEB_OPENGL_SAMPLES=1", true, nullptr },
    { "ZEB_OPENGL_DRIVER=softpipe", false, nullptr },
    { fourSamples, false, nullptr },
    { "ZEB_OPENGL_DRIVER=swrast",
      false,
      "zebOpenGLRenderWindow: ZEB_OPENGL_DRIVER is \"swrast\"; it can be llvmpipe or softpipe\n" },
    { "ZEB_OPENGL_SAMPLES=0",
      false,
      "zebOpenGLRenderWindow: ZEB_OPENGL_SAMPLES is \"0\"; it can be a count of samples per "
      "pixel from 1 to 16\n" },
    { "ZEB_OPENGL_SAMPLES=4x", false, "zebOpenGLRenderWindow: ZEB_OPENGL_SAMPLES is \"4x\"" },
  };
  for (const auto& c : cases)
  {
    if (c.Setting == fourSamples && !MultisamplingWorksHere)
    {
      printf("%s: left out, no multisampling here\n", c.Setting);
      continue;
    }
    const std::string path = directory + "/image.png";
    remove(path.c_str());
    const ProcessResult r = RenderTo(path, { c.Setting });
    if (c.Refusal)
    {
      EXPECT_EQ(r.exitStatus, 1) << c.Setting;
      EXPECT_EQ(r.err.rfind(c.Refusal, 0), 0u) << c.Setting << "\n" << r.err;
      continue;
    }
    ASSERT_EQ(r.exitStatus, 0) << c.Setting << "\n" << r.err;
    EXPECT_EQ(ReadFile(path) == byDefault, c.SameAsDefault) << c.Setting;
  }
}

TEST(RenderProcess, ReleasedSceneLeavesNoLeakReport)
{
  const std::string directory = MakeTempDirectory();
  ProcessResult run = RenderTo(directory + "/scene.png", { "ZEB_TRACE_INIT=1" });
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err.find("Leaks detected"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("zebInit: destruct zebRenderingOpenGL"), std::string::npos) << run.err;
}

TEST(RenderProcess, MesaLoadsOnlyForAFrameWhosePixelsAreWanted)
{
  // The dynamic loader names each library it initialises.
  ProcessOptions options;
  options.setEnv = { "LD_DEBUG=files" };
  const std::string data = ZEB_DATA_DIR;
  ProcessResult imported = RunProcess({ IMPORT_TESTS, "TestVRMLImporter", "-D", data }, options);
  ASSERT_EQ(imported.exitStatus, 0);
  EXPECT_NE(imported.err.find("calling init"), std::string::npos);
  EXPECT_EQ(imported.err.find("libEGL_mesa"), std::string::npos);

  ProcessResult compared = RunProcess(
    { IMPORT_TESTS, "TestVRMLNormals", "-D", data, "-V", data + "/Baseline/TestVRMLNormals.png" },
    options);
  ASSERT_EQ(compared.exitStatus, 0);
  EXPECT_NE(compared.err.find("libEGL_mesa"), std::string::npos);
}
