// The server-manager stand-in on its own: proxies made from the built-in
// definitions, the transfer-function manager's lookups, messages for
// unknown names, the initialisation cycle and ownership. Each test runs in
// its own process, and a leak report at exit fails it.
#include <zebInitializationHelper.h>
#include <zebSMProperty.h>
#include <zebSMPropertyHelper.h>
#include <zebSMProxy.h>
#include <zebSMSession.h>
#include <zebSMSessionProxyManager.h>
#include <zebSMTransferFunctionManager.h>
#include <zebSMViewProxy.h>
#include <zebTestStartup.h>

#include <gtest/gtest.h>

#include <sstream>

ZEB_LEAK_TRACKING_HOLDER()
ZEB_AUTOINIT_GROUP(zebOBServerManagerRendering)

namespace
{
// Initialises the server manager and makes a session and a manager; the
// test may release either early, setting the member to null.
class ServerManager : public testing::Test
{
protected:
  void SetUp() override
  {
    zebInitializationHelper::Initialize("/opt/zeb/bin/smrendering_tests", 0);
    this->session = zebSMSession::New();
    this->proxyManager = this->session->GetSessionProxyManager();
    this->manager = zebSMTransferFunctionManager::New();
  }
  void TearDown() override
  {
    if (this->session)
    {
      this->session->Delete();
    }
    if (this->manager)
    {
      this->manager->Delete();
    }
    zebInitializationHelper::Finalize();
  }

  zebSMSession* session = nullptr;
  zebSMSessionProxyManager* proxyManager = nullptr;
  zebSMTransferFunctionManager* manager = nullptr;
};

zebSMProxy* ReadProxy(zebSMProxy* proxy, const char* property, unsigned index = 0)
{
  return zebSMPropertyHelper(proxy, property).GetAsProxy(index);
}

std::string Printed(zebObjectBase* object)
{
  std::ostringstream out;
  object->Print(out);
  return out.str();
}
}

TEST_F(ServerManager, OneTransferFunctionPerArrayNameAndProxyManager)
{
  zebSMProxy* colorOne = manager->GetColorTransferFunction("arrayOne", proxyManager);
  ASSERT_NE(colorOne, nullptr);
  EXPECT_STREQ(colorOne->GetXMLName(), "PVLookupTable");
  EXPECT_EQ(manager->GetColorTransferFunction("arrayOne", proxyManager), colorOne);
  zebSMProxy* colorTwo = manager->GetColorTransferFunction("arrayTwo", proxyManager);
  ASSERT_NE(colorTwo, nullptr);
  EXPECT_NE(colorTwo, colorOne);
  EXPECT_EQ(proxyManager->GetProxy("lookup_tables", "arrayOne.PVLookupTable"), colorOne);

  zebSMProxy* opacityOne = manager->GetOpacityTransferFunction("arrayOne", proxyManager);
  ASSERT_NE(opacityOne, nullptr);
  EXPECT_STREQ(opacityOne->GetXMLName(), "PiecewiseFunction");
  EXPECT_EQ(manager->GetOpacityTransferFunction("arrayOne", proxyManager), opacityOne);
  zebSMProxy* opacityTwo = manager->GetOpacityTransferFunction("arrayTwo", proxyManager);
  EXPECT_NE(opacityTwo, opacityOne);

  EXPECT_EQ(ReadProxy(colorOne, "ScalarOpacityFunction"), opacityOne);
  EXPECT_EQ(ReadProxy(colorTwo, "ScalarOpacityFunction"), opacityTwo);
  EXPECT_EQ(proxyManager->GetNumberOfRegisteredProxies(), 4u);

  // Another session's proxy manager has functions of its own.
  zebSMSession* other = zebSMSession::New();
  zebSMSessionProxyManager* otherProxyManager = other->GetSessionProxyManager();
  zebSMProxy* otherColor = manager->GetColorTransferFunction("arrayOne", otherProxyManager);
  ASSERT_NE(otherColor, nullptr);
  EXPECT_NE(otherColor, colorOne);
  EXPECT_NE(ReadProxy(otherColor, "ScalarOpacityFunction"), opacityOne);
  EXPECT_EQ(ReadProxy(otherColor, "ScalarOpacityFunction"),
            manager->GetOpacityTransferFunction("arrayOne", otherProxyManager));
  other->Delete();

  EXPECT_EQ(manager->GetColorTransferFunction(nullptr, proxyManager), nullptr);
  EXPECT_EQ(manager->GetOpacityTransferFunction("arrayOne", nullptr), nullptr);
}

