#pragma once

namespace velmora::voice {

// Debian builds its static HTS Engine for programs, not for shared
// libraries: its code loads stdout and stderr straight from where a
// program would hold them, which a shared library cannot leave to libc.
// The library therefore holds those two pointers itself (hidden, so only
// the engine linked into it sees them); this points them at the process's
// own streams, for the engine's error messages. Call before the engine
// runs; calling again does no harm.
void BindHtsStandardStreams();

}  // namespace velmora::voice
