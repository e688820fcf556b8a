// Sealed files: any bytes opened with a password either unseal or fail cleanly.
#include "FuzzSupport.h"

#include "corelib/Error.h"
#include "corelib/File.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeScratch(data, size);
    vlt::cls_File file;
    try {
        file.OPENURL(scratchPath(), vlt::ID_FileOpen_Input, u"geheim"_s);
        while (true)
            file.READFNC();
    } catch (const vlt::Error& error) {
        require(error.message().contains(scratchPath()), "a sealing error names the file");
    }
    return 0;
}
