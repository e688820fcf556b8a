#include "Version.h"

namespace vlt {

QString programVersion() {
    return QStringLiteral(CLASSSHAPER_VERSION);
}

} // namespace vlt
