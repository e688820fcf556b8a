// Where generated modules go: a file written atomically, standard output, a comparison with
// an existing file, or bytes in memory. The text streams through the encoder in chunks, so
// neither the text nor its bytes are ever held whole.
#include "ModuleOutput.h"

#include "Module.h"
#include "Windows1252Sink.h"

#include "corelib/AtomicFile.h"
#include "corelib/Error.h"
#include "corelib/SystemErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace gen {
namespace {

// Reads an existing file alongside new bytes and tells whether the two are the same.
class ExistingFile {
public:
    explicit ExistingFile(const QString& path) : m_file(path) {
        m_same = m_file.open(QIODevice::ReadOnly);
    }

    bool exists() const { return m_file.exists(); }
    bool readable() const { return m_file.isOpen(); }
    QString errorString() const { return m_file.errorString(); }

    void compare(QByteArrayView bytes) {
        if (!m_same)
            return;
        m_buffer.resize(bytes.size());
        m_same = m_file.read(m_buffer.data(), bytes.size()) == bytes.size() &&
                 std::memcmp(m_buffer.constData(), bytes.data(), std::size_t(bytes.size())) == 0;
    }
    bool sameToTheEnd() const { return m_same && m_file.atEnd(); }

private:
    QFile m_file;
    QByteArray m_buffer;
    bool m_same = false;
};

// The temporary file beside the target, compared with the target while it is written.
class AtomicModuleFile : public ByteSink {
public:
    explicit AtomicModuleFile(const QString& path) : m_path(path), m_existing(path) {
        QString cause;
        m_file = vlt::activeFileLayer().open(path, cause);
        if (!m_file)
            throw vlt::fileOpenError(path, cause);
    }

    void write(QByteArrayView bytes) override {
        m_existing.compare(bytes);
        if (!bytes.isEmpty() && !m_file->write(bytes))
            throw vlt::fileWriteError(m_path, m_file->errorString());
    }

    // Replaces the target unless it already holds the same bytes; then the temporary file is
    // discarded and the target keeps its time. True when the target was replaced.
    bool finish() {
        if (m_existing.sameToTheEnd())
            return false;
        if (!m_file->flush() || !m_file->commit())
            throw vlt::fileWriteError(m_path, m_file->errorString());
        return true;
    }

private:
    QString m_path;
    ExistingFile m_existing;
    std::unique_ptr<vlt::PendingFile> m_file;
};

class StdoutSink : public ByteSink {
public:
    void write(QByteArrayView bytes) override {
        if (std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) !=
            std::size_t(bytes.size()))
            throw failed();
    }
    void finish() {
        if (std::fflush(stdout) != 0)
            throw failed();
    }

private:
    static vlt::Error failed() {
        return vlt::Error(QStringLiteral("Die Standardausgabe kann nicht geschrieben werden."));
    }
};

class ComparingSink : public ByteSink {
public:
    explicit ComparingSink(ExistingFile& existing) : m_existing(existing) {}
    void write(QByteArrayView bytes) override { m_existing.compare(bytes); }

private:
    ExistingFile& m_existing;
};

class ByteArraySink : public ByteSink {
public:
    void write(QByteArrayView bytes) override { this->bytes.append(bytes); }
    QByteArray bytes;
};

// Hands a text generated before to the encoder, as the generator would.
void encodeText(const QString& moduleText, Windows1252Sink& encoder) {
    encoder.write(moduleText);
    encoder.finish();
}

void generate(cls_Class& tpl, const ModuleForm& form, Windows1252Sink& encoder) {
    writeModule(tpl, form.attributes, form.trace, encoder);
    encoder.finish();
}

template <typename Produce> ModuleWrite writeAtomically(const QString& target, Produce produce) {
    AtomicModuleFile file(target);
    Windows1252Sink encoder(file);
    produce(encoder);
    const bool changed = file.finish();
    return {encoder.replaced(), changed};
}

} // namespace

QString moduleTarget(const QString& compiled, const QString& templatePath) {
    return QFileInfo(templatePath).dir().absoluteFilePath(compiled);
}

ModuleWrite writeModuleFile(const QString& target, cls_Class& tpl, const ModuleForm& form) {
    return writeAtomically(target, [&](Windows1252Sink& encoder) { generate(tpl, form, encoder); });
}

ModuleWrite writeModuleFile(const QString& target, const QString& moduleText) {
    return writeAtomically(target,
                           [&](Windows1252Sink& encoder) { encodeText(moduleText, encoder); });
}

QString writeModuleToStdout(cls_Class& tpl, const ModuleForm& form) {
    StdoutSink out;
    Windows1252Sink encoder(out);
    generate(tpl, form, encoder);
    out.finish();
    return encoder.replaced();
}

TargetState compareWithModuleFile(const QString& target, cls_Class& tpl, const ModuleForm& form) {
    ExistingFile existing(target);
    if (!existing.exists())
        return TargetState::Missing;
    if (!existing.readable())
        throw vlt::Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                             .arg(target, vlt::germanCause(existing.errorString())));
    ComparingSink comparison(existing);
    Windows1252Sink encoder(comparison);
    generate(tpl, form, encoder);
    return existing.sameToTheEnd() ? TargetState::Equal : TargetState::Different;
}

EncodedModule encodeModule(const QString& moduleText) {
    ByteArraySink bytes;
    Windows1252Sink encoder(bytes);
    encodeText(moduleText, encoder);
    return {bytes.bytes, encoder.replaced()};
}

QString decodeModule(QByteArrayView bytes) {
    return decodeWindows1252(bytes);
}

QString replacedCharactersReport(const QString& target, const QString& replaced) {
    QStringList characters;
    for (qsizetype i = 0; i < replaced.size(); ++i) {
        const bool pair = replaced[i].isHighSurrogate() && i + 1 < replaced.size() &&
                          replaced[i + 1].isLowSurrogate();
        const QStringView character = QStringView(replaced).sliced(i, pair ? 2 : 1);
        const char32_t codePoint =
            pair ? QChar::surrogateToUcs4(replaced[i], replaced[i + 1]) : replaced[i].unicode();
        characters.append(
            QStringLiteral("\"%1\" (U+%2)")
                .arg(character)
                .arg(QString::number(codePoint, 16).toUpper().rightJustified(4, QLatin1Char('0'))));
        i += pair ? 1 : 0;
    }
    return QStringLiteral("Im Modul \"%1\" wurden Zeichen, die Windows-1252 nicht darstellen "
                          "kann, als \"?\" geschrieben: %2")
        .arg(target, characters.join(QStringLiteral(", ")));
}

} // namespace gen
