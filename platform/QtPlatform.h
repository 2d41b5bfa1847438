#pragma once

#include "Platform.h"

#include <QColor>

namespace oria {

class QtPlatform : public Platform {
public:
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
    QImage decodePicture(const QString& path) override;
    QString applicationFolder() override;
    RandomSource& random() override { return random_; }
    QDateTime now() override { return QDateTime::currentDateTime(); }

private:
    StdRandomSource random_;
};

// The folder holding the program's data (ASTUCES.TXT, license.txt, modeles/): the program's
// own folder in the build tree, <exe folder>/../share/oria once installed.
QString DataFolder(const QString& exeFolder);

// QColor <-> colour value (0x00BBGGRR).
QColor ToQColor(Colour c);
Colour FromQColor(const QColor& c);

} // namespace oria
