#pragma once

#include <QString>

class QWidget;

// A new widget of class W on parent, named, with a text where the class has one.
template <class W> W *add(QWidget *parent, const QString &name, const QString &text = {})
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    if constexpr (requires { widget->setText(text); })
        widget->setText(text);
    return widget;
}
