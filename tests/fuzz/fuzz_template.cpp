// Template loading: any bytes either load, or leave the template, its path and the changed
// flag exactly as they were and name the file in the error.
#include "FuzzSupport.h"

#include "corelib/Error.h"
#include "model/AppState.h"
#include "support/ScriptedUi.h"

namespace {

QString snapshot(const AppState& app) {
    return app.currentTemplate->DATA.PACKAGE() + app.currentTemplatePath +
           (app.changed ? QStringLiteral("+") : QStringLiteral("-"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeScratch(data, size);
    ScriptedUi ui;
    AppState app(ui);
    app.currentTemplate->CLASSNAME = QStringLiteral("cls_Vorher");
    app.currentTemplatePath = QStringLiteral("/vorher.vlt-ctf");
    app.changed = true;
    const QString before = snapshot(app);
    try {
        require(app.currentTemplate->LOAD(app, scratchPath()), "a given file is never a dialog");
        require(app.currentTemplatePath == scratchPath() && !app.changed, "a load takes the file");
    } catch (const vlt::Error& error) {
        require(error.message().contains(scratchPath()), "a load error names the file");
        require(snapshot(app) == before, "a failed load changes nothing");
    }
    require(ui.shown.isEmpty(), "loading a given file shows nothing");
    return 0;
}
