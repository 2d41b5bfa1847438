#include "QtPlatform.h"
#include "SaveFile.h"

#include "PictureFile.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace oria {

namespace {
QMessageBox::Icon toMessageIcon(Platform::Icon icon) {
    switch (icon) {
    case Platform::Icon::Warning:
        return QMessageBox::Warning;
    case Platform::Icon::Critical:
        return QMessageBox::Critical;
    case Platform::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

// The settings live under the program's own name.
constexpr auto kSettingsName = "oria";

// The file whose presence marks the data folder.
constexpr auto kDataMarker = "/ASTUCES.TXT";
} // namespace

QColor ToQColor(Colour c) {
    const Rgb rgb = SplitColour(c);
    return QColor(rgb.Rouge, rgb.Vert, rgb.Bleu);
}

Colour FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

Colour QtPlatform::chooseColour(QWidget* parent, Colour initial) {
    // Qt's dialog always shows its custom-colour part; a cancel gives back the start colour.
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
    return chosen.isValid() ? FromQColor(chosen) : initial;
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& title, const QString& text, Icon icon) {
    QMessageBox box(toMessageIcon(icon), title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtPlatform::showMessage(QWidget* parent, const QString& title, const QString& text,
                             Icon icon) {
    QMessageBox box(toMessageIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtPlatform::openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtPlatform::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder, QString* selectedFilter) {
    return QFileDialog::getSaveFileName(parent, title, folder, filter, selectedFilter);
}

void QtPlatform::setClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

QtPlatform::QtPlatform()
    : settingsWriter_(std::make_unique<QThreadPool>()), settingsReport_(std::make_unique<QObject>()) {
    settingsWriter_->setMaxThreadCount(1);
}

QtPlatform::~QtPlatform() {
    settingsWriter_->waitForDone();
}

QString QtPlatform::setting(const QString& key, const QString& defaultValue) {
    if (const auto set = settings_.constFind(key); set != settings_.cend()) {
        return *set;
    }
    const QSettings s(QSettings::NativeFormat, QSettings::UserScope, kSettingsName);
    return s.value("Options/" + key, defaultValue).toString();
}

void QtPlatform::setSetting(const QString& key, const QString& value) {
    settings_.insert(key, value);
    settingsWriter_->start([this, key, value] {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, kSettingsName);
        s.setValue("Options/" + key, value);
        s.sync();
        if (s.status() != QSettings::NoError) {
            const QString file = s.fileName();
            QMetaObject::invokeMethod(
                settingsReport_.get(),
                [this, file, why = WriteFailure(file)] { reportSettingsFailure(file, why); },
                Qt::QueuedConnection);
        }
    });
}

void QtPlatform::flushSettings() {
    settingsWriter_->waitForDone();
    QCoreApplication::sendPostedEvents(settingsReport_.get(), QEvent::MetaCall);
}

void QtPlatform::reportSettingsFailure(const QString& file, const QString& why) {
    // Said once: a slider dragged while the disk is full would otherwise ask at every step.
    // The settings file is written whole or not at all, so the one before stays.
    if (settingsFailureShown_) {
        return;
    }
    settingsFailureShown_ = true;
    showMessage(nullptr, QStringLiteral("Oria 2000"),
                QStringLiteral("Les réglages n'ont pas pu être enregistrés dans « %1 » : %2. "
                               "Le fichier des réglages n'a pas été modifié ; ils valent "
                               "pour cette séance seulement.")
                    .arg(QDir::toNativeSeparators(file), why),
                Icon::Warning);
}

bool QtPlatform::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtPlatform::openDocumentAt(const QString& path, const QString& anchor) {
    // Handing a file address with an anchor to the desktop loses the anchor on most systems
    // (the launcher looks for a file named "page.html#anchor"), so the browser is given a
    // small page of our own that sends it on to the anchor.
    QUrl target = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    target.setFragment(anchor);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString redirect = folder + QStringLiteral("/aide-") + anchor + QStringLiteral(".html");
    const QString href = QString::fromUtf8(target.toEncoded()).toHtmlEscaped();
    const QByteArray page = QStringLiteral("<!DOCTYPE html><meta charset=\"utf-8\">"
                                           "<meta http-equiv=\"refresh\" content=\"0; url=%1\">"
                                           "<a href=\"%1\">Manuel d'Oria 2000</a>\n")
                                .arg(href)
                                .toUtf8();
    if (!QDir().mkpath(folder) || SaveWhole(redirect, page)) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(redirect));
}

QImage QtPlatform::decodePicture(const QString& path) {
    return DecodePictureFile(path);
}

QString DataFolder(const QString& exeFolder) {
    const QDir program(exeFolder);
    const QString installed = QDir::cleanPath(program.filePath(QStringLiteral("../share/oria")));
    // Beside the program (build tree, Windows), bin/ beside share/, a macOS bundle.
    const QString candidates[] = {
        QDir::cleanPath(exeFolder), installed,
        QDir::cleanPath(program.filePath(QStringLiteral("../Resources")))};
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(folder + QLatin1String(kDataMarker))) {
            return folder;
        }
    }
    // Elsewhere: an "oria" folder among the platform's standard data folders.
    const QString standard = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("oria") + QLatin1String(kDataMarker));
    return standard.isEmpty() ? installed : QFileInfo(standard).absolutePath();
}

QString DataFolder() {
    return DataFolder(QCoreApplication::applicationDirPath());
}

// The program's "application folder" is where its data lies, not where it runs from.
QString QtPlatform::applicationFolder() {
    return DataFolder();
}

} // namespace oria
