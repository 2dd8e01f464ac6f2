#pragma once

#include "demoforms.h"

#include <QDialog>

namespace ParloxDemo {

// A secondary form: its translator has no link of its own and finds the selector on the main
// window when its form data has been read, so it opens in the language currently shown.
class DemoAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit DemoAboutBox(Storage storage, QWidget *parent = nullptr);
};

} // namespace ParloxDemo
