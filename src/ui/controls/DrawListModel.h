#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "draws/DrawList.h"
#include "draws/DrawListText.h"
#include "settings/LotteryProfile.h"

namespace numora {

class LocaleInfo;
class LocalTime;

// The rows of the Past Draws list over the window's draws: each row stands
// for one draw, and its cell texts are made only when the view asks for them.
// The model keeps nothing but the order of the rows, so a list of any length
// opens at once. A heading tap reorders the rows and leaves the draws as they
// are.
class DrawListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    DrawListModel(const DrawList& draws, const LotteryProfile& profile, const LocaleInfo& locale,
                  const LocalTime& time, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // One row for every draw, in list order.
    void refill();
    // No rows, while the draws are taken apart and put together again.
    void empty();
    // The position in the draws of the draw a row shows.
    std::size_t drawPosition(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

    // Runs `insertDraw`, which puts a draw at `position` in the draws, and
    // shows it as a new row at `row`.
    void insertDraw(int row, std::size_t position, const std::function<void()>& insertDraw);
    // Runs `removeDraw`, which takes the row's draw out of the draws, and
    // removes the row.
    void removeDraw(int row, const std::function<void()>& removeDraw);

    // A tap on a column's heading.
    void sortForHeadingTap(int column);

    // A column's width in a list whose client area is this wide.
    int columnWidth(int column, int clientWidth) const;

private:
    const DrawList& draws_;
    const LotteryProfile& profile_;
    const LocaleInfo& locale_;
    const LocalTime& time_;
    DrawListSorting sorting_;
    std::vector<std::size_t> rows_;
    std::array<QIcon, kDrawListColumns> headingIcons_;
};

}  // namespace numora
