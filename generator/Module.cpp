#include "Module.h"

namespace gen {

const QString& separator() {
    static const QString line = QStringLiteral("'") + QString(139, QChar(0x20AC));
    return line;
}

void writeSectionTitle(ModuleWriter& out, QStringView title, SourcePlace where) {
    out.line(LineStart(separator(), where));
    out.line(LineStart(title, where));
    out.line(LineStart(separator(), where));
    out.line(LineStart(u"'", where));
}

} // namespace gen
