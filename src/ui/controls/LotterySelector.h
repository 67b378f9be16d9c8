#pragma once

#include <QComboBox>

#include <optional>
#include <string>
#include <vector>

namespace numora {

// The main window's lottery selector: an editable drop-down list of lottery
// names that keeps its entries sorted alphabetically (ignoring case). Typed
// text never becomes an entry. `dropDownClosed` is emitted each time the list
// closes, once the entry chosen there (if any) has become the selected one.
// While it holds no entry, its empty edit field tells how to add a lottery.
class LotterySelector : public QComboBox {
    Q_OBJECT

public:
    static constexpr char kNoLotteryHint[] = "Add a lottery: Lottery menu";
    static constexpr char kNoLotteryTip[] =
        "No lottery yet: add one with Add Lottery Type in the Lottery menu or on the toolbar.";

    explicit LotterySelector(QWidget* parent = nullptr);

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

    bool dropDownOpen_ = false;
};

}  // namespace numora
