#pragma once

#include "core/Colour.h"
#include "core/RandomSource.h"

#include <QDateTime>
#include <QImage>
#include <QString>

class QWidget;

namespace oria {

// The one door to the desktop. Windows ask it for dialogs, the clipboard, the settings,
// documents and pictures, randomness and time; tests hand them a scripted fake.
class Platform {
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~Platform() = default;

    // The colour dialog opened on `initial` with the custom colours shown; `initial` on cancel.
    virtual Colour chooseColour(QWidget* parent, Colour initial) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text,
                          Icon icon) = 0;
    virtual void showMessage(QWidget* parent, const QString& title, const QString& text,
                             Icon icon) = 0;
    // File dialogs; an empty path when cancelled. `filter` uses Qt's "Name (*.ext)" form.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
    // selectedFilter, when given, receives the filter the user left chosen.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder, QString* selectedFilter = nullptr) = 0;

    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;

    // The "Options" group of the per-application settings.
    virtual QString setting(const QString& key, const QString& defaultValue) = 0;
    virtual void setSetting(const QString& key, const QString& value) = 0;

    // Opens a document with the application associated with its type; false on failure.
    virtual bool openDocument(const QString& path) = 0;
    // A local page at one of its anchors, in the desktop's browser; false on failure.
    virtual bool openDocumentAt(const QString& path, const QString& anchor) = 0;
    // A null image when the file cannot be decoded.
    virtual QImage decodePicture(const QString& path) = 0;

    // Where ASTUCES.TXT, license.txt and modeles/ are.
    virtual QString applicationFolder() = 0;

    virtual RandomSource& random() = 0;
    virtual QDateTime now() = 0;
};

} // namespace oria
