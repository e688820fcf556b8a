#pragma once

#include <QColor>

class QPalette;

// Colours that stay readable in the user's colour scheme, light or dark: chosen by the
// lightness of the background they stand on, never fixed ones that a dark scheme's light text
// would vanish on.
namespace scheme {

bool isDark(const QPalette& palette);

// Text of an error, and the frame of a field that has one.
QColor errorText(const QPalette& palette);
QColor warningText(const QPalette& palette);

// Lines of a difference: removed, added, a gap where the other side has lines, a hunk head.
QColor removedLine(const QPalette& palette);
QColor addedLine(const QPalette& palette);
QColor gapLine(const QPalette& palette);
QColor hunkHead(const QPalette& palette);

// Visual Basic: keywords, comments, strings.
QColor keyword(const QPalette& palette);
QColor comment(const QPalette& palette);
QColor string(const QPalette& palette);

} // namespace scheme
