#pragma once
// A message a window shows, and the titles and texts that several windows
// (and the batch tool) share, each written once.

#include <string>
#include <string_view>

namespace calvex {

// The titles of the message boxes of the work windows.
inline constexpr std::string_view kCheckTitle = "Calvex: controllo dati immessi nella finestra attiva";
inline constexpr std::string_view kHelpTitle = "Calvex: aiuto in linea";

inline constexpr std::string_view kMessageDataCorrect = "I dati sono stati immessi correttamente.";
inline constexpr std::string_view kMessageNoMoreStoreys = "Non vi sono altri piani.";
inline constexpr std::string_view kMessageNoMoreWalls = "Non vi sono altri setti.";
// The copy to the next storey from the last one.
inline constexpr std::string_view kMessageNoNextStorey = "Non esistono altri piani.";
inline constexpr std::string_view kResultsNotCurrent = "risultati non aggiornati";

// The icon of a message box, which tells the kind of message.
enum class MessageIcon { question, critical, exclamation, information };

struct WindowMessage {
    std::string text;
    MessageIcon icon = MessageIcon::critical;
    bool operator==(const WindowMessage&) const = default;
};

} // namespace calvex
