#pragma once

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QString>
#include <QUrl>

namespace oria {

// The first local file a drag carries, or empty: what a window opens when it is dropped.
inline QString DroppedFile(const QMimeData* data) {
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                return url.toLocalFile();
            }
        }
    }
    return {};
}

// A drag that carries a file is welcome.
inline void AcceptFileDrag(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

// The file dropped, the drop accepted; empty for a drop without one.
inline QString TakeDroppedFile(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
    }
    return path;
}

} // namespace oria
