#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

namespace vlt {

// Writes bytes to a temporary file beside the target, flushes it and renames it over the
// target; on any failure the target is left as it was and vlt::Error names file and cause.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// One file being written atomically. Destroying it without a successful commit discards the
// temporary file, so the target keeps its previous bytes.
class PendingFile {
public:
    virtual ~PendingFile() = default;
    virtual bool write(QByteArrayView chunk) = 0;
    virtual bool flush() = 0;
    // Renames the temporary file over the target.
    virtual bool commit() = 0;
    virtual QString errorString() const = 0;
};

// Where atomic writes go. The program uses the real file system; tests put a layer in front
// of it that fails chosen steps.
class FileLayer {
public:
    virtual ~FileLayer() = default;
    // Null with `error` set when the temporary file cannot be created.
    virtual std::unique_ptr<PendingFile> open(const QString& path, QString& error) = 0;
};

FileLayer& realFileLayer();
// The layer atomic writes go through now: the real one unless a ScopedFileLayer is alive.
FileLayer& activeFileLayer();
// "Die Datei ... kann nicht geschrieben werden: cause"
class Error;
Error fileWriteError(const QString& path, const QString& cause);
// The same for a write that could not even start; names the folder where that is the cause.
Error fileOpenError(const QString& path, const QString& cause);

// Routes every atomic write through `layer` while it lives; not for concurrent writers.
class ScopedFileLayer {
public:
    explicit ScopedFileLayer(FileLayer& layer);
    ~ScopedFileLayer();
    ScopedFileLayer(const ScopedFileLayer&) = delete;
    ScopedFileLayer& operator=(const ScopedFileLayer&) = delete;

private:
    FileLayer* m_previous;
};

} // namespace vlt
