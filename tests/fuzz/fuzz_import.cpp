// Import of class modules: any bytes either import or fail with a message that names the
// file, and a template the checks find nothing wrong with generates a module that imports
// back exactly.
#include "FuzzSupport.h"

#include "corelib/Error.h"
#include "generator/Checks.h"
#include "generator/Import.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = u"fuzz.cls"_s;
    try {
        const gen::ModuleImport first = gen::importModuleBytes(
            QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), path);
        gen::importDifferences(first, 10);
        if (!gen::checkTemplate(*first.tpl).empty())
            return 0;
        const QByteArray again = gen::encodeModule(gen::regeneratedModule(first)).bytes;
        require(gen::importModuleBytes(again, path).exact(),
                "a clean template's module imports back exactly");
    } catch (const vlt::Error& error) {
        require(error.message().contains(path), "an error names the file");
    }
    return 0;
}
