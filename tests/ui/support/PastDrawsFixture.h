#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/DeviceInstall.h"
#include "draws/DrawFile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "support/RecordingPrompter.h"
#include "ui/pastdraws/PastDrawsWindow.h"
#include "ui/controls/DrawListModel.h"
#include "ui/controls/DrawListView.h"
#include "ui/support/DeviceRoot.h"
#include "ui/support/Widgets.h"

namespace numora {

// A draw of balls 1 to 6 and a bonus on a day at 00:00, as a fixed-offset
// clock at UTC counts it.
inline DrawRecord drawOn(int year, int month, int day, std::array<int, 7> numbers) {
    const FixedOffsetLocalTime utc;
    DrawRecord draw;
    draw.date = utc.toSeconds({year, month, day});
    for (int i = 0; i < 6; ++i) draw.ball(i + 1) = numbers[static_cast<std::size_t>(i)];
    draw.bonus = numbers[6];
    return draw;
}

inline const DrawList kThreeDraws{drawOn(2006, 1, 4, {3, 10, 22, 31, 40, 45, 7}),
                                  drawOn(2006, 1, 11, {9, 12, 23, 34, 41, 46, 2}),
                                  drawOn(2006, 1, 18, {1, 2, 24, 35, 42, 47, 0})};

// A lottery on a fresh device root with its draws, a fixed locale and clock,
// a recording prompter and a file chooser that answers what the test says.
class DrawWindowTest : public ::testing::Test, protected DeviceRoot {
protected:
    // Sorted, no repeats: the order checks apply.
    static inline const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, false};

    DrawWindowTest() {
        createDeviceFolders(paths, kTestDataFolder);
        state.dataFolder = kTestDataFolder;
        state.current = kLotto;
        state.startTime = time.now();
        state.startSeconds = time.toSeconds(state.startTime);
    }

    std::filesystem::path drawFile() const { return host(DrawFile::deviceName(kTestDataFolder, state.current.name)); }
    void writeDraws(const DrawList& draws) const {
        ASSERT_TRUE(DrawFile::save(paths, kTestDataFolder, state.current.name, draws).ok());
    }
    DrawList storedDraws() const {
        DrawList draws;
        DrawFile::load(paths, kTestDataFolder, state.current.name, draws);
        return draws;
    }

    AppState state;
    FixedLocaleInfo locale;
    FixedOffsetLocalTime time;
    RecordingPrompter prompter;
};

class PastDrawsWindowTest : public DrawWindowTest {
protected:
    PastDrawsWindow& open(ScreenSize screen = {240, 320}) {
        window.reset();
        const ChooseFile chooser = [this](std::string_view filter) {
            filters.emplace_back(filter);
            return chosenFile;
        };
        window = std::make_unique<PastDrawsWindow>(
            PastDrawsServices{state, paths, locale, time, prompter, chooser, screen});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
        return *window;
    }

    template <typename Control>
    Control& control(const QString& name) const {
        return child<Control>(*window, name);
    }
    QLineEdit& box(int number) const {
        return control<QLineEdit>(number == 8 ? QStringLiteral("bonusBox") : QStringLiteral("ballBox%1").arg(number));
    }
    DrawListView& list() const { return control<DrawListView>(QStringLiteral("drawList")); }
    QString info() const { return control<QLineEdit>(QStringLiteral("infoLine")).text(); }
    void click(const char* button) const { control<QPushButton>(QString::fromLatin1(button)).click(); }
    void trigger(const char* action) const { control<QAction>(QString::fromLatin1(action)).trigger(); }

    // Types balls 1 to 7 and the bonus; an empty text leaves a box empty.
    void enter(const std::vector<QString>& texts) const {
        for (std::size_t i = 0; i < texts.size(); ++i) box(static_cast<int>(i) + 1).setText(texts[i]);
    }
    void enter(std::array<int, 8> numbers) const {
        std::vector<QString> texts;
        for (const int number : numbers) texts.push_back(QString::number(number));
        enter(texts);
    }

    QPoint rowCentre(int row) const { return list().visualRect(list().model()->index(row, 0)).center(); }
    void tapRow(int row) const { QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    void doubleTap(QPoint where) const {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, where);
    }
    void tapHeading(int column) const { Q_EMIT list().horizontalHeader()->sectionClicked(column); }

    // The rows' texts in one column, top to bottom.
    std::vector<std::string> column(int column) const {
        std::vector<std::string> texts;
        const QAbstractItemModel& model = *list().model();
        for (int row = 0; row < model.rowCount(); ++row)
            texts.push_back(model.data(model.index(row, column)).toString().toStdString());
        return texts;
    }

    std::optional<std::string> chosenFile;
    std::vector<std::string> filters;
    std::unique_ptr<PastDrawsWindow> window;
};

}  // namespace numora
