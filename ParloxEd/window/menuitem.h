#pragma once

#include <QAction>
#include <QString>

namespace ParloxEd {

// A menu item whose caption "-" makes it a separator line rather than an item showing a dash,
// whichever language's caption is written into it.
class MenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit MenuItem(QObject *parent = nullptr) : QAction(parent) {}

    QString Caption() const;
    void setCaption(const QString &caption);
};

} // namespace ParloxEd