TEST_F(ServerManager, OpacityFunctionAskedFirstIsTheOneLinked)
{
  zebSMProxy* opacity = manager->GetOpacityTransferFunction("pressure", proxyManager);
  zebSMProxy* color = manager->GetColorTransferFunction("pressure", proxyManager);
  EXPECT_EQ(ReadProxy(color, "ScalarOpacityFunction"), opacity);
  EXPECT_EQ(proxyManager->GetNumberOfRegisteredProxies(), 2u);
}

TEST_F(ServerManager, OneScalarBarPerColourFunctionAndView)
{
  zebSMProxy* color = manager->GetColorTransferFunction("arrayOne", proxyManager);
  zebSMProxy* otherColor = manager->GetColorTransferFunction("arrayTwo", proxyManager);
  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  zebSMProxy* otherView = proxyManager->NewProxy("views", "RenderView", nullptr);
  ASSERT_NE(view, nullptr);
  ASSERT_NE(otherView, nullptr);
  EXPECT_TRUE(view->IsA("zebSMRenderViewProxy"));

  EXPECT_EQ(manager->GetScalarBarRepresentation(nullptr, nullptr), nullptr);
  EXPECT_EQ(manager->GetScalarBarRepresentation(color, nullptr), nullptr);
  EXPECT_EQ(manager->GetScalarBarRepresentation(nullptr, view), nullptr);
  EXPECT_EQ(manager->GetNumberOfScalarBarRepresentations(), 0u);

  zebSMProxy* scalarBar = manager->GetScalarBarRepresentation(color, view);
  ASSERT_NE(scalarBar, nullptr);
  EXPECT_STREQ(scalarBar->GetXMLName(), "ScalarBarWidgetRepresentation");
  EXPECT_EQ(manager->GetScalarBarRepresentation(color, view), scalarBar);
  zebSMProxy* inOtherView = manager->GetScalarBarRepresentation(color, otherView);
  zebSMProxy* ofOtherColor = manager->GetScalarBarRepresentation(otherColor, view);
  EXPECT_NE(inOtherView, scalarBar);
  EXPECT_NE(ofOtherColor, scalarBar);
  EXPECT_NE(ofOtherColor, inOtherView);
  EXPECT_EQ(manager->GetNumberOfScalarBarRepresentations(), 3u);

  EXPECT_EQ(ReadProxy(scalarBar, "LookupTable"), color);
  EXPECT_EQ(ReadProxy(view, "Representations", 0), scalarBar);
  EXPECT_EQ(ReadProxy(view, "Representations", 1), ofOtherColor);
  EXPECT_TRUE(view->NeedsUpdate());
  view->UpdateObjects();
  EXPECT_FALSE(view->NeedsUpdate());
  EXPECT_EQ(zebSMViewProxy::SafeDownCast(view)->GetNumberOfUpdatedRepresentations(), 2u);

  view->Delete();
  otherView->Delete();
}

