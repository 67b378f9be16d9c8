#pragma once

// The texts of the tickets' commands and windows.
namespace numora::tickets {

inline constexpr char kPlayPicksCommand[] = "Play Picks";
inline constexpr char kTicketsCommand[] = "Tickets";
inline constexpr char kNoPicksToPlay[] = "There are no picks to play yet: tap Pick first.";

// The dialog that asks for the day of the draw played for.
inline constexpr char kPlayTitle[] = "Play";
inline constexpr char kPlayLines[] = "Play %d lines as tickets for the draw of";
inline constexpr char kPlayOneLine[] = "Play the line as a ticket for the draw of";
inline constexpr char kDayFormat[] = "yyyy-MM-dd";

// The Tickets window.
inline constexpr char kWindowTitle[] = "Tickets";
inline constexpr char kTicketsOf[] = "Tickets of %s";
inline constexpr char kTicketColumn[] = "No.";
inline constexpr char kResultColumn[] = "Result";
inline constexpr char kNumbersColumn[] = "Numbers";
inline constexpr char kTicketNumber[] = "#%d";
inline constexpr char kPending[] = "pending";
// A pending ticket's result: an ellipsis, in grey italics.
inline constexpr char kPendingMark[] = "\xE2\x80\xA6";
// A day's row: "2026-12-09   5 tickets, best 4+1", "2026-12-12   1 ticket, pending".
inline constexpr char kDayRow[] = "%s   %s, %s";
inline constexpr char kDayTickets[] = "%d tickets";
inline constexpr char kDayOneTicket[] = "1 ticket";
inline constexpr char kBestOfDay[] = "best %s";
// The widest texts of the number and result columns.
inline constexpr char kWidestNumber[] = "#888";
inline constexpr char kWidestResult[] = "8+8";
inline constexpr char kNoTickets[] = "No tickets yet: play the picks from the Lottery menu.";
inline constexpr char kDelete[] = "Delete";
inline constexpr char kClose[] = "Close";
inline constexpr char kDeleteQuestion[] = "Delete ticket %d?\nARE YOU SURE?";

}  // namespace numora::tickets
