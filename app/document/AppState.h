#pragma once

#include "model/Class.h"

#include "corelib/UiServices.h"

#include <QByteArray>
#include <QString>
#include <memory>

// What the desktop program keeps for the whole run and shares between the window, opening
// and saving the template, and the output commands. Tests make their own.
struct AppState {
    explicit AppState(vlt::UiServices& services)
        : ui(services), currentTemplate(std::make_shared<cls_Class>()) {}

    vlt::UiServices& ui;
    std::shared_ptr<cls_Class> currentTemplate;
    QString currentTemplatePath; // empty while the template has no file
    bool changed = false;
    QByteArray savedBytes;  // the template file as it was read or written last
    QString templateFolder; // the folder last used for template files
};
