#pragma once

#include <QWidget>

#include <initializer_list>

// Tab visits the widgets in the order given.
inline void setTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* next : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}
