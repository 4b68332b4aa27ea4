// The toolkit's object model: reference counting, owning handles, type
// names, printing, and the factory that abstract classes are made through
// once a module has registered an implementation.
#include "TestEnvironment.h"

#include <zebModuleInit.h>
#include <zebObjectFactory.h>
#include <zebSmartPointerBase.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace
{
int destroyedCount = 0;
int shapeRegistrations = 0;
}

// A concrete class that counts its destructions.
class zebProbeCounted : public zebObjectBase
{
  zebTypeMacro(zebProbeCounted, zebObjectBase);

public:
  static zebProbeCounted* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override
  {
    this->Superclass::PrintSelf(os, indent);
    os << indent << "Value: " << this->Value << "\n";
  }

protected:
  zebProbeCounted() = default;
  ~zebProbeCounted() override
  {
    ++destroyedCount;
  }

  int Value = 7;
};
zebStandardNewMacro(zebProbeCounted);

// An abstract class whose implementation, zebProbeSquare, comes from the
// zebProbeShapes module.
class zebProbeShape : public zebObjectBase
{
  zebTypeMacro(zebProbeShape, zebObjectBase);

public:
  static zebProbeShape* New();
  virtual int GetNumberOfCorners() const = 0;

protected:
  zebProbeShape() = default;
};
zebAbstractNewMacro(zebProbeShape);

class zebProbeSquare : public zebProbeShape
{
  zebTypeMacro(zebProbeSquare, zebProbeShape);

public:
  static zebProbeSquare* New();
  int GetNumberOfCorners() const override
  {
    return 4;
  }

protected:
  zebProbeSquare() = default;
};
zebStandardNewMacro(zebProbeSquare);

static zebObjectBase* NewSquare()
{
  return zebProbeSquare::New();
}

static void RegisterShapes()
{
  ++shapeRegistrations;
  zebObjectFactory::RegisterOverride("zebProbeShape", NewSquare, "zebProbeShapes");
}

ZEB_MODULE_AUTOINIT(zebProbeShapes, RegisterShapes)

namespace
{
// Holds a new object in a handle and leaves early, normally or by throwing.
int HoldAndLeave(bool early, bool raise)
{
  zebSmartPointer<zebProbeCounted> held = zebSmartPointer<zebProbeCounted>::New();
  if (early)
  {
    return 1;
  }
  if (raise)
  {
    throw std::runtime_error("leaving by exception");
  }
  return 0;
}

// The number of corners of a new shape, or -1 when none could be made;
// the shape is released again.
int NewShapeCorners()
{
  zebProbeShape* shape = zebProbeShape::New();
  if (!shape)
  {
    return -1;
  }
  int corners = shape->GetNumberOfCorners();
  shape->Delete();
  return corners;
}
}

TEST(ObjectModel, ReferenceCountingDestroysWithTheLastReference)
{
  destroyedCount = 0;
  zebProbeCounted* object = zebProbeCounted::New();
  EXPECT_EQ(object->GetReferenceCount(), 1);
  object->Register(nullptr);
  EXPECT_EQ(object->GetReferenceCount(), 2);
  object->Delete();
  EXPECT_EQ(destroyedCount, 0);
  EXPECT_EQ(object->GetReferenceCount(), 1);
  object->Register(nullptr);
  object->UnRegister(nullptr);
  EXPECT_EQ(destroyedCount, 0);
  object->Delete();
  EXPECT_EQ(destroyedCount, 1);
}

TEST(ObjectModel, HandlesAddAndDropReferences)
{
  destroyedCount = 0;
  zebProbeCounted* object = zebProbeCounted::New();
  {
    zebSmartPointer<zebProbeCounted> first(object);
    EXPECT_EQ(object->GetReferenceCount(), 2);
    zebSmartPointer<zebProbeCounted> second = first;
    EXPECT_EQ(object->GetReferenceCount(), 3);
    zebSmartPointer<zebProbeCounted>& alias = second;
    second = alias;
    second = object;
    EXPECT_EQ(object->GetReferenceCount(), 3);
    EXPECT_EQ(second.GetPointer(), object);
  }
  EXPECT_EQ(object->GetReferenceCount(), 1);
  EXPECT_EQ(destroyedCount, 0);

  // Giving a handle another object releases the one it held.
  zebSmartPointer<zebProbeCounted> handle(object, zebSmartPointerBase::NoReference());
  handle = zebProbeCounted::New();
  EXPECT_EQ(destroyedCount, 1);
  EXPECT_EQ(handle->GetReferenceCount(), 2);
  handle->Delete();
  handle = nullptr;
  EXPECT_EQ(destroyedCount, 2);
  EXPECT_EQ(handle.GetPointer(), nullptr);
}

TEST(ObjectModel, HandleReleasesOnEveryExitPath)
{
  destroyedCount = 0;
  EXPECT_EQ(HoldAndLeave(false, false), 0);
  EXPECT_EQ(destroyedCount, 1);
  EXPECT_EQ(HoldAndLeave(true, false), 1);
  EXPECT_EQ(destroyedCount, 2);
  EXPECT_THROW(HoldAndLeave(false, true), std::runtime_error);
  EXPECT_EQ(destroyedCount, 3);
}

