#include "ctl_CmdBar.h"

#include "ctl_Button.h"

#include <QVBoxLayout>

ctl_CmdBar::ctl_CmdBar(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addStretch();
}

ctl_Button* ctl_CmdBar::addButton(const QString& key, const QString& caption) {
    auto* button = new ctl_Button(caption, this);
    button->setObjectName(QStringLiteral("but_") + key);
    // In a dialog Return presses the focused button of the bar: Qt makes a dialog's push
    // buttons auto-default on its own.
    // Buttons stack from the top; the stretch stays last.
    m_layout->insertWidget(m_layout->count() - 1, button);
    connect(button, &QPushButton::clicked, this, [this, key] { emit buttonClicked(key); });
    return button;
}

ctl_Button* ctl_CmdBar::button(const QString& key) const {
    return findChild<ctl_Button*>(QStringLiteral("but_") + key);
}
