#pragma once

#include <QByteArrayView>
#include <QStringView>

namespace gen {

// Where the module text goes while it is generated, a piece at a time.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void write(QStringView text) = 0;
};

// Where the encoded bytes of a module go, a chunk at a time.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(QByteArrayView bytes) = 0;
};

} // namespace gen
