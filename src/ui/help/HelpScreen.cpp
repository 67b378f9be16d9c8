#include "ui/help/HelpScreen.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/art/Icons.h"

namespace numora {

namespace {

constexpr int kFontPixelSize = 11;
constexpr int kMargin = 4;
constexpr int kLineSpacing = 5;
constexpr int kColumnGap = 6;

QLabel* textLabel(const char* objectName, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* leftColumn(const HelpLine& line, int captionWidth, QWidget* parent) {
    const QString name = QString::fromLatin1(line.objectName);
    if (line.caption) {
        QLabel* caption = textLabel(line.objectName, line.caption, parent);
        caption->setObjectName(name + QStringLiteral("Caption"));
        caption->setFixedWidth(captionWidth);
        return caption;
    }
    auto* icon = new QLabel(parent);
    icon->setObjectName(name + QStringLiteral("Icon"));
    icon->setPixmap(art::iconPixmap(line.icon, {HelpScreen::kIconSide, HelpScreen::kIconSide}));
    icon->setFixedSize(HelpScreen::kIconSide, HelpScreen::kIconSide);
    return icon;
}

}  // namespace

HelpScreen::HelpScreen(const char* title, std::span<const HelpLine> lines, int captionWidth,
                       const char* closeCaption, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(title));
    QFont screenFont = font();
    screenFont.setPixelSize(kFontPixelSize);
    setFont(screenFont);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kLineSpacing);
    for (const HelpLine& line : lines) {
        QLabel* text = textLabel(line.objectName, line.text, this);
        if (!line.caption && line.icon == 0) {
            layout->addWidget(text);
            continue;
        }
        auto* row = new QHBoxLayout;
        row->setSpacing(kColumnGap);
        row->addWidget(leftColumn(line, captionWidth, this), 0, Qt::AlignTop);
        row->addWidget(text, 1);
        layout->addLayout(row);
    }
    layout->addStretch(1);

    auto* close = new QPushButton(QString::fromUtf8(closeCaption), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close, 0, Qt::AlignHCenter);

    setFixedSize(screenSize());
}

}  // namespace numora
