// Creation of view proxies through the object factory.
#include "zebSMViewProxy.h"

#include "zebObjectFactory.h"

zebAbstractNewMacro(zebSMViewProxy);
