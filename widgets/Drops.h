#pragma once

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

} // namespace oria
