#pragma once

#include "core/Module1.h"
#include "platform/Platform.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;

namespace oria {

// The tips file: one tip per line, in Windows-1252.
QStringList TipLines(const QByteArray& bytes);

// The tip of the day ("Astuce du jour"), modeless. Loading reads the setting
// "Show Tips at Startup": at "0" the window unloads at once (wasUnloadedOnLoad()).
class frmTip : public QDialog {
    Q_OBJECT
public:
    frmTip(Module1& module, Platform& platform, QWidget* parent = nullptr);

    // Reads one tip per line (Windows-1252); false when the path is empty or no file is there.
    bool LoadTips(const QString& path);
    // Shows tip number AstuceCourante (1-based) when there is at least one tip.
    void DisplayCurrentTip();

    bool wasUnloadedOnLoad() const { return unloadedOnLoad_; }
    const QStringList& Astuces() const { return astuces_; }
    int AstuceCourante() const { return astuceCourante_; }

private slots:
    void cmdNextTip_Click();
    void chkLoadTipsAtStartup_Click();
    void cmdOK_Click();

private:
    void buildControls();
    void ChoisirAstuce();

    Module1& module_;
    Platform& platform_;
    QStringList astuces_;
    int astuceCourante_ = 0;
    bool unloadedOnLoad_ = false;
    QLabel* lblTipText_ = nullptr;
    QCheckBox* chkLoadTipsAtStartup_ = nullptr;
};

} // namespace oria
