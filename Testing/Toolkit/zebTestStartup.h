// Start-up registrations of a test source, made during static
// initialisation before main runs:
//
//   ZEB_LEAK_TRACKING_HOLDER()
//   ZEB_AUTOINIT_GROUP(zebInteractionStyle, zebRenderingOpenGL)
//
// The holder tracks toolkit objects until it is destroyed at exit. A group
// calls each module's <module>_AutoInit_Construct in list order, then
// registers one exit function that calls each <module>_AutoInit_Destruct in
// the same list order. Registrations are undone in reverse order at exit, so
// the holder, written first, goes last. Groups take one to eight modules.
#ifndef ZEB_TEST_STARTUP_H
#define ZEB_TEST_STARTUP_H

#include <zebDebugLeaks.h>

#include <cstdlib>

#define ZEB_PP_CAT(a, b) ZEB_PP_CAT_I(a, b)
#define ZEB_PP_CAT_I(a, b) a##b
#define ZEB_PP_COUNT(...) ZEB_PP_COUNT_I(__VA_ARGS__, 8, 7, 6, 5, 4, 3, 2, 1, 0)
#define ZEB_PP_COUNT_I(_1, _2, _3, _4, _5, _6, _7, _8, count, ...) count
#define ZEB_PP_FOR_EACH(macro, ...)                                                                \
  ZEB_PP_CAT(ZEB_PP_FOR_EACH_, ZEB_PP_COUNT(__VA_ARGS__))(macro, __VA_ARGS__)
#define ZEB_PP_FOR_EACH_1(m, a) m(a)
#define ZEB_PP_FOR_EACH_2(m, a, ...) m(a) ZEB_PP_FOR_EACH_1(m, __VA_ARGS__)
#define ZEB_PP_FOR_EACH_3(m, a, ...) m(a) ZEB_PP_FOR_EACH_2(m, __VA_ARGS__)
#define ZEB_PP_FOR_EACH_4(m, a, ...) m(a) ZEB_PP_FOR_EACH_3(m, __VA_ARGS__)
#define ZEB_PP_FOR_EACH_5(m, a, ...) m(a) ZEB_PP_FOR_EACH_4(m, __VA_ARGS__)
#define ZEB_PP_FOR_EACH_6(m, a, ...) m(a) ZEB_PP_FOR_EACH_5(m, __VA_ARGS__)
#define ZEB_PP_FOR_EACH_7(m, a, ...) m(a) ZEB_PP_FOR_EACH_6(m, __VA_ARGS__)
#define ZEB_PP_FOR_EACH_8(m, a, ...) m(a) ZEB_PP_FOR_EACH_7(m, __VA_ARGS__)

#define ZEB_AUTOINIT_DECLARE_PAIR(module)                                                          \
  void module##_AutoInit_Construct();                                                              \
  void module##_AutoInit_Destruct();
#define ZEB_AUTOINIT_CALL_CONSTRUCT(module) module##_AutoInit_Construct();
#define ZEB_AUTOINIT_CALL_DESTRUCT(module) module##_AutoInit_Destruct();

#define ZEB_LEAK_TRACKING_HOLDER()                                                                 \
  namespace                                                                                        \
  {                                                                                                \
  zebDebugLeaksManager zebLeakTrackingHolder;                                                      \
  }

#define ZEB_AUTOINIT_GROUP(...)                                                                    \
  ZEB_AUTOINIT_GROUP_I(ZEB_PP_CAT(zebAutoInitGroup, __LINE__), __VA_ARGS__)
#define ZEB_AUTOINIT_GROUP_I(group, ...)                                                           \
  ZEB_PP_FOR_EACH(ZEB_AUTOINIT_DECLARE_PAIR, __VA_ARGS__)                                          \
  namespace                                                                                        \
  {                                                                                                \
  void ZEB_PP_CAT(group, Destruct)()                                                               \
  {                                                                                                \
    ZEB_PP_FOR_EACH(ZEB_AUTOINIT_CALL_DESTRUCT, __VA_ARGS__)                                       \
  }                                                                                                \
  struct ZEB_PP_CAT(group, Type)                                                                   \
  {                                                                                                \
    ZEB_PP_CAT(group, Type)()                                                                      \
    {                                                                                              \
      ZEB_PP_FOR_EACH(ZEB_AUTOINIT_CALL_CONSTRUCT, __VA_ARGS__)                                    \
      atexit(ZEB_PP_CAT(group, Destruct));                                                         \
    }                                                                                              \
  } const group;                                                                                   \
  }

#endif
