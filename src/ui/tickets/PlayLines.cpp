#include "ui/tickets/PlayLines.h"

#include "platform/FormatText.h"
#include "platform/Prompter.h"
#include "plays/NextDrawDay.h"
#include "plays/TicketBook.h"
#include "ui/tickets/PlayDateDialog.h"

namespace numora {

namespace {
constexpr char kLineBreak[] = "\n";
}  // namespace

void playLines(const TicketServices& services, const std::vector<PickedLine>& lines, TicketSource source,
               const DrawList& draws, QWidget* parent) {
    TicketBook book(services.device, services.dataFolder, services.lottery, services.time);
    if (const TicketsFileResult& loaded = book.load(); !loaded.maySaveOver()) {
        services.prompter.report(loaded.message);
        return;
    }
    PlayDateDialog dialog(static_cast<int>(lines.size()), nextDrawDay(draws, services.time), parent);
    if (dialog.exec() != QDialog::Accepted) return;
    const TicketBook::Played played = book.play(lines, dialog.day(), source, draws);
    services.prompter.report(joinTexts(played.texts, kLineBreak));
}

}  // namespace numora
