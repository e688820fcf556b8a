#pragma once

#include "corelib/AtomicFile.h"
#include "support/Literals.h"

#include <memory>

// Sends every atomic write to the real file system but fails one chosen step. Steps are
// counted over all writes: opening, each chunk written, flushing and the final rename. A failed
// chunk write puts half of its bytes into the temporary file first, as a full disk would.
class FaultyFileLayer : public vlt::FileLayer {
public:
    int failAt = -1; // the step that fails; -1 lets every step through
    int steps = 0;   // the steps seen so far

    bool stepFails() { return steps++ == failAt; }

    std::unique_ptr<vlt::PendingFile> open(const QString& path, QString& error) override;
};

class FaultyPendingFile : public vlt::PendingFile {
public:
    FaultyPendingFile(FaultyFileLayer& layer, std::unique_ptr<vlt::PendingFile> real)
        : m_layer(layer), m_real(std::move(real)) {}

    bool write(QByteArrayView chunk) override {
        if (!m_layer.stepFails())
            return m_real->write(chunk);
        m_real->write(chunk.first(chunk.size() / 2));
        return injected(u"Auf dem Datenträger ist kein Platz mehr."_s);
    }
    bool flush() override {
        return m_layer.stepFails() ? injected(u"Eingabe-/Ausgabefehler."_s) : m_real->flush();
    }
    bool commit() override {
        return m_layer.stepFails() ? injected(u"Umbenennen nicht möglich."_s) : m_real->commit();
    }
    QString errorString() const override {
        return m_error.isEmpty() ? m_real->errorString() : m_error;
    }

private:
    bool injected(const QString& cause) {
        m_error = cause;
        return false;
    }

    FaultyFileLayer& m_layer;
    std::unique_ptr<vlt::PendingFile> m_real;
    QString m_error;
};

inline std::unique_ptr<vlt::PendingFile> FaultyFileLayer::open(const QString& path,
                                                               QString& error) {
    if (stepFails()) {
        error = u"Zugriff verweigert."_s;
        return nullptr;
    }
    auto real = vlt::realFileLayer().open(path, error);
    if (!real)
        return nullptr;
    return std::make_unique<FaultyPendingFile>(*this, std::move(real));
}
