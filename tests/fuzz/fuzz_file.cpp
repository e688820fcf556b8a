// The structured file reader: any bytes either open as a file whose every value can be read,
// or fail with a message that names the file.
#include "FuzzSupport.h"

#include "corelib/Error.h"
#include "corelib/File.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeScratch(data, size);
    vlt::cls_File file;
    try {
        file.OPENURL(scratchPath(), vlt::ID_FileOpen_Input);
    } catch (const vlt::Error& error) {
        require(error.message().contains(scratchPath()), "an open error names the file");
        return 0;
    }
    // The reader checked every line at open, so reading up to the end never fails early;
    // the read past the end is the only error left.
    for (size_t read = 0;; ++read) {
        try {
            file.READFNC();
        } catch (const vlt::Error& error) {
            require(error.message().contains(QStringLiteral("unerwartetes Dateiende")),
                    "a checked file reads to its end");
            require(read < size, "no more values than lines");
            break;
        }
    }
    file.CLOSEURL();
    return 0;
}
