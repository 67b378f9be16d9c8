#include "ui/check/CheckDrawDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/check/CheckPicksTexts.h"

namespace numora {

CheckDrawDialog::CheckDrawDialog(const std::vector<CheckableDraw>& draws, QWidget* parent)
    : QDialog(parent), draws_(draws), dates_(new QComboBox(this)), numbers_(new QLabel(this)) {
    setObjectName(QStringLiteral("checkDrawDialog"));
    setWindowTitle(QString::fromLatin1(checkpicks::kCommand));
    auto* prompt = new QLabel(QString::fromLatin1(checkpicks::kChooseDraw), this);
    prompt->setWordWrap(true);
    dates_->setObjectName(QStringLiteral("checkDrawDate"));
    for (const CheckableDraw& draw : draws_) dates_->addItem(QString::fromStdString(draw.date));
    numbers_->setObjectName(QStringLiteral("checkDrawNumbers"));
    numbers_->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("checkDrawButtons"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(prompt);
    column->addWidget(dates_);
    column->addWidget(numbers_);
    column->addWidget(buttons);

    connect(dates_, &QComboBox::currentIndexChanged, this, &CheckDrawDialog::showNumbers);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showNumbers(dates_->currentIndex());
}

int CheckDrawDialog::chosen() const { return dates_->currentIndex(); }

void CheckDrawDialog::showNumbers(int index) {
    const bool known = index >= 0 && static_cast<std::size_t>(index) < draws_.size();
    numbers_->setText(known ? QString::fromStdString(draws_[static_cast<std::size_t>(index)].numbers) : QString());
}

}  // namespace numora
