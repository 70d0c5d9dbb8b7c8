#include "objects/ObjectClasses.h"

#include "document/ObjectClassRegistry.h"
#include "objects/shapes/TGLabelShapes.h"
#include "objects/shapes/TGLineShape.h"
#include "objects/text/TGCounterLabel.h"
#include "objects/text/TGMultiLineLabel.h"
#include "objects/text/TGPLabel.h"
#include "objects/text/TGSymbolLabel.h"

void registerLabelObjectClasses()
{
    ObjectClassRegistry::registerClass<TGLineShape>();
    ObjectClassRegistry::registerClass<TGLabelShapes>();
    ObjectClassRegistry::registerClass<TGPLabel>();
    ObjectClassRegistry::registerClass<TGSymbolLabel>();
    ObjectClassRegistry::registerClass<TGCounterLabel>();
    ObjectClassRegistry::registerClass<TGMultiLineLabel>();
}
