#pragma once

#include <QString>

struct AppState;

// The current template as a document: opening and saving with the dialogs, the current path,
// the template folder and the changed flag. An empty file asks the user, pre-filled with the
// current path.

// Reads the current template from a file; True when read, False when the dialog was
// cancelled. A file that cannot be read completely raises vlt::Error and leaves the template
// and the state exactly as they were.
bool openTemplate(AppState& app, const QString& file = QString());

// Writes the current template to a file; True when written, False when cancelled.
bool saveTemplate(AppState& app, const QString& file = QString());
