#pragma once

#include "widgets/ColourPicture.h"

namespace oria {

// The proportion bar: the shown colours side by side, with equal widths or widths that
// follow their darkness, and optionally a ruler on top.
class HarmonyBar : public ColourPicture {
    Q_OBJECT
public:
    explicit HarmonyBar(QWidget* parent = nullptr);

    void setHarmony(const Palette& palette, int n, bool weighted, bool ruler);

protected:
    void paintContent(QPainter& painter) override;

private:
    Palette palette_{};
    int n_ = 2;
    bool weighted_ = false;
    bool ruler_ = false;
};

} // namespace oria
