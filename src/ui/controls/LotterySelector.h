#pragma once

#include <QComboBox>

#include <optional>
#include <string>
#include <vector>

namespace numora {

// A lottery selector (the main window's, the profile editor's): an editable
// drop-down list of lottery names that keeps its entries sorted
// alphabetically (ignoring case). Typed text stays as typed: it is never
// completed from the entries and never becomes one. `dropDownClosed` is
// emitted each time the list closes, once the entry chosen there (if any) has
// become the selected one.
class LotterySelector : public QComboBox {
    Q_OBJECT

public:
    explicit LotterySelector(QWidget* parent = nullptr);

    // What the empty edit field and the tooltip say while there is no entry.
    void setHintWhenEmpty(const QString& hint, const QString& tip);

    // Replaces the entries with these names, sorted.
    void setNames(const std::vector<std::string>& names);
    // The entries from top to bottom.
    std::vector<std::string> names() const;

    // Selects the entry the program's lottery search finds for the name (see
    // findLotteryInList); selects nothing when none matches. True when one
    // was selected.
    bool selectName(const std::string& name);

    // The selected entry's text. None when nothing is selected, or when the
    // edit field holds typed text that is not exactly an entry.
    std::optional<std::string> selectedName() const;

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    void dropDownClosed();

private:
    void showHintWhenEmpty();

    QString emptyHint_;
    QString emptyTip_;
    bool dropDownOpen_ = false;
};

}  // namespace numora
