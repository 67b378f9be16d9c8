#include "ui/controls/LotterySelector.h"

#include <QLineEdit>

#include <algorithm>

#include "settings/LotteryStore.h"

namespace numora {

LotterySelector::LotterySelector(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("lotterySelector"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Qt's inline completion would turn a typed "Lotto" into a listed
    // "Lotto 649", and Save would then change that lottery.
    setCompleter(nullptr);
}

void LotterySelector::setHintWhenEmpty(const QString& hint, const QString& tip) {
    emptyHint_ = hint;
    emptyTip_ = tip;
    showHintWhenEmpty();
}

void LotterySelector::showHintWhenEmpty() {
    const bool empty = count() == 0;
    lineEdit()->setPlaceholderText(empty ? emptyHint_ : QString());
    setToolTip(empty ? emptyTip_ : QString());
}

void LotterySelector::setNames(const std::vector<std::string>& names) {
    QStringList sorted;
    for (const std::string& name : names) sorted << QString::fromStdString(name);
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    clear();
    addItems(sorted);
    setCurrentIndex(-1);
    showHintWhenEmpty();
}

std::vector<std::string> LotterySelector::names() const {
    std::vector<std::string> entries;
    for (int i = 0; i < count(); ++i) entries.push_back(itemText(i).toStdString());
    return entries;
}

bool LotterySelector::selectName(const std::string& name) {
    const auto found = findLotteryInList(names(), name);
    const int index = found ? static_cast<int>(*found) : -1;
    setCurrentIndex(index);
    setEditText(itemText(index));
    return found.has_value();
}

std::optional<std::string> LotterySelector::selectedName() const {
    int index = currentIndex();
    if (index >= 0 && lineEdit()->text() != itemText(index))
        index = findText(lineEdit()->text(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) return std::nullopt;
    return itemText(index).toStdString();
}

void LotterySelector::showPopup() {
    QComboBox::showPopup();
    dropDownOpen_ = true;
}

void LotterySelector::hidePopup() {
    QComboBox::hidePopup();
    // Qt also calls this when the selector is hidden with its window; only a
    // list that was open closes.
    if (!dropDownOpen_) return;
    dropDownOpen_ = false;
    // The entry tapped in the list becomes the current one only after the
    // list has closed, so the news goes out from the event loop.
    QMetaObject::invokeMethod(this, &LotterySelector::dropDownClosed, Qt::QueuedConnection);
}

}  // namespace numora
