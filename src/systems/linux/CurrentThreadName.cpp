#include "platform/CurrentThreadName.h"

#include <pthread.h>

namespace aerolap {

void nameCurrentThread(const std::string& name) {
    // Linux keeps 15 bytes and refuses a longer name whole.
    ::pthread_setname_np(::pthread_self(), name.substr(0, 15).c_str());
}

} // namespace aerolap
