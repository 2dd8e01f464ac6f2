#pragma once

#include <QObject>
#include <functional>

class QMimeData;

namespace ParloxEd {

// Lets a file be dropped onto the window: a drag of exactly one local file is accepted, and
// the file opens the way every other way of opening does once the drop is over, so that no
// question is asked while the program it came from still waits for the drop to end.
class FileDrops : public QObject {
    Q_OBJECT

public:
    using Open = std::function<void(const QString &path)>;

    // Installs itself on the window, which it makes accept drops.
    FileDrops(QWidget &window, Open open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The local file a drag carries, or an empty text when it carries anything else.
    static QString droppedFile(const QMimeData *data);

    Open m_open;
};

} // namespace ParloxEd
