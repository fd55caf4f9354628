#pragma once

namespace textshow::play {

// Checks that the terminal on standard output, as TERM describes it, can be
// played on: it must be known and able to place the cursor, or every frame
// would scroll out below the last (TERM=dumb). Throws std::runtime_error
// saying what is wrong, having written nothing to the terminal.
void check_terminal();

}  // namespace textshow::play
