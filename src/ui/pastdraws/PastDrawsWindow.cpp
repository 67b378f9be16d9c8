#include "ui/pastdraws/PastDrawsWindow.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <variant>

#include "app/AppState.h"
#include "draws/DrawFile.h"
#include "draws/EnteredDrawText.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"
#include "platform/Prompter.h"
#include "plays/TicketBook.h"
#include "settings/BallSlots.h"
#include "ui/pastdraws/PastDrawsTexts.h"
#include "ui/services/WaitCursor.h"
#include "ui/controls/DrawListModel.h"
#include "ui/controls/DrawListView.h"
#include "ui/help/PastHelpScreen.h"

namespace numora {

namespace {

// Balls 1 to 3 are always entered; box k of balls 4 to 7 only when the
// lottery draws at least k balls.
constexpr int kAlwaysEnteredBalls = 3;

QDate pickerDate(const CalendarTime& when) { return {when.year, when.month, when.day}; }

}  // namespace

PastDrawsWindow::PastDrawsWindow(PastDrawsServices services, QWidget* parent)
    : QDialog(parent),
      services_(std::move(services)),
      profile_(services_.state.current),
      editor_([this](const DrawList& draws) {
          const WaitCursor wait;
          return DrawFile::save(services_.device, services_.state.dataFolder, profile_.name, draws);
      }),
      controls_(buildPastDrawsWindow(*this, services_.screen)),
      model_(new DrawListModel(editor_.draws(), profile_, services_.locale, services_.time, this)),
      date_(services_.state.startTime) {
    setObjectName(QStringLiteral("pastDrawsWindow"));
    setWindowTitle(QString::fromLatin1(pastdraws::kTitle));
    setAcceptDrops(true);
    connectCommands();
    runOpening();
}

PastDrawsWindow::~PastDrawsWindow() = default;

void PastDrawsWindow::connectCommands() {
    connect(controls_.add, &QPushButton::clicked, this, &PastDrawsWindow::addToList);
    connect(controls_.insert, &QPushButton::clicked, this, &PastDrawsWindow::insertDraw);
    connect(controls_.close, &QPushButton::clicked, this, &QDialog::reject);
    connect(controls_.list, &DrawListView::tapped, this, [this] { controls_.insert->setEnabled(true); });
    connect(controls_.list, &DrawListView::rowDoubleTapped, this, &PastDrawsWindow::deleteDraw);
    connect(controls_.importDraws, &QAction::triggered, this, &PastDrawsWindow::importDraws);
    connect(controls_.exportDraws, &QAction::triggered, this, &PastDrawsWindow::exportDraws);
    connect(controls_.exportDatedDraws, &QAction::triggered, this, &PastDrawsWindow::exportDatedDraws);
    connect(controls_.help, &QAction::triggered, this, &PastDrawsWindow::help);
}

void PastDrawsWindow::runOpening() {
    controls_.lotteryName->setText(QString::fromStdString(profile_.name));
    controls_.list->setDrawModel(model_);

    DrawList draws;
    {
        const WaitCursor wait;
        loaded_ = DrawFile::load(services_.device, services_.state.dataFolder, profile_.name, draws);
    }
    editor_.fill(std::move(draws), loaded_);
    model_->refill();
    // A file not read whole is told once, over the window once it is on screen.
    if (!loaded_.maySaveOver() && !loaded_.message.empty())
        QTimer::singleShot(0, this, [this] { services_.prompter.report(loaded_.message); });

    // The boxes after the balls take the second drum's numbers, if any.
    for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
        QLineEdit& box = *controls_.numberBoxes[static_cast<std::size_t>(ball - 1)];
        const SlotDrum drum = slotDrum(profile_, ball);
        if (ball > kAlwaysEnteredBalls) box.setEnabled(drum != SlotDrum::NotInPlay);
        if (drum == SlotDrum::Second) showAsSecondDrumBox(box);
    }
    controls_.numberBoxes[kBonusBox]->setEnabled(profile_.bonus > 0);
    controls_.insert->setEnabled(false);

    showFieldValues();
    QLineEdit* first = controls_.numberBoxes.front();
    first->setFocus();
    first->setSelection(0, 2);
}

