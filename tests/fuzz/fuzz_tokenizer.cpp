// The command-line tokenizer: no token is empty or holds a blank outside quotes, and the
// tokens hold every character of the line but the separating blanks.
#include "FuzzSupport.h"

#include "corelib/Tokenizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList tokens = vlt::tokenizeCommandLine(line);
    for (const QString& token : tokens) {
        require(!token.isEmpty(), "no empty token");
        bool quoted = false;
        for (const QChar c : token) {
            if (c == u'"')
                quoted = !quoted;
            require(quoted || c != u' ', "blanks only inside quotes");
        }
    }
    QString kept;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        if (quoted || c != u' ')
            kept.append(c);
    }
    require(tokens.join(QString()) == kept, "no character lost but the separating blanks");
    return 0;
}
