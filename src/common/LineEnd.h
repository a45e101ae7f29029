#pragma once

namespace pathwick {

// The line end of the texts the program shows and of the files it writes.
inline constexpr auto CrLf = "\r\n";

} // namespace pathwick
