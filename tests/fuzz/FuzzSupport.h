#pragma once

#include "support/Literals.h"
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// The readers under test open files by name, so each input goes through one scratch file in
// memory-backed storage where this user may write, else in the temporary folder.
inline const QString& scratchPath() {
    static const QString path = (access("/dev/shm", W_OK) == 0 ? u"/dev/shm"_s : QDir::tempPath()) +
                                u"/classshaper-fuzz-%1.vlt-ctf"_s.arg(getpid());
    return path;
}

inline void writeScratch(const uint8_t* data, size_t size) {
    const QByteArray path = QFile::encodeName(scratchPath());
    std::FILE* file = std::fopen(path.constData(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", path.constData());
        std::abort();
    }
}

// A broken promise is a finding: stop with a message libFuzzer records with the input.
inline void require(bool condition, const char* promise) {
    if (condition)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}
