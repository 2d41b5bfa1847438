#pragma once

#include "CharterExport.h"
#include "core/Module1.h"
#include "platform/Platform.h"
#include "widgets/WindowDirectory.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;

namespace oria {

class ColourPicture;
class ScrollFrame;

// The graphic charter: the composer's five colours with names the user gives them, filled
// into an HTML template and shown in the browser. Rebuilt from scratch at every opening.
class charte : public QDialog {
    Q_OBJECT
public:
    charte(Module1& module, Platform& platform, WindowDirectory& windows,
           QWidget* parent = nullptr);

    const QString& CheminModele() const { return cheminModele_; }
    const QString& FichierCharte() const { return fichierCharte_; }
    CharterFields fields() const;

private slots:
    void row_Click(int row);
    void Combo1_Click(int index);
    void Command3_Click();
    void Command4_Click();

private:
    void Form_Load();
    void buildControls();
    void buildRows(QWidget* total);
    void buildExport(QWidget* total);
    void InitialiserCases();
    void AfficherValeurs();
    void ChoisirModele();
    void CreerCharte();
    Colour rowColour(int row) const;

    struct Row {
        QCheckBox* check; // none for the background
        ColourPicture* picture;
        QLineEdit* name;
        QLabel* hexa;
        QLabel* rvb;
    };

    Module1& module_;
    Platform& platform_;
    ScrollFrame* frame_ = nullptr;
    Row rows_[5] = {}; // Fond, texte, titre, decors 1, decors 2
    QLineEdit* Text6_ = nullptr;
    QPlainTextEdit* Text7_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    QProgressBar* Bar1_ = nullptr;
    QString cheminModele_;
    QString fichierCharte_;
};

} // namespace oria
