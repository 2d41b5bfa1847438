#pragma once

#include "Platform.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QThreadPool>

#include <memory>

namespace oria {

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override; // after the last setting is written
    Colour chooseColour(QWidget* parent, Colour initial) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    void showMessage(QWidget* parent, const QString& title, const QString& text,
                     Icon icon) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder, QString* selectedFilter = nullptr) override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    QString setting(const QString& key, const QString& defaultValue) override;
    void setSetting(const QString& key, const QString& value) override;
    bool openDocument(const QString& path) override;
    bool openDocumentAt(const QString& path, const QString& anchor) override;
    QImage decodePicture(const QString& path) override;
    QString applicationFolder() override;
    RandomSource& random() override { return random_; }
    QDateTime now() override { return QDateTime::currentDateTime(); }

    // Waits until every setting set is in the settings file, and says if one could not be.
    void flushSettings();

private:
    void reportSettingsFailure(const QString& file, const QString& why);

    StdRandomSource random_;
    bool settingsFailureShown_ = false;
    // Settings are written by a worker of their own, in the order they are set, so that a
    // slow disk never holds a window's frame; what was set is read back from here at once.
    QHash<QString, QString> settings_;
    std::unique_ptr<QThreadPool> settingsWriter_;
    std::unique_ptr<QObject> settingsReport_; // the failure is said on the windows' thread
};

// The folder holding the program's data (ASTUCES.TXT, license.txt, modeles/), the first of:
// the program's own folder (the build tree, a Windows installation), <program folder>/../share/oria
// (an installed prefix, wherever it lies), <program folder>/../Resources (a macOS bundle), an
// "oria" folder among Qt's standard data folders (XDG_DATA_DIRS, /Library/Application Support,
// ProgramData...) that holds ASTUCES.TXT. Found nowhere: <program folder>/../share/oria, so
// that a message names the expected place.
QString DataFolder(const QString& exeFolder);
// The same from the running program's folder: needs a QCoreApplication (or QApplication).
QString DataFolder();

// QColor <-> colour value (0x00BBGGRR).
QColor ToQColor(Colour c);
Colour FromQColor(const QColor& c);

} // namespace oria
