#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

void placeOnScreen(QWidget* window, QSize wanted) {
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    // A widget's screen falls back to the primary one; none at all means no screen is attached.
    const QScreen* screen = owner ? owner->screen() : window->screen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    const QRect available = screen->availableGeometry();
    window->resize(wanted.boundedTo(available.size() * 0.9));
    // The window manager's frame is not known before the window shows; the owner's is the
    // best guess for it.
    const QSize decoration = owner ? owner->frameGeometry().size() - owner->size() : QSize();
    QRect frame(QPoint(), window->size() + decoration);
    frame.moveCenter(owner ? owner->frameGeometry().center() : available.center());
    frame.moveLeft(qBound(available.left(), frame.left(), available.right() - frame.width()));
    frame.moveTop(qBound(available.top(), frame.top(), available.bottom() - frame.height()));
    window->move(frame.topLeft());
}
