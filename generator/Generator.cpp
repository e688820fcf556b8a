#include "Generator.h"

#include "corelib/Error.h"

namespace gen {

QString hCompile(cls_Class&, bool)
{
    throw vlt::Error(QStringLiteral("Der Generator ist noch nicht eingebaut."));
}

} // namespace gen
