// The structured file reader: any bytes either fail with a message that names the file (at
// open, at the damaged value or at CLOSEURL), or open as a file whose every value can be read.
#include "FuzzSupport.h"

#include "corelib/Error.h"
#include "corelib/File.h"

namespace {

void requireNamed(const vlt::Error& error) {
    require(error.message().contains(scratchPath()), "an error names the file");
}

// CLOSEURL checks the lines no read reached: true when the file is sound as a whole.
bool acceptedUnread() {
    try {
        vlt::cls_File file;
        file.OPENURL(scratchPath(), vlt::ID_FileOpen_Input);
        file.CLOSEURL();
        return true;
    } catch (const vlt::Error& error) {
        requireNamed(error);
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeScratch(data, size);
    const bool sound = acceptedUnread();
    vlt::cls_File file;
    try {
        file.OPENURL(scratchPath(), vlt::ID_FileOpen_Input);
    } catch (const vlt::Error& error) {
        requireNamed(error);
        require(!sound, "an accepted file opens again");
        return 0;
    }
    // A sound file reads up to its end; the read past the end is the only error left.
    for (size_t read = 0;; ++read) {
        try {
            file.READFNC();
        } catch (const vlt::Error& error) {
            requireNamed(error);
            require(!sound || error.message().contains(u"unerwartetes Dateiende"_s),
                    "a file CLOSEURL accepts reads to its end");
            require(read < size, "no more values than lines");
            break;
        }
    }
    if (sound)
        file.CLOSEURL();
    return 0;
}
