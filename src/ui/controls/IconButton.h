#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <QSize>
#include <QTimer>

#include <array>

namespace numora {

// The program's own push button: a small icon beside the caption, background,
// edges, caption and focus rectangle painted from six colour slots. In flat
// mode it shows no edge at rest and lights up while the pointer is over it; a
// 50 ms watch notices when the pointer has gone.
class IconButton : public QPushButton {
    Q_OBJECT

public:
    // Colour slots; slot 5 is kept but not used by the drawing.
    static constexpr int kLitBackground = 0;
    static constexpr int kLitText = 1;
    static constexpr int kRestBackground = 2;
    static constexpr int kRestText = 3;
    static constexpr int kFocusBackground = 4;
    static constexpr int kColorSlotCount = 6;

    // Icon placement modes.
    static constexpr int kIconLeft = 0;
    static constexpr int kIconAbove = 1;
    static constexpr int kIconRight = 2;

    // Results of the setters.
    static constexpr int kDone = 0;
    static constexpr int kBadColorSlot = 3;
    static constexpr int kBadPlacement = 4;

    static constexpr int kHoverWatchMs = 50;

    explicit IconButton(const QString& caption = QString(), QWidget* parent = nullptr);

    // The icon with this resource number, placed as width by height pixels.
    int SetIcon(int iconNumber, int width, int height);
    int SetColor(int slot, const QColor& color, bool repaint);
    int SetAlign(int placement, bool repaint);
    int SetFlat(bool flat, bool repaint);
    // Slots 0, 2 and 4 the button-face colour, 1, 3 and 5 the button-text colour.
    int SetDefaultColors(bool repaint);

    bool isFlatMode() const { return flat_; }
    bool isLit() const { return hover_; }
    int placement() const { return placement_; }
    QColor color(int slot) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    struct DrawState {
        bool pressed = false;
        bool focused = false;
        bool disabled = false;
        bool hover = false;
        bool lit() const { return hover || pressed; }
    };

    virtual void drawBorder(QPainter& painter, const QRect& area, const DrawState& state);
    virtual void drawBackground(QPainter& painter, const QRect& area, const DrawState& state);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void pointerMoved(bool stylusDown, QPoint position);
    void watchPointer();
    void endHover();
    void repaintIf(bool repaint);
    QRect placeIcon(QRect& captionArea, const QRect& area, bool hasCaption) const;
    void drawCaption(QPainter& painter, QRect captionArea, const QString& caption,
                     const DrawState& state);

    bool flat_ = true;
    bool hover_ = false;
    int placement_ = kIconLeft;
    std::array<QColor, kColorSlotCount> colors_;
    QIcon icon_;
    QSize iconSize_;
    QTimer* hoverWatch_;
};

}  // namespace numora