TEST_F(ServerManager, UnknownNamesGiveNullWithAMessage)
{
  testing::internal::CaptureStderr();
  EXPECT_EQ(proxyManager->NewProxy("views", "NoSuchView", nullptr), nullptr);
  EXPECT_EQ(proxyManager->NewProxy("no_group", "RenderView", nullptr), nullptr);
  EXPECT_EQ(proxyManager->NewProxy(nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(proxyManager->NewProxy("views", "RenderView", "Camera"), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "zebSMSessionProxyManager: no proxy definition \"NoSuchView\" in group \"views\"\n"
            "zebSMSessionProxyManager: no proxy definition \"RenderView\" in group "
            "\"no_group\"\n"
            "zebSMSessionProxyManager: no proxy definition \"(null)\" in group \"(null)\"\n"
            "zebSMSessionProxyManager: proxy \"RenderView\" of group \"views\" has no subproxy "
            "\"Camera\"\n");

  zebSMProxy* color = manager->GetColorTransferFunction("arrayOne", proxyManager);
  testing::internal::CaptureStderr();
  EXPECT_EQ(zebSMPropertyHelper(color, "NoSuchProperty", false).GetAsProxy(0), nullptr);
  EXPECT_EQ(zebSMPropertyHelper(color, "RGBPoints", false).GetAsProxy(0), nullptr);
  EXPECT_EQ(zebSMPropertyHelper(nullptr, "LookupTable", false).GetAsProxy(0), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "zebSMPropertyHelper: proxy \"PVLookupTable\" of group \"lookup_tables\" has no "
            "property \"NoSuchProperty\"\n"
            "zebSMPropertyHelper: property \"RGBPoints\" holds values, not proxies\n"
            "zebSMPropertyHelper: no proxy given for property \"LookupTable\"\n");

  testing::internal::CaptureStderr();
  EXPECT_EQ(zebSMPropertyHelper(color, "NoSuchProperty", true).GetAsProxy(0), nullptr);
  EXPECT_EQ(zebSMPropertyHelper(color, "RGBPoints", true).GetAsProxy(0), nullptr);
  EXPECT_EQ(zebSMPropertyHelper(nullptr, "LookupTable", true).GetAsProxy(0), nullptr);
  EXPECT_EQ(zebSMPropertyHelper(color, "ScalarOpacityFunction", true).GetAsProxy(1), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(ServerManager, PropertiesHoldValuesAndProxies)
{
  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  zebSMPropertyHelper size(view, "ViewSize");
  EXPECT_EQ(size.GetNumberOfElements(), 2u);
  EXPECT_EQ(size.GetAsDouble(0), 300.0);
  EXPECT_FALSE(view->NeedsUpdate());
  size.Set(1, 200.0);
  EXPECT_EQ(size.GetAsDouble(1), 200.0);
  EXPECT_TRUE(view->NeedsUpdate());
  // A value property ignores proxies, a proxy property values.
  size.Set(0, view);
  EXPECT_EQ(size.GetAsDouble(0), 300.0);
  zebSMPropertyHelper representations(view, "Representations");
  representations.Set(0, 5.0);
  EXPECT_EQ(representations.GetNumberOfElements(), 0u);

  zebSMProxy* color = manager->GetColorTransferFunction("arrayOne", proxyManager);
  zebSMPropertyHelper opacity(color, "ScalarOpacityFunction");
  opacity.Set(2, view);
  EXPECT_EQ(opacity.GetNumberOfElements(), 3u);
  EXPECT_EQ(opacity.GetAsProxy(1), nullptr);
  EXPECT_EQ(opacity.GetAsProxy(2), view);
  opacity.SetNumberOfElements(1);
  EXPECT_EQ(opacity.GetAsProxy(2), nullptr);
  view->Delete();
}

TEST(ServerManagerLifecycle, InitializeFinalizeInitializeAgain)
{
  zebSMSession* session = zebSMSession::New();
  zebSMSessionProxyManager* proxyManager = session->GetSessionProxyManager();
  testing::internal::CaptureStderr();
  EXPECT_EQ(proxyManager->NewProxy("views", "RenderView", nullptr), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "zebSMSessionProxyManager: cannot make proxy \"RenderView\" of group \"views\": "
            "the server manager is not initialised\n");

  zebInitializationHelper::Initialize(nullptr, 0);
  EXPECT_TRUE(zebInitializationHelper::IsInitialized());
  EXPECT_STREQ(zebInitializationHelper::GetExecutablePath(), "");
  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  EXPECT_NE(view, nullptr);
  zebInitializationHelper::Initialize("/ignored", 4);
  EXPECT_STREQ(zebInitializationHelper::GetExecutablePath(), "");
  zebInitializationHelper::Finalize();
  EXPECT_FALSE(zebInitializationHelper::IsInitialized());

  // A proxy made before finalising stays usable.
  view->UpdateObjects();
  EXPECT_EQ(view->GetNumberOfUpdates(), 1);
  view->Delete();

  zebInitializationHelper::Initialize("/opt/zeb/bin/program", 1);
  EXPECT_STREQ(zebInitializationHelper::GetExecutablePath(), "/opt/zeb/bin/program");
  EXPECT_EQ(zebInitializationHelper::GetProcessType(), 1);
  view = proxyManager->NewProxy("views", "RenderView", nullptr);
  EXPECT_NE(view, nullptr);
  view->Delete();
  session->Delete();
  zebInitializationHelper::Finalize();
}

TEST_F(ServerManager, ViewsNeedTheRenderingModule)
{
  zebOBServerManagerRendering_AutoInit_Destruct();
  testing::internal::CaptureStderr();
  EXPECT_EQ(proxyManager->NewProxy("views", "RenderView", nullptr), nullptr);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("no implementation of zebSMViewProxy"),
            std::string::npos);
  zebOBServerManagerRendering_AutoInit_Construct();
  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  EXPECT_NE(view, nullptr);
  view->Delete();
}

TEST_F(ServerManager, LookupsHandOutObjectsTheCallerDoesNotOwn)
{
  zebSMProxy* color = manager->GetColorTransferFunction("arrayOne", proxyManager);
  const int references = color->GetReferenceCount();
  manager->GetColorTransferFunction("arrayOne", proxyManager);
  EXPECT_EQ(color->GetReferenceCount(), references);

  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  zebSMProxy* scalarBar = manager->GetScalarBarRepresentation(color, view);
  // The scalar bar, its view and its colour function outlive the session
  // while the manager holds the scalar bar.
  view->Delete();
  session->Delete();
  session = nullptr;
  EXPECT_EQ(ReadProxy(scalarBar, "LookupTable"), color);
  EXPECT_STREQ(color->GetXMLName(), "PVLookupTable");
  EXPECT_NE(ReadProxy(color, "ScalarOpacityFunction"), nullptr);
  EXPECT_EQ(manager->GetScalarBarRepresentation(color, view), scalarBar);
}

TEST_F(ServerManager, PrintSelfShowsState)
{
  zebSMProxy* color = manager->GetColorTransferFunction("arrayOne", proxyManager);
  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  manager->GetScalarBarRepresentation(color, view);

  const std::string printedManager = Printed(manager);
  EXPECT_EQ(printedManager.find("zebSMTransferFunctionManager ("), 0u);
  EXPECT_NE(printedManager.find("\n  Scalar Bar Representations: 1\n"), std::string::npos);
  const std::string printedColor = Printed(color);
  EXPECT_NE(printedColor.find("\n  XML Group: lookup_tables\n  XML Name: PVLookupTable\n"),
            std::string::npos);
  EXPECT_NE(printedColor.find("\n    ScalarOpacityFunction: 1 element(s)\n"), std::string::npos);
  EXPECT_NE(Printed(proxyManager).find("lookup_tables/arrayOne.PVLookupTable: PVLookupTable\n"),
            std::string::npos);
  view->UpdateObjects();
  EXPECT_NE(Printed(view).find("\n  Updated Representations: 1\n"), std::string::npos);
  view->Delete();
}
