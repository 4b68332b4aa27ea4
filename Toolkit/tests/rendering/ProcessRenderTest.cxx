// Whole runs of a rendering program: separate processes give byte-identical
// images whatever graphics driver the caller's environment asks for, they
// end without a leak report, and Mesa is loaded only for a frame whose
// pixels are wanted.
#include "RunProcess.h"

#include <gtest/gtest.h>

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
