#include "Tokenizer.h"

namespace vlt {

QStringList tokenizeCommandLine(const QString& commandLine) {
    QStringList tokens;
    QString current;
    bool quoted = false;
    for (const QChar c : commandLine) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(' ') && !quoted) {
            if (!current.isEmpty())
                tokens.append(current);
            current.clear();
            continue;
        }
        current.append(c);
    }
    if (!current.isEmpty())
        tokens.append(current);
    return tokens;
}

} // namespace vlt