TEST(ObjectModel, NoReferenceTakesOverTheCreationReference)
{
  destroyedCount = 0;
  zebProbeCounted* object = zebProbeCounted::New();
  {
    zebSmartPointer<zebProbeCounted> handle(object, zebSmartPointerBase::NoReference());
    EXPECT_EQ(object->GetReferenceCount(), 1);
    EXPECT_EQ(static_cast<zebProbeCounted*>(handle), object);
  }
  EXPECT_EQ(destroyedCount, 1);

  zebSmartPointer<zebProbeCounted> made = zebSmartPointer<zebProbeCounted>::New();
  EXPECT_EQ(made->GetReferenceCount(), 1);
}

TEST(ObjectModel, TypeNamesAndDownCasts)
{
  zebSmartPointer<zebProbeCounted> counted = zebSmartPointer<zebProbeCounted>::New();
  EXPECT_STREQ(counted->GetClassName(), "zebProbeCounted");
  EXPECT_TRUE(counted->IsA("zebProbeCounted"));
  EXPECT_TRUE(counted->IsA("zebObjectBase"));
  EXPECT_FALSE(counted->IsA("zebProbeShape"));
  zebObjectBase* base = counted;
  EXPECT_EQ(zebProbeCounted::SafeDownCast(base), counted.GetPointer());
  EXPECT_EQ(zebProbeShape::SafeDownCast(base), nullptr);
  EXPECT_EQ(zebProbeShape::SafeDownCast(nullptr), nullptr);
}

TEST(ObjectModel, PrintWritesHeaderThenStateBaseClassFirst)
{
  zebSmartPointer<zebProbeCounted> counted = zebSmartPointer<zebProbeCounted>::New();
  std::ostringstream address;
  address << static_cast<const void*>(counted.GetPointer());
  std::ostringstream printed;
  counted->Print(printed);
  EXPECT_EQ(printed.str(),
            "zebProbeCounted (" + address.str() +
              ")\n"
              "  Reference Count: 1\n"
              "  Value: 7\n");
}

TEST(ObjectModel, AbstractNewNeedsItsModule)
{
  testing::internal::CaptureStderr();
  EXPECT_EQ(NewShapeCorners(), -1);
  std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("zebProbeShape"), std::string::npos) << message;
  EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line: " << message;

  shapeRegistrations = 0;
  zebProbeShapes_AutoInit_Construct();
  testing::internal::CaptureStderr();
  zebProbeShape* shape = zebProbeShape::New();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  ASSERT_NE(shape, nullptr);
  EXPECT_STREQ(shape->GetClassName(), "zebProbeSquare");
  EXPECT_EQ(shape->GetNumberOfCorners(), 4);
  shape->Delete();
  zebProbeShapes_AutoInit_Destruct();
  EXPECT_EQ(shapeRegistrations, 1);
}

TEST(ObjectModel, ModuleRegistrationsAreCountedAcrossRepeatedPairs)
{
  shapeRegistrations = 0;
  zebProbeShapes_AutoInit_Construct();
  zebProbeShapes_AutoInit_Construct();
  EXPECT_EQ(shapeRegistrations, 1);
  EXPECT_EQ(NewShapeCorners(), 4);
  zebProbeShapes_AutoInit_Destruct();
  EXPECT_EQ(NewShapeCorners(), 4);
  zebProbeShapes_AutoInit_Destruct();

  testing::internal::CaptureStderr();
  EXPECT_EQ(NewShapeCorners(), -1);
  testing::internal::GetCapturedStderr();

  // A destruct without a construct leaves the count alone.
  zebProbeShapes_AutoInit_Destruct();
  zebProbeShapes_AutoInit_Construct();
  EXPECT_EQ(shapeRegistrations, 2);
  EXPECT_EQ(NewShapeCorners(), 4);
  zebProbeShapes_AutoInit_Destruct();
  testing::internal::CaptureStderr();
  EXPECT_EQ(NewShapeCorners(), -1);
  testing::internal::GetCapturedStderr();
}

TEST(ObjectModel, FactoryRefusesAnImplementationOfAnotherClass)
{
  destroyedCount = 0;
  zebObjectFactory::RegisterOverride(
    "zebProbeShape", []() -> zebObjectBase* { return zebProbeCounted::New(); }, "zebProbeWrong");
  testing::internal::CaptureStderr();
  EXPECT_EQ(zebProbeShape::New(), nullptr);
  std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("zebProbeCounted"), std::string::npos) << message;
  EXPECT_EQ(destroyedCount, 1);
  zebObjectFactory::UnRegisterOverrides("zebProbeWrong");
}

TEST(ObjectModel, TraceNamesEachConstructAndDestruct)
{
  SetTestVariable("ZEB_TRACE_INIT", "1");
  testing::internal::CaptureStderr();
  zebProbeShapes_AutoInit_Construct();
  zebProbeShapes_AutoInit_Destruct();
  std::string trace = testing::internal::GetCapturedStderr();
  UnsetTestVariable("ZEB_TRACE_INIT");
  EXPECT_EQ(trace, "zebInit: construct zebProbeShapes\nzebInit: destruct zebProbeShapes\n");

  testing::internal::CaptureStderr();
  zebProbeShapes_AutoInit_Construct();
  zebProbeShapes_AutoInit_Destruct();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
