#pragma once

#include <QByteArray>
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

// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// True when the current template's file is no longer what was read or written last: another
// program changed, replaced or removed it.
bool changedOnDisk(const AppState& app);
