#pragma once
// How the program meets a drive that cannot answer.

namespace kestro {

// On Windows, a look at a drive without its disk (an empty card reader, a share that has gone
// away) fails as any other look does, instead of raising the system's "There is no disk in
// the drive" box, which would hold the program until the player answers it. The modes already
// set (by whoever started the program) are kept. Called first thing in each program; elsewhere
// it does nothing.
void failDiskErrorsQuietly();

}  // namespace kestro
