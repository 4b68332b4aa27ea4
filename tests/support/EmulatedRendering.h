// What the renderer cannot do where the tests run under an emulator.
#ifndef ZEB_TESTS_EMULATED_RENDERING_H
#define ZEB_TESTS_EMULATED_RENDERING_H

// Whether frames of several samples per pixel can be drawn here. llvmpipe's
// multisampled drawing crashes in the code it generates when 64-bit ARM
// programs run under qemu-aarch64 (Mesa 22.3 and qemu 7.2, with every CPU
// model and from 2 samples up; single-sampled frames are drawn as on
// x86-64). A test leaves such a case out there, and says so.
#if defined(__aarch64__) && defined(ZEB_TEST_EMULATOR)
constexpr bool MultisamplingWorksHere = false;
#else
constexpr bool MultisamplingWorksHere = true;
#endif

#endif
