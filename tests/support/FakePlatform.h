#pragma once

#include "platform/PictureFile.h"
#include "platform/Platform.h"
#include "support/ScriptedRandom.h"

#include <QMap>
#include <QStringList>
#include <deque>

namespace oria::test {

// Returns prepared answers and records what the program asked of the desktop.
class FakePlatform : public Platform {
public:
    struct Question {
        QString title, text;
        Icon icon;
    };

    Colour chooseColour(QWidget*, Colour initial) override {
        colourDialogStarts.push_back(initial);
        if (colourAnswers.empty()) {
            return initial; // cancelled
        }
        const Colour c = colourAnswers.front();
        colourAnswers.pop_front();
        return c;
    }
    bool askYesNo(QWidget*, const QString& title, const QString& text, Icon icon) override {
        questions.push_back({title, text, icon});
        return yesNoAnswer;
    }
    void showMessage(QWidget*, const QString& title, const QString& text, Icon icon) override {
        messages.push_back({title, text, icon});
    }
    QString openFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        fileFilters << filter;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString&, const QString& filter, const QString&,
                         QString* selectedFilter = nullptr) override {
        fileFilters << filter;
        if (selectedFilter) {
            *selectedFilter = saveFilterAnswer;
        }
        return saveAnswer;
    }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    QString setting(const QString& key, const QString& defaultValue) override {
        return settings.value(key, defaultValue);
    }
    void setSetting(const QString& key, const QString& value) override { settings[key] = value; }
    bool openDocument(const QString& path) override {
        openedDocuments << path;
        return true;
    }
    bool openDocumentAt(const QString& path, const QString& anchor) override {
        openedDocuments << path + '#' + anchor;
        return true;
    }
    QImage decodePicture(const QString& path) override {
        decodedPictures << path;
        return DecodePictureFile(path);
    }
    QString applicationFolder() override { return folder; }
    RandomSource& random() override { return randomSource; }
    QDateTime now() override { return clock; }

    // Prepared answers.
    std::deque<Colour> colourAnswers;
    bool yesNoAnswer = true;
    QString openAnswer, saveAnswer, saveFilterAnswer;
    QString folder = QStringLiteral("/nonexistent");
    QMap<QString, QString> settings;
    ScriptedRandom randomSource{{0.5}};
    QDateTime clock{QDate(2026, 12, 6), QTime(9, 30, 0)};

    // Recorded calls.
    std::vector<Colour> colourDialogStarts;
    std::vector<Question> questions, messages;
    QStringList fileFilters, openedDocuments, decodedPictures;
    QString clipboard;
};

} // namespace oria::test
