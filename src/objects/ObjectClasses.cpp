#include "objects/ObjectClasses.h"

#include "document/ObjectClassRegistry.h"
#include "objects/shapes/TGLineShape.h"

void registerLabelObjectClasses()
{
    ObjectClassRegistry::registerClass<TGLineShape>();
}
