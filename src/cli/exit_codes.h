#pragma once
// Exit statuses of calvex-batch.

namespace calvex::cli {

inline constexpr int kExitOk = 0;          // copia: the archive was written
inline constexpr int kExitVerified = 0;    // verifica: the building is verified
inline constexpr int kExitNotVerified = 1; // verifica: the building is not verified
inline constexpr int kExitFailure = 2;     // wrong arguments, unreadable file, incomplete data or run

} // namespace calvex::cli
