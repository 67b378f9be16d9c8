#pragma once

#include <QDialog>
#include <QSize>

#include <span>

namespace numora {

// One line of a help screen: a text, optionally with a short caption or an
// icon in a column to its left.
struct HelpLine {
    const char* objectName;
    const char* text;
    const char* caption = nullptr;  // shown left of the text when set
    int icon = 0;                   // icon number shown left of the text when not 0
};

// A fixed screen of explanations with one button that closes it. Help
// screens have one layout, sized for the device's portrait screen.
class HelpScreen : public QDialog {
    Q_OBJECT

public:
    // The portrait screen below the navigation bar.
    static QSize screenSize() { return {240, 294}; }
    static constexpr int kIconSide = 32;

    // `captionWidth` is the width of the caption column, where there is one.
    HelpScreen(const char* title, std::span<const HelpLine> lines, int captionWidth,
               const char* closeCaption, QWidget* parent);
};

}  // namespace numora
