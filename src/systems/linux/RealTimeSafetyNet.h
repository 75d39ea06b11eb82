#pragma once

#include <sys/types.h>

namespace aerolap {

/// Keeps a real-time thread that runs away from taking the program down with it. The kernel
/// signals SIGXCPU once a real-time thread has used the process's soft RLIMIT_RTTIME without
/// sleeping, and kills the process at the hard one; by default SIGXCPU ends the process too.
/// With the net in place, SIGXCPU puts every thread named here back to ordinary scheduling: the
/// cues go on as an ordinary thread's would, and the timer lives.
void catchRunawayRealTime(pid_t thread);

} // namespace aerolap
