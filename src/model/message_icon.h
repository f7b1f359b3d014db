#pragma once

namespace calvex {

// The icon of a message box, which tells the kind of message.
enum class MessageIcon { question, critical, exclamation, information };

} // namespace calvex
