#include "SchemeColours.h"

#include <QPalette>

namespace scheme {
namespace {

QColor pick(const QPalette& palette, QColor light, QColor dark) {
    return isDark(palette) ? dark : light;
}

// Between the text and the background: quieter than the text, still readable on both.
QColor between(const QColor& text, const QColor& background, double towardsBackground) {
    const auto mix = [towardsBackground](int a, int b) {
        return int(a + (b - a) * towardsBackground);
    };
    return QColor(mix(text.red(), background.red()), mix(text.green(), background.green()),
                  mix(text.blue(), background.blue()));
}

} // namespace

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128;
}

QColor errorText(const QPalette& palette) {
    return pick(palette, QColor(0xC0, 0x00, 0x00), QColor(0xFF, 0x80, 0x80));
}

QColor warningText(const QPalette& palette) {
    return pick(palette, QColor(0xB0, 0x60, 0x00), QColor(0xF0, 0xB0, 0x50));
}

QColor removedLine(const QPalette& palette) {
    return pick(palette, QColor(0xFF, 0xE0, 0xE0), QColor(0x6A, 0x24, 0x24));
}

QColor addedLine(const QPalette& palette) {
    return pick(palette, QColor(0xE0, 0xFF, 0xE0), QColor(0x1F, 0x55, 0x2A));
}

QColor gapLine(const QPalette& palette) {
    return between(palette.color(QPalette::Text), palette.color(QPalette::Base), 0.85);
}

QColor hunkHead(const QPalette& palette) {
    return pick(palette, QColor(0x00, 0x00, 0xA0), QColor(0x80, 0xB0, 0xFF));
}

QColor keyword(const QPalette& palette) {
    return pick(palette, QColor(0x00, 0x00, 0xB0), QColor(0x6C, 0xB0, 0xF0));
}

QColor comment(const QPalette& palette) {
    return between(palette.color(QPalette::Text), palette.color(QPalette::Base), 0.4);
}

QColor string(const QPalette& palette) {
    return pick(palette, QColor(0xA0, 0x20, 0x20), QColor(0xE8, 0xA0, 0x70));
}

} // namespace scheme
