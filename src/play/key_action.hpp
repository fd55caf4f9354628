#pragma once

namespace textshow::play {

enum class KeyAction { NONE, QUIT, PAUSE, FASTER, SLOWER, NEXT_STAGE };

// What a key press asks for. When the show repeats as a screensaver, every
// key ends it.
KeyAction action_for_key(int key, bool looping);

}  // namespace textshow::play