std::optional<DrawCheckFailure> PastDrawsWindow::takeControlValues() {
    EnteredDrawTexts texts;
    for (std::size_t box = 0; box < texts.size(); ++box) texts[box] = controls_.numberBoxes[box]->text().toStdString();
    const auto read = readEnteredDraw(texts);
    if (const auto* failure = std::get_if<DrawCheckFailure>(&read)) return *failure;
    numbers_ = std::get<EnteredDraw>(read);
    // Only the date is picked; the time of day stays.
    const QDate picked = controls_.drawDate->date();
    date_.year = picked.year();
    date_.month = picked.month();
    date_.day = picked.day();
    return std::nullopt;
}

void PastDrawsWindow::showFieldValues() {
    for (std::size_t box = 0; box < numbers_.size(); ++box)
        controls_.numberBoxes[box]->setText(QString::number(numbers_[box]));
    controls_.drawDate->setDate(pickerDate(date_));
    showInfoLine();
}

std::optional<DrawRecord> PastDrawsWindow::checkedDraw() {
    auto failure = takeControlValues();
    if (!failure) failure = checkEnteredDraw(numbers_, profile_);
    if (failure) {
        refuse(*failure);
        return std::nullopt;
    }
    DrawRecord draw;
    draw.date = services_.time.toSeconds(date_);
    for (int i = 0; i < DrawRecord::kNumberCount; ++i) draw.number(i) = numbers_[static_cast<std::size_t>(i)];
    return draw;
}

void PastDrawsWindow::refuse(const DrawCheckFailure& failure) {
    services_.prompter.report(failure.message);
    QLineEdit* box = controls_.numberBoxes[static_cast<std::size_t>(failure.box)];
    box->setFocus();
    if (failure.resetBox) {
        numbers_[static_cast<std::size_t>(failure.box)] = 0;
        showFieldValues();
    }
    box->selectAll();
}

// A draw file that is there but was not read whole is never saved over, so
// nothing that could not be read is lost. The draws shown cannot change
// either: Add, Insert, Delete and Import Draws are refused with a word when
// they are tried, rather than changes that could never be saved.
bool PastDrawsWindow::refuseSaving() {
    if (loaded_.maySaveOver()) return false;
    const std::string file = DrawFile::deviceName(services_.state.dataFolder, profile_.name);
    services_.prompter.report(formatText(pastdraws::kNotSavedOver, file.c_str()));
    return true;
}

void PastDrawsWindow::addToList() {
    const auto draw = checkedDraw();
    if (!draw || refuseSaving()) return;
    const std::vector<std::string> failures = editor_.add(*draw);
    model_->refill();
    for (const std::string& text : failures) services_.prompter.report(text);
    tellTicketResults();
    numbers_ = {};
    showFieldValues();
    // Ready for the next draw: typing replaces the 0.
    controls_.numberBoxes.front()->setFocus();
    controls_.numberBoxes.front()->selectAll();
}

void PastDrawsWindow::insertDraw() {
    const auto row = controls_.list->selectedRow();
    if (!row || refuseSaving()) return;
    const auto draw = checkedDraw();
    if (!draw) return;
    // Above the selected row, and in the draws just before its draw.
    const std::size_t position = model_->drawPosition(*row);
    model_->insertDraw(*row, position, [&] { editor_.insertBefore(position, *draw); });
    tellTicketResults();
}

void PastDrawsWindow::tellTicketResults() {
    const std::string told = oneMessage(checkTicketsOnArrival(services_.device, services_.state.dataFolder, profile_,
                                                              editor_.draws(), services_.time));
    if (!told.empty()) services_.prompter.report(told);
}

void PastDrawsWindow::deleteDraw(int row) {
    if (refuseSaving() || !services_.prompter.ask(pastdraws::kDeleteQuestion)) return;
    const std::size_t position = model_->drawPosition(row);
    model_->removeDraw(row, [&] { editor_.remove(position); });
}

void PastDrawsWindow::help() {
    PastHelpScreen screen(this);
    screen.exec();
}

void PastDrawsWindow::done(int result) {
    if (importing_) return;
    if (!closed_) {
        closed_ = true;
        runClosing();
    }
    QDialog::done(result);
}

void PastDrawsWindow::runClosing() {
    const auto question = editor_.closeQuestion();
    if (!question || !services_.prompter.ask(*question)) return;
    const std::string failure = editor_.saveOnClose();
    if (!failure.empty()) services_.prompter.report(failure);
}

}  // namespace numora
