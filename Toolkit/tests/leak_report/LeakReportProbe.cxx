// Tests of the leak probe program: each leaves a known set of toolkit
// objects alive at exit, so that the leak report can be observed. The
// leaked objects stay reachable from a global table: the toolkit's report
// is under test here, not the sanitizer's.
#include <zebObjectFactory.h>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

class zebLeakProbeWidget : public zebObjectBase
{
  zebTypeMacro(zebLeakProbeWidget, zebObjectBase);

public:
  static zebLeakProbeWidget* New();

protected:
  zebLeakProbeWidget() = default;
};
zebStandardNewMacro(zebLeakProbeWidget);

class zebLeakProbeGadget : public zebObjectBase
{
  zebTypeMacro(zebLeakProbeGadget, zebObjectBase);

public:
  static zebLeakProbeGadget* New();

protected:
  zebLeakProbeGadget() = default;
};
zebStandardNewMacro(zebLeakProbeGadget);

static zebObjectBase* keptAlive[4];

int LeakOneWidget(int, char*[])
{
  keptAlive[0] = zebLeakProbeWidget::New();
  zebLeakProbeGadget::New()->Delete();
  return 0;
}

// Leaks, and fails on its own account.
int LeakAndFail(int, char*[])
{
  keptAlive[0] = zebLeakProbeWidget::New();
  return 3;
}

int LeakWidgetAndGadgets(int, char*[])
{
  keptAlive[0] = zebLeakProbeGadget::New();
  keptAlive[1] = zebLeakProbeWidget::New();
  keptAlive[2] = zebLeakProbeGadget::New();
  zebLeakProbeWidget::New()->Delete();
  return 0;
}

// A second reference keeps the widget alive after its owner let go.
int LeakByExtraReference(int, char*[])
{
  zebLeakProbeWidget* widget = zebLeakProbeWidget::New();
  widget->Register(nullptr);
  widget->Delete();
  keptAlive[0] = widget;
  return 0;
}

int ReleaseEverything(int, char*[])
{
  zebLeakProbeWidget* widget = zebLeakProbeWidget::New();
  zebLeakProbeGadget* gadget = zebLeakProbeGadget::New();
  gadget->Delete();
  widget->Delete();
  return 0;
}
