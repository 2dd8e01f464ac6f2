#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

// The large form of the translator's benchmarks: 2,000 named components (labels and buttons,
// laid out in a column, with captions and hints) and a form-strings table of 10,000 entries in
// two languages. The first 4,000 entries name the form's texts; the rest name texts this form
// does not have (user menus, old names).
struct LargeForm {
    static constexpr int Components = 2000;
    static constexpr int Entries = 10000;

    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QStringList table;

    LargeForm()
    {
        form->setObjectName(QStringLiteral("BigForm"));
        auto *layout = new QVBoxLayout(form.get());
        table.reserve(Entries * 3);
        for (int i = 0; i < Components; ++i) {
            const QString name = QStringLiteral("Control%1").arg(i);
            QWidget *widget = i % 2 ? static_cast<QWidget *>(new QPushButton(name))
                                    : static_cast<QWidget *>(new QLabel(name));
            widget->setObjectName(name);
            widget->setToolTip(QStringLiteral("Hint of ") + name);
            layout->addWidget(widget);
            entry(name + QStringLiteral(".Caption"), name);
            entry(name + QStringLiteral(".Hint"), widget->toolTip());
        }
        for (int i = 2 * Components; i < Entries; ++i)
            entry(QStringLiteral("Elsewhere%1.Caption").arg(i), QStringLiteral("Other"));
    }

private:
    void entry(const QString &path, const QString &text)
    {
        table << u'[' + path + u']' << text + QStringLiteral(" en") << text + QStringLiteral(" es");
    }
};
