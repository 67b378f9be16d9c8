#include "ui/wheel/WheelWindow.h"

#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "picking/LineText.h"
#include "platform/Prompter.h"
#include "ui/art/ArtStyle.h"
#include "ui/wheel/NumberGrid.h"
#include "ui/wheel/WheelWindowTexts.h"
#include "wheels/TicketLines.h"

namespace numora {

namespace {

// The pool's summary is greyer than the tickets.
constexpr int kSummaryLighter = 250;

// A ticket as the pick list writes a line, without a bonus.
QString ticketText(const WheelTicket& ticket, const LotteryProfile& lottery) {
    PickedLine line;
    for (std::size_t slot = 0; slot < ticket.balls.size() && slot < line.slots.size(); ++slot)
        line.slots[slot] = ticket.balls[slot];
    LotteryProfile withoutBonus = lottery;
    withoutBonus.bonus = 0;
    return QString::fromStdString(makeLineText(line, withoutBonus));
}

}  // namespace

WheelWindow::WheelWindow(const LotteryProfile& lottery, ScreenSize screen, Prompter& prompter,
                         std::function<std::int64_t()> clock, const SearchLimits& limits, QWidget* parent)
    : QDialog(parent),
      lottery_(lottery),
      shape_(screenShapeOf(screen)),
      prompter_(prompter),
      clock_(std::move(clock)),
      limits_(limits),
      controls_(buildWheelWindow(*this, screen, lottery)),
      job_(this) {
    setObjectName(QStringLiteral("wheelWindow"));
    setWindowTitle(QString::fromLatin1(wheelwindow::kTitle));
    connect(controls_.grid, &NumberGrid::marksChanged, this, &WheelWindow::showPool);
    connect(controls_.match, &QComboBox::currentIndexChanged, this, &WheelWindow::showPool);
    connect(controls_.ifDrawn, &QComboBox::currentIndexChanged, this, &WheelWindow::showPool);
    connect(controls_.ticketLimit, &QSpinBox::valueChanged, this, &WheelWindow::showPool);
    connect(controls_.generate, &QPushButton::clicked, this, &WheelWindow::generate);
    connect(controls_.cancel, &QPushButton::clicked, &job_, &WheelJob::cancel);
    connect(controls_.addToPickList, &QPushButton::clicked, this, &WheelWindow::addToPickList);
    connect(controls_.playWheel, &QPushButton::clicked, this, &WheelWindow::playWheel);
    connect(controls_.close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&job_, &WheelJob::progressed, this, &WheelWindow::showProgress);
    connect(&job_, &WheelJob::finished, this, &WheelWindow::showWheel);
    showPool();
}

WheelWindow::~WheelWindow() = default;

void WheelWindow::done(int result) {
    job_.cancel();
    QDialog::done(result);
}

void WheelWindow::showPool() {
    using namespace wheelwindow;
    wheel_.reset();
    controls_.addToPickList->setEnabled(false);
    controls_.playWheel->setEnabled(false);
    controls_.progress->setValue(0);
    controls_.progress->setFormat(QString());
    controls_.tickets->clear();
    const auto pool = controls_.grid->pool().size();
    const auto keys = controls_.grid->keys().size();
    auto* summary = new QListWidgetItem(pool == 0   ? QString::fromLatin1(kEmptyPool)
                                        : keys == 0 ? QString::fromLatin1(kPoolSummary).arg(pool)
                                                    : QString::fromLatin1(kPoolSummaryWithKeys).arg(pool).arg(keys),
                                        controls_.tickets);
    summary->setFlags(Qt::ItemIsEnabled);
    summary->setForeground(art::Colors::ink().lighter(kSummaryLighter));
}

void WheelWindow::generate() {
    WheelRequest request{controls_.grid->pool(), controls_.grid->keys(),
                         {controls_.match->currentData().toInt(), controls_.ifDrawn->currentData().toInt()},
                         std::nullopt};
    if (controls_.ticketLimit->value() > 0) request.ticketLimit = controls_.ticketLimit->value();
    if (const std::string problem = wheelRequestProblem(request, lottery_); !problem.empty()) {
        prompter_.report(problem);
        return;
    }
    showPool();
    controls_.progress->resetFormat();
    setSearching(true);
    job_.start(request, lottery_, limits_);
}

void WheelWindow::setSearching(bool searching) {
    for (QWidget* control : std::initializer_list<QWidget*>{controls_.grid, controls_.match, controls_.ifDrawn,
                                                            controls_.ticketLimit, controls_.generate}) {
        control->setEnabled(!searching);
    }
    controls_.cancel->setEnabled(searching);
    for (QPushButton* handOver : {controls_.addToPickList, controls_.playWheel})
        handOver->setEnabled(!searching && wheel_.has_value());
}

void WheelWindow::showProgress(const SearchProgress& progress) {
    controls_.progress->setValue(static_cast<int>(progress.done * wheelwindow::kProgressSteps));
    if (progress.tickets > 0)
        controls_.progress->setFormat(QString::fromLatin1(wheelwindow::kBestSoFar).arg(progress.tickets));
}

void WheelWindow::showWheel() {
    const Wheel& found = job_.wheel();
    if (found.tickets.empty()) {
        setSearching(false);
        prompter_.report(found.refusal);
        return;
    }
    wheel_ = found;
    controls_.tickets->clear();
    controls_.progress->setValue(wheelwindow::kProgressSteps);
    controls_.progress->setFormat(QString::fromLatin1(wheelwindow::kBestSoFar).arg(found.tickets.size()));
    for (const WheelTicket& ticket : found.tickets) controls_.tickets->addItem(ticketText(ticket, lottery_));
    const std::vector<std::string> checked = checkTexts(found.check, found.tickets.size(), found.needed);
    for (const std::string& text : checked) {
        auto* item = new QListWidgetItem(QString::fromStdString(text), controls_.tickets);
        item->setFlags(Qt::ItemIsEnabled);
        // The guarantee's line says in colour whether it holds.
        if (&text == &checked.front()) item->setForeground(found.check.holds() ? art::Colors::green() : art::Colors::red());
    }
    setSearching(false);
}

std::optional<std::vector<PickedLine>> WheelWindow::wheelLines() {
    if (!wheel_) return std::nullopt;
    CrtRandom random(static_cast<std::uint32_t>(clock_()));
    TicketLines made = ticketLines(wheel_->tickets, lottery_, random);
    if (!made.refusal.empty()) {
        prompter_.report(std::string(made.refusal));
        return std::nullopt;
    }
    return std::move(made.lines);
}

void WheelWindow::addToPickList() {
    std::optional<std::vector<PickedLine>> lines = wheelLines();
    if (!lines) return;
    picks_ = std::move(*lines);
    accept();
}

void WheelWindow::playWheel() {
    if (const std::optional<std::vector<PickedLine>> lines = wheelLines()) Q_EMIT playRequested(*lines);
}

}  // namespace numora
