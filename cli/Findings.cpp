#include "Findings.h"

#include "generator/Checks.h"

#include <QTextStream>

namespace cli {

qsizetype printFindings(const QString& templatePath, const cls_Class& tpl) {
    const std::vector<gen::Finding> findings = gen::checkTemplate(tpl);
    QTextStream err(stderr);
    for (const gen::Finding& finding : findings)
        err << templatePath << QStringLiteral(": ") << gen::describe(finding) << Qt::endl;
    return static_cast<qsizetype>(findings.size());
}

} // namespace cli
