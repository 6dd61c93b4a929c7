#pragma once

namespace tavelo {

// Ends the event loop normally on SIGTERM, SIGINT and SIGHUP (a session ending, Ctrl+C,
// a closed terminal), so that everything the program keeps in memory is written before
// it exits. Call once, after the QApplication exists.
void quitEventLoopOnTerminationSignals();

} // namespace tavelo
