#include "Module.h"

namespace gen {

const QString& separator() {
    static const QString line = QStringLiteral("'") + QString(139, QChar(0x20AC));
    return line;
}

void writeSectionTitle(ModuleWriter& out, QStringView title) {
    out.line(separator());
    out.line(title);
    out.line(separator());
    out.line(u"'");
}

} // namespace gen
