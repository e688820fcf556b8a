#include "AtomicFile.h"

#include "Error.h"
#include "SystemErrorText.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace vlt {
namespace {

// Large files go out in pieces, so a failure can strike in the middle of the data too.
constexpr qsizetype kChunkSize = 1 << 20;

class SaveFile : public PendingFile {
public:
    explicit SaveFile(const QString& path) : m_file(path) {}

    bool open() { return m_file.open(QIODevice::WriteOnly); }
    bool write(QByteArrayView chunk) override {
        return m_file.write(chunk.data(), chunk.size()) == chunk.size();
    }
    bool flush() override { return m_file.flush(); }
    bool commit() override { return m_file.commit(); }
    QString errorString() const override { return m_file.errorString(); }

private:
    QSaveFile m_file;
};

class RealFileLayer : public FileLayer {
public:
    std::unique_ptr<PendingFile> open(const QString& path, QString& error) override {
        auto file = std::make_unique<SaveFile>(path);
        if (file->open())
            return file;
        error = file->errorString();
        return nullptr;
    }
};

FileLayer* overrideLayer = nullptr;

} // namespace

Error fileWriteError(const QString& path, const QString& cause) {
    return Error(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                     .arg(path, germanCause(cause)));
}

// Opening creates the temporary file beside the target, so access denied there is the folder's.
Error fileOpenError(const QString& path, const QString& cause) {
    const QString german = germanCause(cause);
    if (!german.startsWith(QStringLiteral("Zugriff verweigert")))
        return fileWriteError(path, cause);
    return Error(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: In den Ordner "
                                "\"%2\" darf nicht geschrieben werden (Zugriff verweigert).")
                     .arg(path, QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
}

FileLayer& activeFileLayer() {
    return overrideLayer ? *overrideLayer : realFileLayer();
}

FileLayer& realFileLayer() {
    static RealFileLayer layer;
    return layer;
}

ScopedFileLayer::ScopedFileLayer(FileLayer& layer) : m_previous(overrideLayer) {
    overrideLayer = &layer;
}

ScopedFileLayer::~ScopedFileLayer() {
    overrideLayer = m_previous;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QString cause;
    const std::unique_ptr<PendingFile> file = activeFileLayer().open(path, cause);
    if (!file)
        throw fileOpenError(path, cause);
    for (qsizetype offset = 0; offset < bytes.size(); offset += kChunkSize) {
        const QByteArrayView chunk =
            QByteArrayView(bytes).sliced(offset, std::min(kChunkSize, bytes.size() - offset));
        if (!file->write(chunk))
            throw fileWriteError(path, file->errorString());
    }
    if (!file->flush() || !file->commit())
        throw fileWriteError(path, file->errorString());
}

} // namespace vlt
