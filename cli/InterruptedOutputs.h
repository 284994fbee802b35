#pragma once

/// The temporary files of the outputs being written, removed if Ctrl+C (SIGINT) or SIGTERM ends the
/// process: a run stopped that way would otherwise leave a temporary file as large as its CSV beside
/// the file it was to replace. The paths are kept in static buffers, since the handler may only make
/// async-signal-safe calls; the handler removes them, then raises the signal again under the handler
/// that was there before.
namespace InterruptedOutputs {

/// Keeps `path` for removal on those signals; the slot to pass to Forget, or −1 when there is no room
/// (a path too long or too many at once), and then the file is not removed.
int Remember(const char* path);
/// Stops keeping the path of `slot` (−1 does nothing): before the file is renamed or removed.
void Forget(int slot);

} // namespace InterruptedOutputs
