#include "filedrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace ParloxEd {

FileDrops::FileDrops(QWidget &window, Open open) : QObject(&window), m_open(std::move(open))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QString FileDrops::droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

bool FileDrops::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString file = droppedFile(drop->mimeData());
    if (file.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, file] { m_open(file); }, Qt::QueuedConnection);
    return true;
}

} // namespace ParloxEd
